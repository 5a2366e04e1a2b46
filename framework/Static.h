// CStatic: a static text control.
#pragma once
#include "framework/Wnd.h"

class CStatic : public CWnd {
public:
    // Replaces the SS_ alignment bits (SS_LEFT, SS_CENTER, SS_RIGHT).
    void SetTextAlignment(UINT nAlign);
};
