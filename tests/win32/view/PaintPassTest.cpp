// What a paint does besides drawing: the month it shows, the panel and
// frame it updates, the flags it consumes, and the picture's stacking.
#include "ViewFixture.h"

#include <climits>

#include "app/AlmanarkApp.h"
#include "common/SampleDocument.h"
#include "dates/DateCalc.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "view/AlmanarkView.h"

class PaintPassTest : public CViewTest {
protected:
    void TearDown() override {
        Doc().m_dib.Clear();
        Doc().m_bHasImage = 0;
        CViewTest::TearDown();
    }
    // A 2 by 2 picture of pure red, covering the whole page.
    void LoadRedPicture() {
        ASSERT_TRUE(AttachSamplePicture(Doc().m_dib, 2, 2, [](int, int) { return kRed; }));
        Doc().m_bHasImage = 1;
        Doc().m_dImgLeft = Doc().m_dImgTop = 0.0;
        Doc().m_dImgRight = Doc().m_dImgBottom = 1.0;
        // The calendar in the lower half leaves picture above it.
        Doc().m_dCalLeft = Doc().m_dCalTop = 0.5;
        Doc().m_dCalRight = Doc().m_dCalBottom = 0.9;
    }
    int RedInsideFirstBox(const CPaintedPage& page) {
        CRect rc = View().m_boxRects[CMonthLayout::BoxIndex(3, 2)];
        rc.DeflateRect(4, 4);
        return page.CountOf(rc, kRed);
    }
};

TEST_F(PaintPassTest, MonthZeroShowsTodaysMonthWithTodaySelected) {
    Doc().m_nMonth = 0;
    Doc().m_nYear = 0;
    Paint(900, 1000);
    const CalDate today = GetToday();
    EXPECT_EQ(Doc().m_nMonth, today.m_nMonth);
    EXPECT_EQ(Doc().m_nYear, std::min(today.m_nYear, LAST_YEAR));
    EXPECT_EQ(View().m_selDay, today.m_nDay);
    const int nSlot = WeekdayOf(Doc().m_nYear, today.m_nMonth, 1) + today.m_nDay - 1;
    EXPECT_EQ(View().m_selCol, nSlot % 7);
    EXPECT_EQ(View().m_selRow, nSlot / 7);
}

TEST_F(PaintPassTest, CalendarPageShowsTheMonthAndYearPainted) {
    Doc().m_nMonth = 11;
    Doc().m_nYear = 2030;
    Paint(900, 1000);
    CCalendarPage& page = Frame().m_wndCalendarPage;
    EXPECT_EQ(page.m_cbMonth.GetCurSel(), 10);
    EXPECT_EQ(page.m_cbYear.GetCurSel(), 2030 - 1970);
}

// A file may hold a year the program has no calendar for: it is kept (and
// so saved back), the title band shows it, and no days or panels are drawn.
TEST_F(PaintPassTest, YearOutsideTheCalendarsRangeIsKeptAndDrawsNoDays) {
    for (int bYearDoc : {0, 1}) {
        for (int nYear : {1812, 1969, 2038, 2040, 99999, INT_MIN}) {
            SCOPED_TRACE(testing::Message() << nYear << (bYearDoc ? " year" : " month"));
            Doc().m_bYearDoc = bYearDoc;
            Doc().m_nYear = nYear;
            ++View().m_nEvalEvents;
            auto page = Paint(900, 1000);
            EXPECT_EQ(Doc().m_nYear, nYear);
            EXPECT_EQ(Frame().m_wndCalendarPage.m_cbYear.GetCurSel(), -1);
            CRect rcTitle = View().m_rectTitle, rcFrame = View().m_rectCalFrame;
            rcTitle.DeflateRect(2, 2);
            EXPECT_GT(page->CountNot(rcTitle, kWhite), 50) << "the title band shows the year";
            const CRect rcBelow(rcFrame.left + 2, View().m_rectTitle.bottom + 2, rcFrame.right - 2,
                                rcFrame.bottom - 2);
            EXPECT_EQ(page->CountNot(rcBelow, kWhite), 0);
            EXPECT_TRUE(View().m_boxRects[CMonthLayout::BoxIndex(3, 2)].IsRectEmpty());
        }
    }
    Doc().m_bYearDoc = 0;
    Doc().m_nYear = 2030;
    Paint(900, 1000);
    EXPECT_EQ(Frame().m_wndCalendarPage.m_cbYear.GetCurSel(), 2030 - FIRST_YEAR);
}

