#include "framework/RecentFileList.h"
#include "framework/WinApp.h"

namespace {
const int kMaxMenuPath = 40;
}

CRecentFileList::CRecentFileList(UINT nStartID, const char* pszSection, const char* pszEntryFormat,
                                 int nSize)
    : m_nStartID(nStartID), m_strSection(pszSection), m_strEntryFormat(pszEntryFormat),
      m_arrNames(nSize > 0 ? nSize : 0) {}

void CRecentFileList::Add(const char* pszPathName) {
    if (m_arrNames.empty() || !pszPathName || !*pszPathName)
        return;
    CString strPath(pszPathName);
    // An entry already in the list moves to the top.
    size_t nFound = m_arrNames.size() - 1;
    for (size_t i = 0; i < m_arrNames.size(); ++i)
        if (m_arrNames[i].CompareNoCase(strPath) == 0) {
            nFound = i;
            break;
        }
    for (size_t i = nFound; i > 0; --i)
        m_arrNames[i] = m_arrNames[i - 1];
    m_arrNames[0] = strPath;
}

void CRecentFileList::Remove(int nIndex) {
    if (nIndex < 0 || nIndex >= GetSize())
        return;
    m_arrNames.erase(m_arrNames.begin() + nIndex);
    m_arrNames.push_back(CString());
}

void CRecentFileList::ReadList(CWinApp* pApp) {
    for (int i = 0; i < GetSize(); ++i) {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        m_arrNames[i] = pApp->GetProfileString(m_strSection, strEntry, "");
    }
}

void CRecentFileList::WriteList(CWinApp* pApp) const {
    for (int i = 0; i < GetSize(); ++i) {
        CString strEntry;
        strEntry.Format(m_strEntryFormat, i + 1);
        if (m_arrNames[i].IsEmpty())
            pApp->WriteProfileString(m_strSection, strEntry, nullptr);
        else
            pApp->WriteProfileString(m_strSection, strEntry, m_arrNames[i]);
    }
}

CString CRecentFileList::GetMenuText(int nIndex) const {
    CString strPath = m_arrNames[nIndex];
    if (strPath.GetLength() > kMaxMenuPath) {
        // Keep the drive or share and the file name, drop the middle.
        int nName = strPath.ReverseFind('\\');
        CString strName = nName >= 0 ? strPath.Mid(nName) : strPath;
        int nRoot = strPath.Find('\\', strPath.Left(2) == "\\\\" ? 2 : 0);
        CString strRoot = nRoot >= 0 ? strPath.Left(nRoot + 1) : CString();
        if (strRoot.GetLength() + 3 + strName.GetLength() < strPath.GetLength())
            strPath = strRoot + "..." + strName;
    }
    strPath.Replace("&", "&&");
    CString strText;
    strText.Format("&%d %s", nIndex + 1, (const char*)strPath);
    return strText;
}

bool CRecentFileList::UpdateMenu(HMENU hMenu) const {
    int nCount = ::GetMenuItemCount(hMenu);
    int nFirst = -1;
    for (int i = 0; i < nCount; ++i) {
        UINT nID = ::GetMenuItemID(hMenu, i);
        if (nID >= m_nStartID && nID < m_nStartID + (UINT)GetSize()) {
            if (nFirst < 0)
                nFirst = i;
        }
    }
    if (nFirst < 0)
        return false;
    for (UINT id = m_nStartID; id < m_nStartID + (UINT)GetSize(); ++id)
        ::DeleteMenu(hMenu, id, MF_BYCOMMAND);
    int nAdded = 0;
    for (int i = 0; i < GetSize(); ++i) {
        if (m_arrNames[i].IsEmpty())
            break;
        ::InsertMenuA(hMenu, nFirst + nAdded, MF_BYPOSITION | MF_STRING, m_nStartID + i,
                      GetMenuText(i));
        ++nAdded;
    }
    if (nAdded == 0)
        ::InsertMenuA(hMenu, nFirst, MF_BYPOSITION | MF_STRING | MF_GRAYED, m_nStartID,
                      "Recent File");
    return true;
}
