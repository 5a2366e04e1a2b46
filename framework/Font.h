// CFont: an owned GDI font.
#pragma once
#include "framework/GdiObject.h"

class CDC;

class CFont : public CGdiObject {
public:
    bool CreateFontIndirect(const LOGFONTA* pLogFont) {
        return Attach(::CreateFontIndirectA(pLogFont));
    }
    // nPointSize in tenths of a point, scaled for pDC (the screen when null).
    bool CreatePointFont(int nPointSize, const char* pszFaceName, CDC* pDC = nullptr);
    // As CreatePointFont, with lfHeight in tenths of a point.
    bool CreatePointFontIndirect(const LOGFONTA* pLogFont, CDC* pDC = nullptr);
    operator HFONT() const { return (HFONT)m_hObject; }
    bool GetLogFont(LOGFONTA* pLogFont) const;
};
