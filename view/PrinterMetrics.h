// The printer's page in device units, as read from its device context.
#pragma once
#include "framework/Rect.h"
#include "view/PageFractions.h"

class CPrinterMetrics {
public:
    // False without a printer: the physical page size is then unknown (zero).
    bool HasPaper() const { return m_physWidth > 0 && m_physHeight > 0; }

    // The printable part of the paper, taken as having equal margins on opposite sides.
    CPageFractions Printable() const;

    // A rectangle of page fractions in printer device units, relative to the printable origin
    // and clamped to the printable area. Used for the calendar and for the picture.
    CRect PrinterRect(double dLeft, double dTop, double dRight, double dBottom) const;

    int m_physWidth = 0;   // PHYSICALWIDTH
    int m_physHeight = 0;  // PHYSICALHEIGHT
    int m_offsetX = 0;     // PHYSICALOFFSETX
    int m_offsetY = 0;     // PHYSICALOFFSETY
    int m_printWidth = 0;  // HORZRES - 10
    int m_printHeight = 0; // VERTRES - 10
};
