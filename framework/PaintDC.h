// CPaintDC: BeginPaint and EndPaint of a window's WM_PAINT.
#pragma once
#include "framework/Dc.h"

class CWnd;

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps = {};

private:
    HWND m_hWnd;
};
