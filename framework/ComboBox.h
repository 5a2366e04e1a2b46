// CComboBox: a combo box; indexes are list positions, CB_ERR (-1) for none.
#pragma once
#include "framework/Wnd.h"

class CComboBox : public CWnd {
public:
    int AddString(const char* psz) { return (int)SendMessage(CB_ADDSTRING, 0, (LPARAM)psz); }
    int InsertString(int nIndex, const char* psz) {
        return (int)SendMessage(CB_INSERTSTRING, nIndex, (LPARAM)psz);
    }
    int DeleteString(int nIndex) { return (int)SendMessage(CB_DELETESTRING, nIndex); }
    void ResetContent() { SendMessage(CB_RESETCONTENT); }
    int GetCount() const { return (int)SendMessage(CB_GETCOUNT); }

    int GetCurSel() const { return (int)SendMessage(CB_GETCURSEL); }
    int SetCurSel(int nIndex) { return (int)SendMessage(CB_SETCURSEL, nIndex); }
    // Text of item nIndex; empty for an index out of range.
    CString GetLBText(int nIndex) const;

    int FindStringExact(int nStartAfter, const char* psz) const {
        return (int)SendMessage(CB_FINDSTRINGEXACT, nStartAfter, (LPARAM)psz);
    }
    // Selects the first item that starts with psz; its index or CB_ERR.
    int SelectString(int nStartAfter, const char* psz) {
        return (int)SendMessage(CB_SELECTSTRING, nStartAfter, (LPARAM)psz);
    }

    // Limits the text of the edit field.
    void LimitText(int nMax) { SendMessage(CB_LIMITTEXT, nMax); }
    void GetEditSel(int& nStart, int& nEnd) const;
    bool SetEditSel(int nStart, int nEnd) {
        return SendMessage(CB_SETEDITSEL, 0, MAKELPARAM(nStart, nEnd)) != CB_ERR;
    }
};
