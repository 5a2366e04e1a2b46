#include "framework/FileDialog.h"

#include <cstring>

#include "framework/ModalSeam.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

CFileDialog::CFileDialog(bool bOpenFileDialog, const char* pszDefExt, const char* pszFileName,
                         DWORD dwFlags, const char* pszFilter, CWnd* pParent)
    : m_bOpenFileDialog(bOpenFileDialog), m_pParent(pParent), m_strDefExt(pszDefExt) {
    if (pszFileName)
        strncpy(m_szFile, pszFileName, sizeof m_szFile - 1);
    if (pszFilter && *pszFilter) {
        m_filter = pszFilter;
        for (char& ch : m_filter)
            if (ch == '|')
                ch = '\0';
        // However the text ends, the list ends with an empty string.
        m_filter.push_back('\0');
        m_filter.push_back('\0');
    }
    m_ofn.lStructSize = sizeof m_ofn;
    m_ofn.hInstance = ::GetModuleHandleA(nullptr);
    m_ofn.lpstrFilter = m_filter.empty() ? nullptr : m_filter.c_str();
    m_ofn.nFilterIndex = m_filter.empty() ? 0 : 1;
    m_ofn.lpstrFile = m_szFile;
    m_ofn.nMaxFile = sizeof m_szFile;
    m_ofn.lpstrFileTitle = m_szFileTitle;
    m_ofn.nMaxFileTitle = sizeof m_szFileTitle;
    m_ofn.lpstrDefExt = m_strDefExt.IsEmpty() ? nullptr : m_strDefExt.c_str();
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
}

int CFileDialog::DoModal() {
    HWND hOwner = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    if (!hOwner && AfxGetApp() && AfxGetApp()->m_pMainWnd)
        hOwner = AfxGetApp()->m_pMainWnd->GetSafeHwnd();
    m_ofn.hwndOwner = hOwner;
    // The dialog may leave the buffer unterminated when it is cut short.
    m_szFile[sizeof m_szFile - 1] = '\0';
    BOOL bOK = m_bOpenFileDialog ? AfxGetOpenFileName(&m_ofn) : AfxGetSaveFileName(&m_ofn);
    m_szFile[sizeof m_szFile - 1] = '\0';
    // A list of names ends in two zeros.
    if (m_ofn.Flags & OFN_ALLOWMULTISELECT)
        m_szFile[sizeof m_szFile - 2] = '\0';
    m_szFileTitle[sizeof m_szFileTitle - 1] = '\0';
    return bOK ? IDOK : IDCANCEL;
}

std::vector<CString> CFileDialog::GetPathNames() const {
    std::vector<CString> names;
    const char* p = m_szFile;
    const CString strFirst(p);
    p += strFirst.GetLength() + 1;
    if (!(m_ofn.Flags & OFN_ALLOWMULTISELECT) || !*p) {
        if (!strFirst.IsEmpty())
            names.push_back(strFirst);
        return names;
    }
    const CString strFolder = strFirst.Right(1) == "\\" ? strFirst : strFirst + "\\";
    for (; *p && p < m_szFile + sizeof m_szFile; p += strlen(p) + 1)
        names.push_back(strFolder + p);
    return names;
}

CString CFileDialog::GetFileName() const {
    const char* pszName = m_szFile;
    for (const char* p = m_szFile; *p; ++p)
        if (*p == '\\' || *p == '/')
            pszName = p + 1;
    return CString(pszName);
}

CString CFileDialog::GetFileExt() const {
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? CString() : strName.Mid(nDot + 1);
}

CString CFileDialog::GetFileTitle() const {
    CString strName = GetFileName();
    int nDot = strName.ReverseFind('.');
    return nDot < 0 ? strName : strName.Left(nDot);
}
