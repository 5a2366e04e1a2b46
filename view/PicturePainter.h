// CPicturePainter: draws the calendar's picture stretched into its
// rectangle, on screen and on the printer. A picture larger than its
// rectangle is stretched once into a copy of the rectangle's size in device
// pixels, which later draws pixel for pixel until the picture or its size
// changes: on screen a device bitmap, for the printer a 24-bit DIB so the
// driver gets the page's pixels instead of the whole picture's. A PostScript
// printer is sent that copy encoded once for all the pages of a job.
#pragma once
#include <windows.h>

#include <string>

#include "framework/Rect.h"
#include "image/PostScriptImage.h"

class CDC;
class CDib;

class CPicturePainter {
public:
    CPicturePainter() = default;
    CPicturePainter(const CPicturePainter&) = delete;
    CPicturePainter& operator=(const CPicturePainter&) = delete;
    ~CPicturePainter() { Forget(); }

    // Halftone palette for a picture without colour table, realised as the
    // foreground palette, then the picture.
    void DrawOnScreen(CDC& dc, CDib& dib, const CRect& rc);
    // The foreground palette and the picture, from the copy when it is
    // larger than rc in device pixels; no halftone palette.
    void DrawOnPrinter(CDC& dc, CDib& dib, const CRect& rc);
    // Lets go of both copies.
    void Forget();
    // Lets go of what only the pages of one print job share.
    void EndJob();
    // The printer copy's bitmap, or null when there is none (for tests).
    HBITMAP PrinterCopy() const { return m_printer.hBitmap; }

private:
    struct CCopy {
        HBITMAP hBitmap = nullptr;
        void* pBits = nullptr; // the pixels of a DIB copy
        CSize size;
        unsigned nSerial = 0;
        int nBitsPixel = 0;
        CPostScriptImage postScript; // the printer copy for PostScript drivers
        void Forget();
    };
    // True when copy holds dib at the device size of rc, making it if needed.
    static bool Prepare(CCopy& copy, HDC hDC, CDib& dib, const CRect& rc, bool bDib);
    static HBITMAP Make(CCopy& copy, HDC hDC, const CSize& size, bool bDib);
    // Draws the whole picture into the copy selected into hMem.
    static bool Shrink(HDC hMem, CDib& dib, const CSize& size, bool bDib);
    // Sends a PostScript printer the printer copy through the driver's
    // passthrough; false when the driver is not PostScript or refuses it.
    bool SendPostScript(HDC hDC, const CRect& rc);
    static bool PassThrough(HDC hDC, const std::string& strText);
    static bool HasClipping(HDC hDC);
    static CRect DeviceRect(HDC hDC, const CRect& rc);

    CCopy m_screen;
    CCopy m_printer;
};
