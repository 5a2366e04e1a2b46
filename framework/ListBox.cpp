#include "framework/ListBox.h"

#include <algorithm>

CString CListBox::GetText(int nIndex) const {
    return GetItemText(LB_GETTEXTLEN, LB_GETTEXT, nIndex);
}

// Read through the wide messages, as one item is: an ANSI message about a
// text has it converted each time and its length found by converting it once
// more, which counts for lists of thousands of lines.
std::vector<CString> CListBox::GetTexts() const {
    const int nCount = std::max(GetCount(), 0);
    std::vector<CString> texts;
    texts.reserve(nCount);
    for (int i = 0; i < nCount; ++i)
        texts.push_back(GetText(i));
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
