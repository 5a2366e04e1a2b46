#include "view/MonthLayout.h"

#include <gtest/gtest.h>

namespace {

// Name row min(trunc(611.7 * 0.05), 703 / 20) = 30; title trunc(1.5 * 30) = 45;
// grid trunc(611.7 - 75) = 536, rows 536 / 6 = 89; columns 703 / 7 = 100. The remainders make
// the last column 103 wide and the last row 91 high.
CCalendarBox ScreenBox() {
    return CCalendarBox::OnScreen(20, 30, 703, 611.7);
}

// Name row min(1239 / 20, 1403 / 20) = 61; title trunc(1.5 * 61) = 91; grid 1239 - 152 = 1087,
// rows 181; columns 200.
CCalendarBox PrinterBox() {
    return CCalendarBox::OnPrinter(CRect(0, 0, 1403, 1239));
}

// May 1999: 31 days from a Saturday.
const CWeekLayout kSaturday31(1999, 5);

} // namespace

TEST(MonthLayoutTest, ScreenGridTruncatesEachStep) {
    const CMonthLayout layout(ScreenBox(), false, CWeekLayout(2000, 11));
    EXPECT_EQ(30, layout.NameHeight());
    EXPECT_EQ(45, layout.TitleHeight());
    EXPECT_EQ(536, layout.GridHeight());
    EXPECT_EQ(89, layout.RowHeight());
    EXPECT_EQ(100, layout.ColumnWidth());

    EXPECT_EQ(CRect(20, 30, 723, 641), layout.Frame());
    EXPECT_EQ(CRect(20, 30, 723, 75), layout.TitleBox());
    // Shrunk by trunc(7.03) sideways and trunc(3.6) vertically.
    EXPECT_EQ(CRect(27, 33, 716, 72), layout.TitleTextRect());

    // Weekday cells start one unit inside the title box and end one below the name row.
    EXPECT_EQ(CRect(20, 74, 121, 106), layout.WeekdayCell(0));
    EXPECT_EQ(CRect(620, 74, 723, 106), layout.WeekdayCell(6));
    EXPECT_EQ(CRect(25, 78, 116, 102), layout.WeekdayTextRect(0)); // trunc(5.05), trunc(4.8)
    EXPECT_EQ(CRect(625, 78, 718, 102), layout.WeekdayTextRect(6));
    EXPECT_TRUE(layout.WeekdayCell(7).IsRectNull());

    EXPECT_EQ(CRect(20, 105, 121, 195), layout.DayBox(0, 0));
    EXPECT_EQ(CRect(320, 283, 421, 373), layout.DayBox(3, 2));
    EXPECT_EQ(CRect(620, 461, 723, 551), layout.DayBox(6, 4));
    // The last row reaches the frame: 550 + 89 + 1 would stop at 640.
    EXPECT_EQ(CRect(220, 550, 321, 641), layout.DayBox(2, 5));
    EXPECT_EQ(CRect(620, 550, 723, 641), layout.DayBox(6, 5));
    EXPECT_EQ(layout.DayBox(3, 2), layout.DayBox(3 * 6 + 2));
    EXPECT_TRUE(layout.DayBox(42).IsRectNull());
    EXPECT_TRUE(layout.DayBox(0, 6).IsRectNull());
}

TEST(MonthLayoutTest, LargeTitleTakesThreeNameRows) {
    const CMonthLayout large(ScreenBox(), true, CWeekLayout(2000, 11));
    EXPECT_EQ(30, large.NameHeight());
    EXPECT_EQ(90, large.TitleHeight());
    EXPECT_EQ(491, large.GridHeight()); // trunc(611.7 - 120)
    EXPECT_EQ(81, large.RowHeight());
    EXPECT_EQ(CRect(20, 30, 723, 120), large.TitleBox());
    EXPECT_EQ(CRect(20, 150, 121, 232), large.DayBox(0, 0));

    // An odd name row: trunc(1.5 * 61) = 91 small, 183 large.
    EXPECT_EQ(91, CMonthLayout(PrinterBox(), false, CWeekLayout(2000, 10)).TitleHeight());
    EXPECT_EQ(183, CMonthLayout(PrinterBox(), true, CWeekLayout(2000, 10)).TitleHeight());
    // A narrow calendar takes its name row from the width: 399 / 20 = 19.
    EXPECT_EQ(19,
              CMonthLayout(CCalendarBox::OnScreen(0, 0, 399, 900.0), false, CWeekLayout(2000, 10))
                  .NameHeight());
}

TEST(MonthLayoutTest, ThirtyOneDaysFromSaturdayReachRowFive) {
    const CMonthLayout layout(ScreenBox(), false, kSaturday31);
    EXPECT_EQ(0, layout.DayInBox(5, 0));
    EXPECT_EQ(1, layout.DayInBox(6, 0));
    EXPECT_EQ(2, layout.DayInBox(0, 1));
    EXPECT_EQ(29, layout.DayInBox(6, 4));
    EXPECT_EQ(30, layout.DayInBox(0, 5));
    EXPECT_EQ(31, layout.DayInBox(1, 5));
    EXPECT_EQ(0, layout.DayInBox(2, 5));
    EXPECT_EQ(0, layout.DayInBox(7, 0));

    int col = -1, row = -1;
    ASSERT_TRUE(layout.FindDay(31, col, row));
    EXPECT_EQ(1, col);
    EXPECT_EQ(5, row);
    EXPECT_FALSE(layout.FindDay(32, col, row));
    EXPECT_FALSE(layout.FindDay(0, col, row));

    EXPECT_EQ(0, layout.PreviousPanelIndex());
    EXPECT_EQ(6, layout.NextPanelIndex());
    EXPECT_EQ(CRect(20, 105, 121, 195), layout.PreviousPanel());
    EXPECT_EQ(CRect(120, 105, 221, 195), layout.NextPanel());
    EXPECT_EQ(12, layout.PanelTitleHeight()); // 90 / 7

    // On screen the last day's box keeps its width.
    EXPECT_EQ(CRect(120, 550, 221, 641), layout.DayBox(1, 5));
}

