// One month on the page: the frame, the title band, the weekday-name row and the grid of day
// boxes (7 columns from the first weekday, 6 week rows; a box's index is column * 6 + row), and
// the two empty boxes that take the neighbouring months. Which date falls into which box is the
// month's CWeekLayout.
#pragma once
#include "dates/WeekLayout.h"
#include "framework/Rect.h"
#include "view/CalendarBox.h"

#include <array>

class CMonthLayout {
public:
    static constexpr int kColumns = 7;
    static constexpr int kRows = 6;
    static constexpr int kBoxes = kColumns * kRows;
    static int BoxIndex(int nCol, int nRow) { return nCol * kRows + nRow; }

    // bLargeTitle: either "Large" setting of the month-and-year text or of the title.
    // bWeekNumbers: the first box of each row shows the week's number, so no panel goes there.
    CMonthLayout(const CCalendarBox& box, bool bLargeTitle, const CWeekLayout& weeks,
                 bool bWeekNumbers = false);

    const CWeekLayout& Weeks() const { return m_weeks; }

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
    int DayInBox(int nCol, int nRow) const { return m_weeks.DayInBox(nCol, nRow); }
    // False for a day the month does not have.
    bool FindDay(int nDay, int& nCol, int& nRow) const { return m_weeks.FindDay(nDay, nCol, nRow); }

    // Boxes for the previous and the next month: row 4, columns 5 and 6 when the 1st stands in
    // column 0 or 1, otherwise row 0, columns 0 and 1. With week numbers the first column keeps
    // its numbers: the panels then take the last two columns of row 4, or of row 5 when row 4
    // reaches them.
    int PreviousPanelIndex() const;
    int NextPanelIndex() const { return PreviousPanelIndex() + kRows; }
    CRect PreviousPanel() const { return DayBox(PreviousPanelIndex()); }
    CRect NextPanel() const { return DayBox(NextPanelIndex()); }
    int PanelTitleHeight() const;

private:
    CWeekLayout m_weeks;
    bool m_bWeekNumbers;
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
