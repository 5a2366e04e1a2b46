#include "framework/Palette.h"

#include "framework/Dc.h"

bool CPalette::CreateHalftonePalette(CDC* pDC) {
    HDC hDC = pDC && pDC->GetSafeHdc() ? pDC->GetSafeHdc() : ::GetDC(nullptr);
    HPALETTE hPalette = ::CreateHalftonePalette(hDC);
    if (!(pDC && pDC->GetSafeHdc()))
        ::ReleaseDC(nullptr, hDC);
    return Attach(hPalette);
}
