// CFileDialog: the common open or save dialog, shown through the modal seam.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <string>
#include "framework/String.h"

class CWnd;

class CFileDialog {
public:
    // pszFilter: pairs of description and pattern separated by '|', e.g.
    // "Almanark Files (*.kal)|*.kal|"; pszDefExt without the dot.
    explicit CFileDialog(bool bOpenFileDialog, const char* pszDefExt = nullptr,
                         const char* pszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         const char* pszFilter = nullptr, CWnd* pParent = nullptr);
    CFileDialog(const CFileDialog&) = delete;
    CFileDialog& operator=(const CFileDialog&) = delete;

    // IDOK or IDCANCEL.
    int DoModal();

    CString GetPathName() const { return CString(m_szFile); }
    // Name with extension, without the folder.
    CString GetFileName() const;
    CString GetFileExt() const;
    // Name without folder and extension.
    CString GetFileTitle() const;

    OPENFILENAMEA m_ofn = {};

private:
    bool m_bOpenFileDialog;
    CWnd* m_pParent;
    CString m_strDefExt;
    // The filter with its separators turned into zeros, ending in two zeros.
    std::string m_filter;
    char m_szFile[MAX_PATH * 4] = {0};
    char m_szFileTitle[MAX_PATH] = {0};
};
