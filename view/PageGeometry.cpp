#include "view/PageGeometry.h"

#include "view/DeviceUnits.h"
#include "view/ImagePlacement.h"

#include <algorithm>

namespace {

// The grey surround reaches at least this far, further when the window is larger.
const int kSurroundExtent = 2000;

// Without a printer the sheet is shown with the proportions of a Letter page.
const double kLetterShort = 8.5;
const double kLetterLong = 11.0;

} // namespace

CPageGeometry::CPageGeometry(const CPrinterMetrics& metrics, bool bLandscape, int nClientWidth,
                             int nClientHeight)
    : m_printable(metrics.Printable()), m_bLandscape(bLandscape),
      m_nClientWidth(std::max(nClientWidth, 0)), m_nClientHeight(std::max(nClientHeight, 0)) {
    double dPhysWidth = metrics.m_physWidth;
    double dPhysHeight = metrics.m_physHeight;
    if (!metrics.HasPaper()) {
        dPhysWidth = bLandscape ? kLetterLong : kLetterShort;
        dPhysHeight = bLandscape ? kLetterShort : kLetterLong;
    }
    if (bLandscape) {
        m_pageWidth = m_nClientWidth;
        m_pageHeight = m_pageWidth * dPhysHeight / dPhysWidth;
    } else {
        m_pageHeight = m_nClientHeight;
        m_pageWidth = m_pageHeight * dPhysWidth / dPhysHeight;
    }
}

CRect CPageGeometry::PaperRect() const {
    return CRect(0, 0, TruncUnits(m_pageWidth), TruncUnits(m_pageHeight));
}

CRect CPageGeometry::GreyRect() const {
    if (m_bLandscape)
        return CRect(0, TruncUnits(m_pageHeight), TruncUnits(m_pageWidth),
                     std::max(kSurroundExtent, m_nClientHeight));
    return CRect(TruncUnits(m_pageWidth), 0, std::max(kSurroundExtent, m_nClientWidth),
                 TruncUnits(m_pageHeight));
}

CRect CPageGeometry::PrintableRect() const {
    return ScreenRect(m_printable.m_dLeft, m_printable.m_dTop, m_printable.m_dRight,
                      m_printable.m_dBottom);
}

std::array<CRect, 4> CPageGeometry::MarginBands() const {
    const CRect paper = PaperRect();
    const CRect printable = PrintableRect();
    return {CRect(0, 0, m_bLandscape ? paper.right : printable.right, printable.top),
            CRect(0, 0, printable.left, paper.bottom),
            CRect(printable.right, 0, paper.right, paper.bottom),
            CRect(0, printable.bottom, paper.right, paper.bottom)};
}

CCalendarBox CPageGeometry::CalendarBox(double dLeft, double dTop, double dRight,
                                        double dBottom) const {
    const double W = m_pageWidth, H = m_pageHeight;
    return CCalendarBox::OnScreen(TruncUnits(dLeft * W), TruncUnits(dTop * H),
                                  TruncUnits(dRight * W - dLeft * W), (dBottom - dTop) * H);
}

CRect CPageGeometry::ScreenRect(double dLeft, double dTop, double dRight, double dBottom) const {
    return CImagePlacement::ScreenRect(dLeft, dTop, dRight, dBottom, m_pageWidth, m_pageHeight);
}

bool CPageGeometry::ToFractions(const RECT& rc, double& dLeft, double& dTop, double& dRight,
                                double& dBottom) const {
    return CImagePlacement::WriteFractions(rc, CImagePlacement::edgesAll, m_pageWidth,
                                           m_pageHeight, dLeft, dTop, dRight, dBottom);
}
