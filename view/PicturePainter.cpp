#include "view/PicturePainter.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/Dc.h"
#include "image/Dib.h"
#include "image/DibFormat.h"
#include "image/PostScriptImage.h"

namespace {
// How much a passthrough escape carries at a time: its count is a WORD.
const size_t kPassChunk = 60000;

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
        if (SendPostScript(dc, rc))
            return;
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

void CPicturePainter::EndJob() {
    m_printer.postScript.Clear();
}

// Only PostScript drivers know their own passthrough escape; others may
// take passthrough data in their printer's language. Passed-through code
// knows nothing of a clipping region, so a page that has one draws as usual.
bool CPicturePainter::SendPostScript(HDC hDC, const CRect& rc) {
    int nEscape = POSTSCRIPT_PASSTHROUGH;
    if (::ExtEscape(hDC, QUERYESCSUPPORT, sizeof nEscape, (LPCSTR)&nEscape, 0, nullptr) <= 0 ||
        HasClipping(hDC))
        return false;
    CPostScriptImage& image = m_printer.postScript;
    if (image.IsEmpty()) {
        const CSize size = m_printer.size;
        image.Encode(static_cast<const uint8_t*>(m_printer.pBits), size.cx, size.cy,
                     CDibFormat::RowBytes24((DWORD)size.cx));
    }
    const CRect rcDevice = DeviceRect(hDC, rc);
    // A driver that refuses the start has been sent nothing: the picture
    // is then drawn as usual. Once it has the start, the rest follows.
    if (!PassThrough(hDC,
                     image.Head(rcDevice.left, rcDevice.top, rcDevice.Width(), rcDevice.Height())))
        return false;
    PassThrough(hDC, image.Body());
    return true;
}

bool CPicturePainter::PassThrough(HDC hDC, const std::string& strText) {
    std::vector<char> chunk(sizeof(WORD) + kPassChunk);
    for (size_t i = 0; i < strText.size(); i += kPassChunk) {
        const WORD nSize = (WORD)std::min(kPassChunk, strText.size() - i);
        memcpy(chunk.data(), &nSize, sizeof nSize);
        memcpy(chunk.data() + sizeof nSize, strText.data() + i, nSize);
        if (::ExtEscape(hDC, PASSTHROUGH, (int)(sizeof nSize + nSize), chunk.data(), 0, nullptr) <=
            0)
            return false;
    }
    return true;
}

bool CPicturePainter::HasClipping(HDC hDC) {
    HRGN hRegion = ::CreateRectRgn(0, 0, 0, 0);
    const bool bClipped = hRegion && ::GetClipRgn(hDC, hRegion) != 0;
    if (hRegion)
        ::DeleteObject(hRegion);
    return bClipped;
}

CRect CPicturePainter::DeviceRect(HDC hDC, const CRect& rc) {
    POINT pts[2] = {{rc.left, rc.top}, {rc.right, rc.bottom}};
    ::LPtoDP(hDC, pts, 2);
    return CRect(std::min(pts[0].x, pts[1].x), std::min(pts[0].y, pts[1].y),
                 std::max(pts[0].x, pts[1].x), std::max(pts[0].y, pts[1].y));
}

bool CPicturePainter::Prepare(CCopy& copy, HDC hDC, CDib& dib, const CRect& rc, bool bDib) {
    const CSize sizePicture = dib.GetSize();
    const CSize size = bDib ? DeviceRect(hDC, rc).Size() : rc.Size();
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
    const bool bDrawn = Shrink(hMem, dib, size, bDib);
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

// The system converts a picture of another format than the copy's whole
// before it stretches it: for a 24-bit photograph on a 32-bit screen that is
// a third more than the picture itself. So it is stretched first in its own
// format into a DIB of the copy's size, which is then converted.
bool CPicturePainter::Shrink(HDC hMem, CDib& dib, const CSize& size, bool bDib) {
    const BITMAPINFOHEADER header = CDibFormat::LoadInfoHeader(dib.m_pHeader);
    if (bDib && header.biBitCount == 24)
        return dib.Draw(hMem, 0, 0, size.cx, size.cy) != FALSE;
    const size_t nInfo = CDibFormat::kInfoHeaderSize + 4 * (size_t)dib.m_nColors;
    std::vector<BYTE> info(nInfo);
    memcpy(info.data(), dib.m_pHeader, nInfo);
    BITMAPINFOHEADER own = header;
    own.biWidth = size.cx;
    own.biHeight = size.cy;
    own.biSizeImage = 0;
    memcpy(info.data(), &own, sizeof own);
    void* pBits = nullptr;
    HBITMAP hOwn = ::CreateDIBSection(nullptr, (const BITMAPINFO*)info.data(), DIB_RGB_COLORS,
                                      &pBits, nullptr, 0);
    HDC hOwnDC = hOwn ? ::CreateCompatibleDC(nullptr) : nullptr;
    bool bDrawn = false;
    if (hOwnDC) {
        HGDIOBJ hOld = ::SelectObject(hOwnDC, hOwn);
        bDrawn = dib.Draw(hOwnDC, 0, 0, size.cx, size.cy) &&
                 ::BitBlt(hMem, 0, 0, size.cx, size.cy, hOwnDC, 0, 0, SRCCOPY);
        ::SelectObject(hOwnDC, hOld);
        ::DeleteDC(hOwnDC);
    }
    if (hOwn)
        ::DeleteObject(hOwn);
    return bDrawn;
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
