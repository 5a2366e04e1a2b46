// The printer's sheet as shown in the view: fitted into the client area, with its printable
// part, the unprintable bands and the grey surround, all in screen pixels.
#pragma once
#include "framework/Rect.h"
#include "view/CalendarBox.h"
#include "view/PageFractions.h"
#include "view/PrinterMetrics.h"

#include <array>

class CPageGeometry {
public:
    CPageGeometry() = default;
    // Landscape fills the client width, portrait the client height.
    CPageGeometry(const CPrinterMetrics& metrics, bool bLandscape, int nClientWidth,
                  int nClientHeight);

    double PageWidth() const { return m_pageWidth; }
    double PageHeight() const { return m_pageHeight; }
    const CPageFractions& Printable() const { return m_printable; }

    CRect PaperRect() const;
    // The light-grey fill beside (portrait) or below (landscape) the paper.
    CRect GreyRect() const;
    // The printable part of the paper (the application's m_rectPrintable).
    CRect PrintableRect() const;
    // The yellow unprintable bands in painting order: top, left, right, bottom.
    std::array<CRect, 4> MarginBands() const;

    // The calendar block from its page fractions.
    CCalendarBox CalendarBox(double dLeft, double dTop, double dRight, double dBottom) const;
    // Any other rectangle from page fractions, each edge truncated on its own (the picture).
    CRect ScreenRect(double dLeft, double dTop, double dRight, double dBottom) const;
    // Back from screen pixels to page fractions after a drag. False, leaving the fractions as
    // they are, while the page has no size (a minimised window).
    bool ToFractions(const RECT& rc, double& dLeft, double& dTop, double& dRight,
                     double& dBottom) const;

private:
    double m_pageWidth = 0.0;
    double m_pageHeight = 0.0;
    CPageFractions m_printable;
    bool m_bLandscape = false;
    int m_nClientWidth = 0;
    int m_nClientHeight = 0;
};
