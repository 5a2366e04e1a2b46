// CBrush: an owned GDI brush.
#pragma once
#include "framework/GdiObject.h"

class CBrush : public CGdiObject {
public:
    CBrush() = default;
    explicit CBrush(COLORREF cr) { CreateSolidBrush(cr); }
    bool CreateSolidBrush(COLORREF cr) { return Attach(::CreateSolidBrush(cr)); }
    bool CreateHatchBrush(int nIndex, COLORREF cr) {
        return Attach(::CreateHatchBrush(nIndex, cr));
    }
    operator HBRUSH() const { return (HBRUSH)m_hObject; }
};
