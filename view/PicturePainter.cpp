#include "view/PicturePainter.h"

#include "framework/Dc.h"
#include "image/Dib.h"

void CPicturePainter::DrawOnScreen(CDC& dc, CDib& dib, const CRect& rc) {
    dib.BuildHalftonePalette(dc);
    dib.ApplyPalette(dc, FALSE);
    if (Prepare(dc, dib, rc)) {
        HDC hMem = ::CreateCompatibleDC(dc);
        if (hMem) {
            HGDIOBJ hOld = ::SelectObject(hMem, m_hCopy);
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
    dib.Draw(dc, rc.left, rc.top, rc.Width(), rc.Height());
}

bool CPicturePainter::Prepare(HDC hDC, CDib& dib, const CRect& rc) {
    const CSize sizePicture = dib.GetSize();
    const int nBitsPixel = ::GetDeviceCaps(hDC, BITSPIXEL) * ::GetDeviceCaps(hDC, PLANES);
    // Only a picture shrunk on a true-colour device gains from the copy; a
    // palette device maps colours at each draw.
    const bool bWorth = rc.Width() > 0 && rc.Height() > 0 && nBitsPixel > 8 &&
                        !(::GetDeviceCaps(hDC, RASTERCAPS) & RC_PALETTE) &&
                        (double)rc.Width() * rc.Height() < (double)sizePicture.cx * sizePicture.cy;
    if (!bWorth) {
        Forget();
        return false;
    }
    if (m_hCopy && m_nSerial == dib.GetSerial() && m_size == rc.Size() &&
        m_nBitsPixel == nBitsPixel)
        return true;
    Forget();
    m_hCopy = ::CreateCompatibleBitmap(hDC, rc.Width(), rc.Height());
    HDC hMem = m_hCopy ? ::CreateCompatibleDC(hDC) : nullptr;
    if (!hMem) {
        Forget();
        return false;
    }
    HGDIOBJ hOld = ::SelectObject(hMem, m_hCopy);
    const bool bDrawn = dib.Draw(hMem, 0, 0, rc.Width(), rc.Height()) != FALSE;
    ::SelectObject(hMem, hOld);
    ::DeleteDC(hMem);
    if (!bDrawn) {
        Forget();
        return false;
    }
    m_size = rc.Size();
    m_nSerial = dib.GetSerial();
    m_nBitsPixel = nBitsPixel;
    return true;
}

void CPicturePainter::Forget() {
    if (m_hCopy)
        ::DeleteObject(m_hCopy);
    m_hCopy = nullptr;
    m_size = CSize();
    m_nSerial = 0;
    m_nBitsPixel = 0;
}
