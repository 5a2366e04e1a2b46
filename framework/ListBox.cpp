#include "framework/ListBox.h"

#include <algorithm>
#include <string>

CString CListBox::GetText(int nIndex) const {
    return GetItemText(LB_GETTEXTLEN, LB_GETTEXT, nIndex);
}

// The list keeps its texts in UTF-16. An ANSI message about a text has it
// converted each time, and the ANSI length is found by converting the whole
// text once more; the wide messages and one conversion here cost a third of
// that, which counts for lists of thousands of lines.
std::vector<CString> CListBox::GetTexts() const {
    const int nCount = GetCount();
    std::vector<CString> texts;
    texts.reserve(nCount > 0 ? nCount : 0);
    std::wstring wide;
    std::string narrow;
    for (int i = 0; i < nCount; ++i) {
        const LRESULT nLength = ::SendMessageW(m_hWnd, LB_GETTEXTLEN, i, 0);
        wide.assign(nLength > 0 ? nLength + 1 : 1, L'\0');
        const LRESULT nGot =
            nLength > 0 ? ::SendMessageW(m_hWnd, LB_GETTEXT, i, (LPARAM)&wide[0]) : 0;
        const int nWide = (int)std::max<LRESULT>(std::min(nGot, nLength), 0);
        narrow.resize(nWide * 2 + 1);
        const int nNarrow = ::WideCharToMultiByte(CP_ACP, 0, wide.data(), nWide, &narrow[0],
                                                  (int)narrow.size(), nullptr, nullptr);
        texts.emplace_back(narrow.data(), nNarrow);
    }
    return texts;
}

void CListBox::AddStrings(const std::vector<CString>& texts) {
    std::wstring wide;
    for (const CString& strText : texts) {
        const int nNarrow = strText.GetLength();
        wide.resize(nNarrow + 1);
        const int nWide =
            ::MultiByteToWideChar(CP_ACP, 0, strText.c_str(), nNarrow, &wide[0], nNarrow);
        wide[nWide] = L'\0';
        ::SendMessageW(m_hWnd, LB_ADDSTRING, 0, (LPARAM)wide.c_str());
    }
}

std::vector<int> CListBox::GetSelItems(int nMax) const {
    std::vector<int> items(nMax > 0 ? nMax : 0);
    if (items.empty())
        return items;
    int n = (int)SendMessage(LB_GETSELITEMS, nMax, (LPARAM)items.data());
    items.resize(n > 0 ? n : 0);
    return items;
}

CRect CListBox::GetItemRect(int nIndex) const {
    CRect rc;
    SendMessage(LB_GETITEMRECT, nIndex, (LPARAM)&rc);
    return rc;
}
