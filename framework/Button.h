// CButton: a push button, check box or radio button.
#pragma once
#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, (WPARAM)nCheck); }
    UINT GetState() const { return (UINT)SendMessage(BM_GETSTATE); }
    void SetState(bool bHighlight) { SendMessage(BM_SETSTATE, bHighlight); }
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, bool bRedraw = true) {
        SendMessage(BM_SETSTYLE, nStyle, bRedraw);
    }
    // Clicks the button as the user would: BN_CLICKED reaches its parent.
    void Click() { SendMessage(BM_CLICK); }
};
