// CFileDialog: the common open or save dialog, shown through the modal seam.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include <string>
#include <vector>
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
    // Every file chosen; with OFN_ALLOWMULTISELECT the dialog returns the
    // folder and then the names.
    std::vector<CString> GetPathNames() const;
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
    // Room for the names of many files chosen at once.
    char m_szFile[MAX_PATH * 64] = {0};
    char m_szFileTitle[MAX_PATH] = {0};
};
