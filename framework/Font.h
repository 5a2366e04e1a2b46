// CFont: an owned GDI font.
#pragma once
#include "framework/GdiObject.h"

class CFont : public CGdiObject {
public:
    bool CreateFontIndirect(const LOGFONTA* pLogFont) {
        return Attach(::CreateFontIndirectA(pLogFont));
    }
    operator HFONT() const { return (HFONT)m_hObject; }
};
