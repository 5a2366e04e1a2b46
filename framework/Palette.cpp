#include "framework/Palette.h"

#include "framework/Dc.h"

bool CPalette::CreateHalftonePalette(CDC* pDC) {
    HDC hDC = pDC && pDC->GetSafeHdc() ? pDC->GetSafeHdc() : ::GetDC(nullptr);
    HPALETTE hPalette = ::CreateHalftonePalette(hDC);
    if (!(pDC && pDC->GetSafeHdc()))
        ::ReleaseDC(nullptr, hDC);
    return Attach(hPalette);
}

int CPalette::GetEntryCount() const {
    WORD nEntries = 0;
    if (!m_hObject || ::GetObjectA(m_hObject, sizeof nEntries, &nEntries) == 0)
        return 0;
    return nEntries;
}
