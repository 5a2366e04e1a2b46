// CLookLimits: a text element's weight, italic flag and colour as the
// settings file may hold them, brought to values every font and text
// colour accepts.
#pragma once
#include "framework/WinTypes.h"

class CLookLimits {
public:
    // 0 (the face's own) to 1000 (heaviest).
    static int Weight(int nWeight);
    // 0 or 1.
    static BYTE Italic(unsigned nItalic);
    // 0x00BBGGRR; anything else (palette indexes, CLR_INVALID) is black.
    static COLORREF Color(unsigned nColor);
};
