#include "view/PicturePainter.h"

#include <cstdlib>

#include "framework/Dc.h"
#include "image/Dib.h"

namespace {
// The header of the printer copy: 24 bits a pixel, bottom-up.
BITMAPINFO TrueColourInfo(const CSize& size) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, size.cx, size.cy, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    return info;
}
} // namespace

void CPicturePainter::DrawOnScreen(CDC& dc, CDib& dib, const CRect& rc) {
    dib.BuildHalftonePalette(dc);
    dib.ApplyPalette(dc, FALSE);
    if (Prepare(m_screen, dc, dib, rc, false)) {
        HDC hMem = ::CreateCompatibleDC(dc);
        if (hMem) {
            HGDIOBJ hOld = ::SelectObject(hMem, m_screen.hBitmap);
            const BOOL bCopied =
                ::BitBlt(dc, rc.left, rc.top, rc.Width(), rc.Height(), hMem, 0, 0, SRCCOPY);
            ::SelectObject(hMem, hOld);
            ::DeleteDC(hMem);
            if (bCopied)
                return;
        }
    }
    dib.Draw(dc, rc.left, rc.top, rc.Width(), rc.Height());
}

void CPicturePainter::DrawOnPrinter(CDC& dc, CDib& dib, const CRect& rc) {
    dib.ApplyPalette(dc, FALSE);
    if (Prepare(m_printer, dc, dib, rc, true)) {
        const BITMAPINFO info = TrueColourInfo(m_printer.size);
        ::SetStretchBltMode(dc, COLORONCOLOR);
        const int nLines =
            ::StretchDIBits(dc, rc.left, rc.top, rc.Width(), rc.Height(), 0, 0, m_printer.size.cx,
                            m_printer.size.cy, m_printer.pBits, &info, DIB_RGB_COLORS, SRCCOPY);
        if (nLines != 0 && nLines != (int)GDI_ERROR)
            return;
    }
    dib.Draw(dc, rc.left, rc.top, rc.Width(), rc.Height());
}

CSize CPicturePainter::DeviceSize(HDC hDC, const CRect& rc) {
    POINT pts[2] = {{rc.left, rc.top}, {rc.right, rc.bottom}};
    ::LPtoDP(hDC, pts, 2);
    return CSize(std::abs(pts[1].x - pts[0].x), std::abs(pts[1].y - pts[0].y));
}

bool CPicturePainter::Prepare(CCopy& copy, HDC hDC, CDib& dib, const CRect& rc, bool bDib) {
    const CSize sizePicture = dib.GetSize();
    const CSize size = bDib ? DeviceSize(hDC, rc) : rc.Size();
    const int nBitsPixel = ::GetDeviceCaps(hDC, BITSPIXEL) * ::GetDeviceCaps(hDC, PLANES);
    // Only a shrunk picture gains from the copy. A device bitmap on a
    // palette device would map colours at each draw; a DIB copy keeps its own.
    const bool bWorth =
        size.cx > 0 && size.cy > 0 &&
        (bDib || (nBitsPixel > 8 && !(::GetDeviceCaps(hDC, RASTERCAPS) & RC_PALETTE))) &&
        (double)size.cx * size.cy < (double)sizePicture.cx * sizePicture.cy;
    if (!bWorth) {
        copy.Forget();
        return false;
    }
    if (copy.hBitmap && copy.nSerial == dib.GetSerial() && copy.size == size &&
        copy.nBitsPixel == nBitsPixel)
        return true;
    copy.Forget();
    HDC hMem = Make(copy, hDC, size, bDib) ? ::CreateCompatibleDC(bDib ? nullptr : hDC) : nullptr;
    if (!hMem) {
        copy.Forget();
        return false;
    }
    HGDIOBJ hOld = ::SelectObject(hMem, copy.hBitmap);
    const bool bDrawn = dib.Draw(hMem, 0, 0, size.cx, size.cy) != FALSE;
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    if (!bDrawn) {
        copy.Forget();
        return false;
    }
    copy.size = size;
    copy.nSerial = dib.GetSerial();
    copy.nBitsPixel = nBitsPixel;
    return true;
}

HBITMAP CPicturePainter::Make(CCopy& copy, HDC hDC, const CSize& size, bool bDib) {
    if (!bDib)
        return copy.hBitmap = ::CreateCompatibleBitmap(hDC, size.cx, size.cy);
    const BITMAPINFO info = TrueColourInfo(size);
    return copy.hBitmap =
               ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &copy.pBits, nullptr, 0);
}

void CPicturePainter::Forget() {
    m_screen.Forget();
    m_printer.Forget();
}

void CPicturePainter::CCopy::Forget() {
    if (hBitmap)
        ::DeleteObject(hBitmap);
    *this = CCopy();
}
