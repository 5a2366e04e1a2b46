#include "view/MonthLayout.h"

#include "view/DeviceUnits.h"

#include <algorithm>

CMonthLayout::CMonthLayout(const CCalendarBox& box, bool bLargeTitle, const CWeekLayout& weeks,
                           bool bWeekNumbers)
    : m_weeks(weeks), m_bWeekNumbers(bWeekNumbers) {
    m_nNameHeight = box.NameRowHeight();
    m_nTitleHeight = box.TitleHeight(bLargeTitle);
    m_nGridHeight = box.HeightBelow(m_nNameHeight + m_nTitleHeight);
    m_nColumnWidth = box.Width() / kColumns;
    m_nRowHeight = m_nGridHeight / kRows;

    const int left = box.Left(), top = box.Top(), right = box.Right();
    const int nameTop = top + m_nTitleHeight;
    const int gridTop = nameTop + m_nNameHeight;
    const int gridBottom = gridTop + m_nGridHeight;
    m_rcFrame.SetRect(left, top, right, gridBottom);
    m_rcTitle.SetRect(left, top, right, nameTop);

    // Neighbouring cells overlap by one unit so that they share their border line.
    for (int c = 0; c < kColumns; c++) {
        const int x = left + c * m_nColumnWidth;
        const int cellRight = c == kColumns - 1 ? right : x + m_nColumnWidth + 1;
        m_rcWeekdays[c].SetRect(x, nameTop - 1, cellRight, gridTop + 1);
        for (int r = 0; r < kRows; r++) {
            const int y = gridTop + r * m_nRowHeight;
            m_rcBoxes[BoxIndex(c, r)].SetRect(x, y, cellRight,
                                              r == kRows - 1 ? gridBottom : y + m_nRowHeight + 1);
        }
    }

    int nCol = 0, nRow = 0;
    if (box.IsPrinter() && FindDay(m_weeks.DaysInMonth(), nCol, nRow) && nRow == kRows - 1)
        m_rcBoxes[BoxIndex(nCol, nRow)].right -= 1;
}

CRect CMonthLayout::WeekdayCell(int nCol) const {
    return nCol >= 0 && nCol < kColumns ? m_rcWeekdays[nCol] : CRect();
}

CRect CMonthLayout::WeekdayTextRect(int nCol) const {
    CRect rc = WeekdayCell(nCol);
    rc.DeflateRect(TruncUnits(0.05 * rc.Width()), TruncUnits(0.15 * rc.Height()));
    return rc;
}

CRect CMonthLayout::DayBox(int nIndex) const {
    return nIndex >= 0 && nIndex < kBoxes ? m_rcBoxes[nIndex] : CRect();
}

CRect CMonthLayout::DayBox(int nCol, int nRow) const {
    if (nCol < 0 || nCol >= kColumns || nRow < 0 || nRow >= kRows)
        return CRect();
    return m_rcBoxes[BoxIndex(nCol, nRow)];
}

int CMonthLayout::PreviousPanelIndex() const {
    if (m_weeks.FirstColumn() <= 1)
        return BoxIndex(5, 4);
    if (!m_bWeekNumbers)
        return BoxIndex(0, 0);
    return DayInBox(5, 4) == 0 ? BoxIndex(5, 4) : BoxIndex(5, 5);
}

int CMonthLayout::PanelTitleHeight() const {
    return PreviousPanel().Height() / 7;
}
