#include "app/LookLimits.h"

#include <algorithm>

namespace {
const int kHeaviest = 1000;
const COLORREF kRgbMask = 0x00FFFFFF;
} // namespace

int CLookLimits::Weight(int nWeight) {
    return std::clamp(nWeight, 0, kHeaviest);
}

BYTE CLookLimits::Italic(unsigned nItalic) {
    return nItalic != 0 ? 1 : 0;
}

COLORREF CLookLimits::Color(unsigned nColor) {
    return (nColor & ~kRgbMask) == 0 ? nColor : 0;
}
