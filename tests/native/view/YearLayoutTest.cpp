#include "view/MonthPanelLayout.h"
#include "view/YearLayout.h"

#include <gtest/gtest.h>

namespace {

// Title unit min(trunc(611.7 * 0.05), 703 / 20) = 30, so the title band is 45 (90 when large)
// and the panels share trunc(611.7 - 45) = 566.
CCalendarBox ScreenBox() {
    return CCalendarBox::OnScreen(20, 30, 703, 611.7);
}

} // namespace

TEST(YearLayoutTest, ThreeByFourGrid) {
    const CYearLayout layout(ScreenBox(), false, 3, 4);
    EXPECT_EQ(45, layout.TitleHeight());
    EXPECT_EQ(566, layout.PanelAreaHeight());
    EXPECT_EQ(234, layout.PanelWidth());  // 703 / 3
    EXPECT_EQ(141, layout.PanelHeight()); // 566 / 4
    EXPECT_EQ(CRect(20, 30, 723, 641), layout.Frame());
    EXPECT_EQ(CRect(20, 30, 723, 75), layout.TitleBox());
    EXPECT_EQ(CRect(27, 33, 716, 72), layout.TitleTextRect());

    EXPECT_EQ(CRect(20, 75, 255, 217), layout.PanelRect(1));
    EXPECT_EQ(CRect(254, 75, 489, 217), layout.PanelRect(2));
    // The last column and the last row reach the frame.
    EXPECT_EQ(CRect(488, 75, 723, 217), layout.PanelRect(3));
    EXPECT_EQ(CRect(20, 498, 255, 641), layout.PanelRect(10));
    EXPECT_EQ(CRect(488, 498, 723, 641), layout.PanelRect(12));
    EXPECT_EQ(20, layout.PanelTitleHeight(1)); // 142 / 7
    EXPECT_EQ(20, layout.PanelTitleHeight(12));
    EXPECT_TRUE(layout.PanelRect(0).IsRectNull());
    EXPECT_TRUE(layout.PanelRect(13).IsRectNull());
}

TEST(YearLayoutTest, SixByTwoPutsJanuaryToJuneAbove) {
    const CYearLayout layout(ScreenBox(), false, 6, 2);
    EXPECT_EQ(117, layout.PanelWidth());  // 703 / 6
    EXPECT_EQ(283, layout.PanelHeight()); // 566 / 2
    EXPECT_EQ(CRect(605, 75, 723, 359), layout.PanelRect(6));
    EXPECT_EQ(CRect(20, 358, 138, 641), layout.PanelRect(7));
    EXPECT_EQ(CRect(605, 358, 723, 641), layout.PanelRect(12));
}

TEST(YearLayoutTest, LargeTitleAndPrinterUnits) {
    const CYearLayout large(ScreenBox(), true, 4, 3);
    EXPECT_EQ(90, large.TitleHeight());
    EXPECT_EQ(521, large.PanelAreaHeight()); // trunc(611.7 - 90)
    EXPECT_EQ(CRect(20, 120, 196, 294), large.PanelRect(1));

    // 1239 / 20 = 61, so the band is trunc(91.5) = 91 and the panels share 1148.
    const CYearLayout printer(CCalendarBox::OnPrinter(CRect(0, 0, 1403, 1239)), false, 2, 6);
    EXPECT_EQ(91, printer.TitleHeight());
    EXPECT_EQ(1148, printer.PanelAreaHeight());
    EXPECT_EQ(CRect(701, 1046, 1403, 1239), printer.PanelRect(12)); // 91 + 5 * 191
}

TEST(YearLayoutTest, ArrangementThatCannotHoldTwelveFallsBack) {
    for (auto [cols, rows] : {std::pair{0, 4}, {3, 0}, {2, 2}, {-3, -4}}) {
        const CYearLayout layout(ScreenBox(), false, cols, rows);
        EXPECT_EQ(3, layout.Columns());
        EXPECT_EQ(4, layout.Rows());
        EXPECT_EQ(CRect(488, 498, 723, 641), layout.PanelRect(12));
    }
}

TEST(MonthPanelLayoutTest, CellsBelowTheTitle) {
    // Panel 101 x 90 with title height 12: margins trunc(2.02) and trunc(2.7) leave 97 x 86,
    // cells 97 / 7 = 13 wide and (86 - 12) / 6 = 12 high.
    const CRect panel(520, 461, 621, 551);
    const CMonthPanelLayout sunday(panel, 12, 0, 31);
    EXPECT_EQ(CRect(522, 463, 619, 549), sunday.Inner());
    EXPECT_EQ(11, sunday.NameFontHeight()); // 90 / 8
    EXPECT_EQ(8, sunday.DayFontHeight());   // 86 / 10
    EXPECT_EQ(CRect(522, 475, 536, 488), sunday.DayCell(1));
    EXPECT_EQ(CRect(535, 487, 549, 500), sunday.DayCell(9));
    // Column 6 does not overlap to the right.
    EXPECT_EQ(CRect(600, 475, 613, 488), sunday.DayCell(7));
    EXPECT_TRUE(sunday.DayCell(0).IsRectNull());
    EXPECT_TRUE(sunday.DayCell(32).IsRectNull());

    // Row 5 does not overlap downwards.
    const CMonthPanelLayout saturday(panel, 12, 6, 31);
    EXPECT_EQ(CRect(535, 535, 549, 547), saturday.DayCell(31));
    EXPECT_TRUE(CMonthPanelLayout(panel, 12, 0, 28).DayCell(29).IsRectNull());
}
