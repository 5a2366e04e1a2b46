// CPen: an owned GDI pen.
#pragma once
#include "framework/GdiObject.h"

class CPen : public CGdiObject {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF cr) { CreatePen(nPenStyle, nWidth, cr); }
    bool CreatePen(int nPenStyle, int nWidth, COLORREF cr);
    operator HPEN() const { return (HPEN)m_hObject; }
};
