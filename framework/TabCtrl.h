// CTabCtrl: the common-controls tab control.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include "framework/Wnd.h"

class CTabCtrl : public CWnd {
public:
    // Index of the new tab, or -1.
    int InsertItem(int nItem, const char* pszText);

    int GetCurSel() const { return (int)SendMessage(TCM_GETCURSEL); }
    // Selects without notifying the parent; returns the previous selection.
    int SetCurSel(int nItem) { return (int)SendMessage(TCM_SETCURSEL, nItem); }

    // Width and height of fixed-width tabs; returns the previous size.
    CSize SetItemSize(const SIZE& size);
    CRect GetItemRect(int nItem) const;
    // bLarger false: the display area of a window rectangle; true: the
    // window rectangle of a display area.
    void AdjustRect(bool bLarger, RECT* pRect) const {
        SendMessage(TCM_ADJUSTRECT, bLarger, (LPARAM)pRect);
    }
    // Tab under a point in client coordinates, or -1.
    int HitTest(const POINT& pt) const;
};
