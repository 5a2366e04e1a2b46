#include "framework/ListBox.h"

CString CListBox::GetText(int nIndex) const {
    return GetItemText(LB_GETTEXTLEN, LB_GETTEXT, nIndex);
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