TEST(MonthLayoutTest, ShortFebruaryFromSundayFillsFourRows) {
    const CMonthLayout layout(ScreenBox(), false, CWeekLayout(2009, 2));
    EXPECT_EQ(1, layout.DayInBox(0, 0));
    EXPECT_EQ(7, layout.DayInBox(6, 0));
    EXPECT_EQ(22, layout.DayInBox(0, 3));
    EXPECT_EQ(28, layout.DayInBox(6, 3));
    for (int c = 0; c < 7; c++) {
        EXPECT_EQ(0, layout.DayInBox(c, 4));
        EXPECT_EQ(0, layout.DayInBox(c, 5));
    }
    int col = -1, row = -1;
    EXPECT_FALSE(layout.FindDay(29, col, row));

    EXPECT_EQ(5 * 6 + 4, layout.PreviousPanelIndex());
    EXPECT_EQ(6 * 6 + 4, layout.NextPanelIndex());
    EXPECT_EQ(CRect(520, 461, 621, 551), layout.PreviousPanel());
    EXPECT_EQ(CRect(620, 461, 723, 551), layout.NextPanel());
    EXPECT_EQ(12, layout.PanelTitleHeight());
}

TEST(MonthLayoutTest, PanelsFollowTheFirstWeekday) {
    // A Monday start still leaves columns 5 and 6 of row 4 empty, even with 31 days.
    const CMonthLayout monday(ScreenBox(), false, CWeekLayout(2000, 5));
    EXPECT_EQ(5 * 6 + 4, monday.PreviousPanelIndex());
    EXPECT_EQ(0, monday.DayInBox(5, 4));
    EXPECT_EQ(0, monday.DayInBox(6, 4));
    EXPECT_EQ(31, monday.DayInBox(3, 4));

    const CMonthLayout tuesday(ScreenBox(), false, CWeekLayout(2000, 8));
    EXPECT_EQ(0, tuesday.PreviousPanelIndex());
    EXPECT_EQ(0, tuesday.DayInBox(1, 0));
    EXPECT_EQ(1, tuesday.DayInBox(2, 0));
}

TEST(MonthLayoutTest, WithWeekNumbersPanelsLeaveTheFirstColumn) {
    // From Monday, 1 July 2026 stands in column 2 and row 4 ends at column 4: the panels take
    // the end of row 4. 1 August 2026 stands in column 5 and its days fill row 4: row 5 then.
    const CMonthLayout july(ScreenBox(), false, CWeekLayout(2026, 7, 1), true);
    EXPECT_EQ(5 * 6 + 4, july.PreviousPanelIndex());
    const CMonthLayout august(ScreenBox(), false, CWeekLayout(2026, 8, 1), true);
    EXPECT_EQ(0, august.DayInBox(5, 5));
    EXPECT_EQ(5 * 6 + 5, august.PreviousPanelIndex());
    EXPECT_EQ(6 * 6 + 5, august.NextPanelIndex());
    // Without week numbers they stay at the start of row 0.
    EXPECT_EQ(0, CMonthLayout(ScreenBox(), false, CWeekLayout(2026, 8, 1)).PreviousPanelIndex());
}

TEST(MonthLayoutTest, PrinterUsesWholeUnitsAndShrinksTheLastBoxOfRowFive) {
    const CMonthLayout layout(PrinterBox(), false, kSaturday31);
    EXPECT_EQ(61, layout.NameHeight());
    EXPECT_EQ(1087, layout.GridHeight());
    EXPECT_EQ(181, layout.RowHeight());
    EXPECT_EQ(200, layout.ColumnWidth());
    EXPECT_EQ(CRect(0, 0, 1403, 1239), layout.Frame());
    EXPECT_EQ(CRect(0, 90, 201, 153), layout.WeekdayCell(0));

    // Day 31 at column 1, row 5: one unit narrower so that it does not cover its neighbour.
    EXPECT_EQ(CRect(200, 1057, 400, 1239), layout.DayBox(1, 5));
    EXPECT_EQ(CRect(0, 1057, 201, 1239), layout.DayBox(0, 5));
    EXPECT_EQ(CRect(400, 1057, 601, 1239), layout.DayBox(2, 5));

    // A month ending in row 4 keeps every box whole.
    const CMonthLayout shorter(PrinterBox(), false, CWeekLayout(2020, 2));
    EXPECT_EQ(CRect(200, 1057, 401, 1239), shorter.DayBox(1, 5));
    EXPECT_EQ(CRect(1200, 876, 1403, 1058), shorter.DayBox(6, 4));
}

TEST(MonthLayoutTest, OutOfRangeMonthInputsStayInsideTheGrid) {
    const CMonthLayout layout(ScreenBox(), false, CWeekLayout(1999, 13, 13));
    int col = -1, row = -1;
    ASSERT_TRUE(layout.FindDay(31, col, row));
    EXPECT_LT(row, 6);
    EXPECT_FALSE(layout.FindDay(32, col, row));
}
