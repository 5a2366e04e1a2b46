// CStatic: a static text, frame or icon control.
#pragma once
#include "framework/Wnd.h"

class CStatic : public CWnd {
public:
    // Returns the previous icon.
    HICON SetIcon(HICON hIcon) { return (HICON)SendMessage(STM_SETICON, (WPARAM)hIcon); }
    HICON GetIcon() const { return (HICON)SendMessage(STM_GETICON); }
    // Replaces the SS_ alignment bits (SS_LEFT, SS_CENTER, SS_RIGHT).
    void SetTextAlignment(UINT nAlign);
};
