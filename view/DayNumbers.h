// CDayNumbers: the day numbers of the small month panels, centred in their
// cells exactly where DrawText centres a single line (DT_CENTER |
// DT_VCENTER | DT_SINGLELINE) and clipped to them as it clips, at a fraction
// of its cost: a year page draws some 365 of them, and a see-through year
// page draws them on every paint. The font is made once for all the panels
// of a paint that share its height and each number is measured once per
// font. Text without background whose ink keeps inside its cells is drawn
// a week row at a time; anything else a number at a time.
#pragma once
#include <windows.h>

#include <array>

#include "framework/Font.h"
#include "framework/Rect.h"
#include "framework/Size.h"

class CDC;
class CMonthPanelLayout;

class CDayNumbers {
public:
    CDayNumbers();

    // The font lf at the cell height nHeight (above 0), to select before drawing.
    HFONT Font(const LOGFONT& lf, int nHeight);
    // Days 1 to nDays in their cells of panel, in the font Font last gave.
    void DrawMonth(CDC& dc, const CMonthPanelLayout& panel, int nDays);

private:
    // A digit's advance and its ink around the pen, 0 at the top of the line.
    struct Digit {
        int nAdvance = 0;
        CRect rcInk;
    };
    struct Placed {
        char szText[4];
        int nLength;
        CPoint pt;
    };

    const CSize& SizeOf(CDC& dc, int nDay, const char* pszDay, int nLength);
    Placed Place(CDC& dc, int nDay, const CRect& rcCell);
    // Days nFirst to nLast share a row of cells; false leaves them undrawn.
    bool DrawRow(CDC& dc, const CMonthPanelLayout& panel, int nFirst, int nLast);
    bool CanDrawRows(CDC& dc);
    bool MeasureDigits(CDC& dc);
    bool InkInside(const Placed& placed, const CRect& rcCell) const;

    CFont m_font;
    LOGFONT m_lf = {};
    std::array<CSize, 32> m_sizes; // cx < 0: not measured in this font yet
    std::array<Digit, 10> m_digits;
    enum { kUnmeasured, kMeasured, kUnmeasurable } m_digitState = kUnmeasured;
};
