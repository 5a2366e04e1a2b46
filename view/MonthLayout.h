// One month on the page: the frame, the title band, the weekday-name row and the grid of day
// boxes (7 columns from Sunday, 6 week rows; a box's index is column * 6 + row), which date falls
// into which box, and the two empty boxes that take the neighbouring months.
#pragma once
#include "framework/Rect.h"
#include "view/CalendarBox.h"

#include <array>

class CMonthLayout {
public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 6;
    static constexpr int kBoxes = kColumns * kRows;
    static int BoxIndex(int nCol, int nRow) { return nCol * kRows + nRow; }

    // nFirstWeekday: weekday of the 1st, 0 = Sunday. bLargeTitle: either "Large" setting of the
    // month-and-year text or of the title.
    CMonthLayout(const CCalendarBox& box, bool bLargeTitle, int nFirstWeekday, int nDaysInMonth);

    int NameHeight() const { return m_nNameHeight; }
    int TitleHeight() const { return m_nTitleHeight; }
    int GridHeight() const { return m_nGridHeight; }
    int ColumnWidth() const { return m_nColumnWidth; }
    int RowHeight() const { return m_nRowHeight; }

    const CRect& Frame() const { return m_rcFrame; }
    const CRect& TitleBox() const { return m_rcTitle; }
    CRect TitleTextRect() const { return CCalendarBox::TitleTextRect(m_rcTitle); }
    CRect WeekdayCell(int nCol) const;
    CRect WeekdayTextRect(int nCol) const;

    // On the printer the box of the month's last day, when it lies in row 5, ends one unit
    // further left. An index or cell outside the grid gives an empty rectangle.
    CRect DayBox(int nIndex) const;
    CRect DayBox(int nCol, int nRow) const;
    // 0 for a box without a day.
    int DayInBox(int nCol, int nRow) const;
    // False for a day the month does not have.
    bool FindDay(int nDay, int& nCol, int& nRow) const;

    // Boxes for the previous and the next month: row 4, columns 5 and 6 when the 1st is a
    // Sunday or a Monday, otherwise row 0, columns 0 and 1.
    int PreviousPanelIndex() const;
    int NextPanelIndex() const { return PreviousPanelIndex() + kRows; }
    CRect PreviousPanel() const { return DayBox(PreviousPanelIndex()); }
    CRect NextPanel() const { return DayBox(NextPanelIndex()); }
    int PanelTitleHeight() const;

private:
    int m_nFirstWeekday;
    int m_nDaysInMonth;
    int m_nNameHeight;
    int m_nTitleHeight;
    int m_nGridHeight;
    int m_nColumnWidth;
    int m_nRowHeight;
    CRect m_rcFrame;
    CRect m_rcTitle;
    std::array<CRect, kColumns> m_rcWeekdays;
    std::array<CRect, kBoxes> m_rcBoxes;
};
