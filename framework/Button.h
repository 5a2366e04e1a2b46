// CButton: a push button, check box or radio button.
#pragma once
#include "framework/Wnd.h"

class CButton : public CWnd {
public:
    // BST_UNCHECKED, BST_CHECKED or BST_INDETERMINATE.
    int GetCheck() const { return (int)SendMessage(BM_GETCHECK); }
    void SetCheck(int nCheck) { SendMessage(BM_SETCHECK, (WPARAM)nCheck); }
    // Clicks the button as the user would: BN_CLICKED reaches its parent.
    void Click() { SendMessage(BM_CLICK); }
};
