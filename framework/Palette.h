// CPalette: an owned logical palette.
#pragma once
#include "framework/GdiObject.h"

class CDC;

class CPalette : public CGdiObject {
public:
    bool CreatePalette(const LOGPALETTE* pLogPalette) {
        return Attach(::CreatePalette(pLogPalette));
    }
    // A halftone palette for pDC (the screen when null).
    bool CreateHalftonePalette(CDC* pDC);
    operator HPALETTE() const { return (HPALETTE)m_hObject; }
    UINT GetPaletteEntries(UINT nStart, UINT nCount, PALETTEENTRY* pEntries) const {
        return m_hObject ? ::GetPaletteEntries((HPALETTE)m_hObject, nStart, nCount, pEntries) : 0;
    }
};
