// CListBox: a list box; indexes are list positions, LB_ERR (-1) for none.
#pragma once
#include <vector>
#include "framework/Wnd.h"

class CListBox : public CWnd {
public:
    int AddString(const char* psz) { return (int)SendMessage(LB_ADDSTRING, 0, (LPARAM)psz); }
    int InsertString(int nIndex, const char* psz) {
        return (int)SendMessage(LB_INSERTSTRING, nIndex, (LPARAM)psz);
    }
    int DeleteString(int nIndex) { return (int)SendMessage(LB_DELETESTRING, nIndex); }
    void ResetContent() { SendMessage(LB_RESETCONTENT); }
    int GetCount() const { return (int)SendMessage(LB_GETCOUNT); }
    // Text of item nIndex; empty for an index out of range.
    CString GetText(int nIndex) const;
    // Every item's text, in list order.
    std::vector<CString> GetTexts() const;
    // Appends the texts at the end, in their order.
    void AddStrings(const std::vector<CString>& texts);

    // Single-selection lists.
    int GetCurSel() const { return (int)SendMessage(LB_GETCURSEL); }
    int SetCurSel(int nIndex) { return (int)SendMessage(LB_SETCURSEL, nIndex); }
    // Multiple-selection lists; nIndex -1 selects or clears every item.
    bool GetSel(int nIndex) const { return SendMessage(LB_GETSEL, nIndex) > 0; }
    int SetSel(int nIndex, bool bSelect = true) {
        return (int)SendMessage(LB_SETSEL, bSelect, nIndex);
    }
    int GetSelCount() const { return (int)SendMessage(LB_GETSELCOUNT); }
    // Indexes of the selected items, at most nMax of them.
    std::vector<int> GetSelItems(int nMax) const;
    int GetCaretIndex() const { return (int)SendMessage(LB_GETCARETINDEX); }

    // Whole-item match, case-insensitive.
    int FindStringExact(int nStartAfter, const char* psz) const {
        return (int)SendMessage(LB_FINDSTRINGEXACT, nStartAfter, (LPARAM)psz);
    }
    int SelectString(int nStartAfter, const char* psz) {
        return (int)SendMessage(LB_SELECTSTRING, nStartAfter, (LPARAM)psz);
    }

    int GetTopIndex() const { return (int)SendMessage(LB_GETTOPINDEX); }
    int SetTopIndex(int nIndex) { return (int)SendMessage(LB_SETTOPINDEX, nIndex); }
    // Tab stops in dialog template units.
    bool SetTabStops(int nCount, const int* pTabStops) {
        return SendMessage(LB_SETTABSTOPS, nCount, (LPARAM)pTabStops) != 0;
    }
    bool SetTabStops(int nTabStop) { return SetTabStops(1, &nTabStop); }
    int GetHorizontalExtent() const { return (int)SendMessage(LB_GETHORIZONTALEXTENT); }
    void SetHorizontalExtent(int cxExtent) { SendMessage(LB_SETHORIZONTALEXTENT, cxExtent); }

    CRect GetItemRect(int nIndex) const;
};
