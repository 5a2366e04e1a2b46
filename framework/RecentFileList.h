// CRecentFileList: the most recently used documents, kept in the profile
// (section "Recent File List", keys "File1".."FileN") and shown in the File
// menu in place of the "Recent File" item.
#pragma once
#include <windows.h>
#include <vector>
#include "framework/String.h"

class CWinApp;

class CRecentFileList {
public:
    CRecentFileList(UINT nStartID, const char* pszSection, const char* pszEntryFormat, int nSize);

    int GetSize() const { return (int)m_arrNames.size(); }
    const CString& operator[](int nIndex) const { return m_arrNames[nIndex]; }
    void Add(const char* pszPathName);
    void Remove(int nIndex);
    void ReadList(CWinApp* pApp);
    void WriteList(CWinApp* pApp) const;
    // Rewrites the items of the popup menu that holds the list (or its
    // placeholder); returns false when the menu has neither.
    bool UpdateMenu(HMENU hMenu) const;
    // The menu text of entry nIndex: "&1 " and the path, shortened in the
    // middle when long.
    CString GetMenuText(int nIndex) const;

private:
    UINT m_nStartID;
    CString m_strSection;
    CString m_strEntryFormat;
    std::vector<CString> m_arrNames;
};
