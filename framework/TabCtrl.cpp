#include "framework/TabCtrl.h"

int CTabCtrl::InsertItem(int nItem, const char* pszText) {
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(pszText);
    return (int)SendMessage(TCM_INSERTITEMA, nItem, (LPARAM)&item);
}

CSize CTabCtrl::SetItemSize(const SIZE& size) {
    DWORD dw = (DWORD)SendMessage(TCM_SETITEMSIZE, 0, MAKELPARAM(size.cx, size.cy));
    return CSize(LOWORD(dw), HIWORD(dw));
}

CRect CTabCtrl::GetItemRect(int nItem) const {
    CRect rc;
    SendMessage(TCM_GETITEMRECT, nItem, (LPARAM)&rc);
    return rc;
}

int CTabCtrl::HitTest(const POINT& pt) const {
    TCHITTESTINFO info = {};
    info.pt = pt;
    return (int)SendMessage(TCM_HITTEST, 0, (LPARAM)&info);
}