TEST_F(PaintPassTest, NewDocumentIsNamedAfterItsMonthOnce) {
    Doc().m_bResetOnNew = 1;
    Paint(900, 1000);
    EXPECT_EQ(Doc().GetTitle(), "May1999 [unsaved]");
    EXPECT_NE(Frame().GetWindowText().Find("May1999 [unsaved]"), -1);
    EXPECT_EQ(Doc().m_bResetOnNew, 0);
    Doc().m_nMonth = 6;
    Paint(900, 1000);
    EXPECT_EQ(Doc().GetTitle(), "May1999 [unsaved]");
}

TEST_F(PaintPassTest, ModifiedFlagIsClearedOnlyWhenAsked) {
    Doc().SetModifiedFlag(true);
    Paint(900, 1000);
    EXPECT_TRUE(Doc().IsModified());
    View().m_nClearModified = 2;
    Paint(900, 1000);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(View().m_nClearModified, 0);
}

TEST_F(PaintPassTest, PrinterNameStandsInStatusPaneOne) {
    Frame().SetStatusText(1, "");
    Paint(900, 1000);
    EXPECT_EQ(Frame().GetStatusText(1), theApp.m_strPrinter);
    EXPECT_FALSE(theApp.m_strPrinter.IsEmpty());
}

TEST_F(PaintPassTest, PictureLiesUnderTheWhiteFramesUnlessItShowsThrough) {
    LoadRedPicture();
    auto hidden = Paint(900, 1000);
    EXPECT_EQ(RedInsideFirstBox(*hidden), 0);
    // Above the calendar the picture is seen, inside the printable area only.
    const CRect& rcPrintable = theApp.m_rectPrintable;
    EXPECT_GT(
        hidden->CountOf(CRect(rcPrintable.left, rcPrintable.top, rcPrintable.right, 300), kRed),
        1000);
    EXPECT_EQ(hidden->CountOf(CRect(0, 0, 900, rcPrintable.top), kRed), 0);

    Doc().m_bImageShowsThrough = 1;
    auto through = Paint(900, 1000);
    Keep(*through, "shows-through");
    EXPECT_GT(RedInsideFirstBox(*through), 100);
    // The frames are still drawn over it.
    const CRect rc = View().m_boxRects[CMonthLayout::BoxIndex(3, 2)];
    EXPECT_EQ(through->At(rc.left, (rc.top + rc.bottom) / 2), kGridGrey);
}

TEST_F(PaintPassTest, PictureBeingPlacedLiesOnTop) {
    LoadRedPicture();
    View().m_nPictureFirst = 1;
    auto page = Paint(900, 1000);
    const CRect rc = View().m_boxRects[CMonthLayout::BoxIndex(3, 2)];
    EXPECT_EQ(page->At(rc.left, (rc.top + rc.bottom) / 2), kRed);
    EXPECT_GT(RedInsideFirstBox(*page), 100);
}

TEST_F(PaintPassTest, PrintedPictureIsDrawnFirstAndCovered) {
    LoadRedPicture();
    View().m_nImgPositioning = 1;
    auto page = PaintAsPrinter();
    EXPECT_EQ(RedInsideFirstBox(*page), 0);
    EXPECT_GT(page->CountOf(CRect(0, 0, page->Width(), 300), kRed), 1000);
}
