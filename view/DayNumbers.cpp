#include "view/DayNumbers.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "framework/Dc.h"
#include "view/MonthPanelLayout.h"
#include "view/NoteLines.h"

CDayNumbers::CDayNumbers() {
    m_sizes.fill(CSize(-1, -1));
}

HFONT CDayNumbers::Font(const LOGFONT& lf, int nHeight) {
    LOGFONT lfWanted = lf;
    lfWanted.lfHeight = nHeight;
    if (!m_font.GetSafeHandle() || memcmp(&lfWanted, &m_lf, sizeof m_lf) != 0) {
        m_font.DeleteObject();
        m_font.CreateFontIndirect(&lfWanted);
        m_lf = lfWanted;
        m_sizes.fill(CSize(-1, -1));
        m_digitState = kUnmeasured;
    }
    return m_font;
}

void CDayNumbers::DrawMonth(CDC& dc, const CMonthPanelLayout& panel, int nDays) {
    const bool bRows = CanDrawRows(dc);
    for (int nFirst = 1; nFirst <= nDays;) {
        const CRect rcFirst = panel.DayCell(nFirst);
        int nLast = nFirst;
        for (; nLast < nDays; ++nLast) {
            const CRect rcNext = panel.DayCell(nLast + 1);
            if (rcNext.top != rcFirst.top || rcNext.bottom != rcFirst.bottom)
                break;
        }
        if (!bRows || !DrawRow(dc, panel, nFirst, nLast))
            for (int d = nFirst; d <= nLast; ++d) {
                const CRect rcCell = panel.DayCell(d);
                const Placed placed = Place(dc, d, rcCell);
                ::ExtTextOutA(dc, placed.pt.x, placed.pt.y, ETO_CLIPPED, rcCell, placed.szText,
                              placed.nLength, nullptr);
            }
        nFirst = nLast + 1;
    }
}

const CSize& CDayNumbers::SizeOf(CDC& dc, int nDay, const char* pszDay, int nLength) {
    CSize& size = m_sizes[std::clamp(nDay, 0, (int)m_sizes.size() - 1)];
    if (size.cx < 0)
        size = dc.GetTextExtent(pszDay, nLength);
    return size;
}

CDayNumbers::Placed CDayNumbers::Place(CDC& dc, int nDay, const CRect& rcCell) {
    Placed placed;
    placed.nLength = snprintf(placed.szText, sizeof placed.szText, "%d", nDay);
    const CSize& size = SizeOf(dc, nDay, placed.szText, placed.nLength);
    // DrawText's own arithmetic, halves rounded towards zero.
    placed.pt.x = (rcCell.left + rcCell.right - size.cx) / 2;
    placed.pt.y = rcCell.top + rcCell.Height() / 2 - size.cy / 2;
    return placed;
}

// One call for a row places each glyph by its advance: the same pixels as a
// call per number while nothing is clipped, no background is filled, the
// text runs level and the DC adds nothing between characters.
bool CDayNumbers::CanDrawRows(CDC& dc) {
    return dc.GetBkMode() == TRANSPARENT && m_lf.lfEscapement == 0 && m_lf.lfOrientation == 0 &&
           CNoteLines::IsPlain(dc) && MeasureDigits(dc);
}

bool CDayNumbers::MeasureDigits(CDC& dc) {
    if (m_digitState == kUnmeasured) {
        m_digitState = kUnmeasurable;
        TEXTMETRICA tm;
        if (!::GetTextMetricsA(dc, &tm))
            return false;
        const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        for (int i = 0; i < 10; ++i) {
            GLYPHMETRICS gm;
            INT nWidth = 0;
            if (::GetGlyphOutlineA(dc, '0' + i, GGO_METRICS, &gm, 0, nullptr, &identity) ==
                    GDI_ERROR ||
                !::GetCharWidth32A(dc, '0' + i, '0' + i, &nWidth))
                return false;
            m_digits[i].nAdvance = nWidth;
            const int nTop = tm.tmAscent - gm.gmptGlyphOrigin.y;
            m_digits[i].rcInk =
                CRect(gm.gmptGlyphOrigin.x, nTop, gm.gmptGlyphOrigin.x + (int)gm.gmBlackBoxX,
                      nTop + (int)gm.gmBlackBoxY);
        }
        m_digitState = kMeasured;
    }
    return m_digitState == kMeasured;
}

// Ink a pixel clear of its cell's edges, so that smoothing stays inside too.
bool CDayNumbers::InkInside(const Placed& placed, const CRect& rcCell) const {
    CRect rcInside = rcCell;
    rcInside.DeflateRect(1, 1);
    int x = placed.pt.x;
    for (int i = 0; i < placed.nLength; ++i) {
        const Digit& digit = m_digits[placed.szText[i] - '0'];
        CRect rcInk = digit.rcInk;
        rcInk.OffsetRect(x, placed.pt.y);
        if (!rcInk.IsRectEmpty() && (rcInk.left < rcInside.left || rcInk.right > rcInside.right ||
                                     rcInk.top < rcInside.top || rcInk.bottom > rcInside.bottom))
            return false;
        x += digit.nAdvance;
    }
    return true;
}

bool CDayNumbers::DrawRow(CDC& dc, const CMonthPanelLayout& panel, int nFirst, int nLast) {
    std::string strText;
    std::vector<INT> dx;
    CPoint ptStart;
    int xPen = 0; // where the glyphs so far leave the pen
    for (int d = nFirst; d <= nLast; ++d) {
        const CRect rcCell = panel.DayCell(d);
        const Placed placed = Place(dc, d, rcCell);
        if (!InkInside(placed, rcCell))
            return false;
        // The cells of a row share their top and height, so the numbers their y.
        if (d == nFirst)
            ptStart = placed.pt;
        else // the previous number's last glyph advances to this number
            dx.back() += placed.pt.x - xPen;
        xPen = placed.pt.x;
        for (int i = 0; i < placed.nLength; ++i) {
            dx.push_back(m_digits[placed.szText[i] - '0'].nAdvance);
            xPen += dx.back();
        }
        if (xPen - placed.pt.x != SizeOf(dc, d, placed.szText, placed.nLength).cx)
            return false;
        strText.append(placed.szText, placed.nLength);
    }
    return ::ExtTextOutA(dc, ptStart.x, ptStart.y, 0, nullptr, strText.data(), (UINT)strText.size(),
                         dx.data()) != FALSE;
}
