#include "view/PrinterMetrics.h"

#include "view/DeviceUnits.h"

#include <algorithm>
#include <cstdint>

namespace {

// The far limit of the printable area as a fraction of the paper size. Without a paper size the
// whole sheet counts as printable; metrics that would put the far limit before the middle of the
// sheet leave an empty area in the middle rather than an inverted one.
double FarLimit(int nPhys, int nOffset, int nPrintable) {
    if (nPhys <= 0)
        return 1.0;
    const int64_t nFar =
        std::min<int64_t>(int64_t(nOffset) + nPrintable, int64_t(nPhys) - nOffset - 10);
    return std::clamp(double(nFar) / nPhys, 0.5, 1.0);
}

// The smallest coordinate at which printing may start, in printable-origin units.
int NearLimit(int nPhys, int nOffset, int nPrintable) {
    const int64_t nNear = int64_t(nPhys) - 2 * int64_t(nOffset) - nPrintable;
    return int(std::clamp<int64_t>(nNear, 0, kMaxDeviceUnits));
}

} // namespace

CPageFractions CPrinterMetrics::Printable() const {
    const double xR = FarLimit(m_physWidth, m_offsetX, m_printWidth);
    const double yB = FarLimit(m_physHeight, m_offsetY, m_printHeight);
    return CPageFractions(1.0 - xR, 1.0 - yB, xR, yB);
}

CRect CPrinterMetrics::PrinterRect(double dLeft, double dTop, double dRight, double dBottom) const {
    const double X = m_physWidth, Y = m_physHeight;
    CRect rc(std::max(TruncUnits(X * dLeft - m_offsetX),
                      NearLimit(m_physWidth, m_offsetX, m_printWidth)),
             std::max(TruncUnits(Y * dTop - m_offsetY),
                      NearLimit(m_physHeight, m_offsetY, m_printHeight)),
             std::min(TruncUnits(X * dRight - m_offsetX), m_printWidth),
             std::min(TruncUnits(Y * dBottom - m_offsetY), m_printHeight));
    // Fractions lying wholly outside the printable area would give an inverted rectangle.
    if (rc.right < rc.left)
        rc.right = rc.left;
    if (rc.bottom < rc.top)
        rc.bottom = rc.top;
    return rc;
}
