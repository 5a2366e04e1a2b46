// CLookLimits: a text element's weight and italic flag as a file may hold
// them, brought to values every font accepts (the ranges of the settings
// keys "<element> Weight" and "<element> Italic").
#pragma once
#include "framework/WinTypes.h"

class CLookLimits {
public:
    // 0 (the face's own) to 1000 (heaviest).
    static int Weight(int nWeight);
    // 0 or 1.
    static BYTE Italic(unsigned nItalic);
};
