// CClientDC: the DC of a window's client area, released with the object.
#pragma once
#include "framework/Dc.h"

class CWnd;

class CClientDC : public CDC {
public:
    // A null window gives the screen's DC.
    explicit CClientDC(CWnd* pWnd);
    ~CClientDC() override;

private:
    HWND m_hWnd;
};
