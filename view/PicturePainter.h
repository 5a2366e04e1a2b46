// CPicturePainter: draws the calendar's picture stretched into its
// rectangle, on screen and on the printer. On screen a picture larger than
// its rectangle is stretched once into a copy of the rectangle's size, which
// later paints copy pixel for pixel until the picture or its size changes.
#pragma once
#include <windows.h>

#include "framework/Rect.h"

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
    // The foreground palette and the whole picture; no halftone palette.
    static void DrawOnPrinter(CDC& dc, CDib& dib, const CRect& rc);
    // Lets go of the screen copy.
    void Forget();

private:
    // True when the copy holds dib at the size of rc for dc, making it if needed.
    bool Prepare(HDC hDC, CDib& dib, const CRect& rc);

    HBITMAP m_hCopy = nullptr;
    CSize m_size;
    unsigned m_nSerial = 0;
    int m_nBitsPixel = 0;
};
