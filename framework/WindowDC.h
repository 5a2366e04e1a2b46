// CWindowDC: the DC of a whole window, frame included.
#pragma once
#include "framework/Dc.h"

class CWnd;

class CWindowDC : public CDC {
public:
    explicit CWindowDC(CWnd* pWnd);
    ~CWindowDC() override;

private:
    HWND m_hWnd;
};
