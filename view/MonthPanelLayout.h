// A small month panel (a neighbouring month on a month page, each month on a year page): the
// month name at the top of its inner area and one cell per day below the panel's title height.
#pragma once
#include "framework/Rect.h"

class CMonthPanelLayout {
public:
    // nFirstColumn: the column of the 1st (its weekday when weeks start on Sunday).
    CMonthPanelLayout(const RECT& rcPanel, int nTitleHeight, int nFirstColumn, int nDaysInMonth);

    // The panel less its margins; the month name stands at its top.
    const CRect& Inner() const { return m_rcInner; }
    // Cell heights of the month name and of the day numbers.
    int NameFontHeight() const;
    int DayFontHeight() const;
    // Empty for a day the month does not have.
    CRect DayCell(int nDay) const;

private:
    CRect m_rcPanel;
    CRect m_rcInner;
    int m_nTitleHeight;
    int m_nFirstWeekday;
    int m_nDaysInMonth;
};
