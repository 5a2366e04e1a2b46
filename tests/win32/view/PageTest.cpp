// The page on screen: paper, unprintable bands, the calendar's placement and
// its grid; and the same page on a printer DC without the screen's marks.
#include "ViewFixture.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "view/AlmanarkView.h"
#include "view/PageGeometry.h"

namespace {
bool IsScreenMark(COLORREF cr) {
    return cr == kSurroundGrey || cr == kYellow || cr == kMagenta || cr == kBlue || cr == kRed ||
           cr == kGridGrey;
}
} // namespace

class PageTest : public CViewTest {};

TEST_F(PageTest, LandscapePaperHasGreyBelowAndYellowOutsideThePrintableArea) {
    auto page = Paint(900, 1000);
    Keep(*page, "landscape");
    const CAlmanarkView& view = View();
    const CRect rcPrintable = theApp.m_rectPrintable;
    EXPECT_DOUBLE_EQ(view.m_pageWidth, 900.0);
    EXPECT_NEAR(view.m_pageHeight, 900.0 * view.m_physHeight / view.m_physWidth, 1e-9);
    const int nPaperBottom = (int)view.m_pageHeight;
    // Below the paper: all grey; beside the printable area: all yellow.
    EXPECT_EQ(page->CountNot(CRect(0, nPaperBottom, 900, 1000), kSurroundGrey), 0);
    ASSERT_GT(rcPrintable.top, 0);
    EXPECT_EQ(page->CountNot(CRect(0, 0, 900, rcPrintable.top), kYellow), 0);
    EXPECT_EQ(page->CountNot(CRect(0, 0, rcPrintable.left, nPaperBottom), kYellow), 0);
    EXPECT_EQ(page->CountNot(CRect(rcPrintable.right, 0, 900, nPaperBottom), kYellow), 0);
    EXPECT_EQ(page->CountNot(CRect(0, rcPrintable.bottom, 900, nPaperBottom), kYellow), 0);
    // Inside it neither of them.
    EXPECT_EQ(
        page->Count(rcPrintable, [](COLORREF c) { return c == kYellow || c == kSurroundGrey; }), 0);
}

TEST_F(PageTest, PortraitPaperFollowsTheWindowHeightOnly) {
    theApp.m_nOrientation = 1;
    SetMetrics(SmallPrinter());
    auto narrow = Paint(700, 880);
    const double dWidth = View().m_pageWidth;
    EXPECT_DOUBLE_EQ(View().m_pageHeight, 880.0);
    EXPECT_NEAR(dWidth, 880.0 * 850 / 1100, 1e-9);
    EXPECT_EQ(narrow->CountNot(CRect((int)dWidth, 0, 700, 880), kSurroundGrey), 0);
    auto wide = Paint(1200, 880);
    EXPECT_DOUBLE_EQ(View().m_pageWidth, dWidth);
}

TEST_F(PageTest, NewCalendarFillsThePrintableAreaAndAMovedOneIsPulledBack) {
    auto page = Paint(900, 1000);
    const CPageFractions printable = [this] {
        CPrinterMetrics m = CViewEnvironment::PrinterMetrics();
        return m.Printable();
    }();
    EXPECT_DOUBLE_EQ(Doc().m_dCalLeft, printable.m_dLeft);
    EXPECT_DOUBLE_EQ(Doc().m_dCalTop, printable.m_dTop);
    EXPECT_DOUBLE_EQ(Doc().m_dCalRight, printable.m_dRight);
    EXPECT_DOUBLE_EQ(Doc().m_dCalBottom, printable.m_dBottom);
    EXPECT_EQ(ScreenLayout(900, 1000).Frame().left, theApp.m_rectPrintable.left);
    EXPECT_FALSE(Doc().IsModified());

    Doc().m_dCalLeft = -0.2;
    Doc().m_dCalTop = 0.3;
    Doc().m_dCalRight = 1.4;
    Doc().m_dCalBottom = 0.9;
    Paint(900, 1000);
    EXPECT_DOUBLE_EQ(Doc().m_dCalLeft, printable.m_dLeft);
    EXPECT_DOUBLE_EQ(Doc().m_dCalTop, 0.3);
    EXPECT_DOUBLE_EQ(Doc().m_dCalRight, printable.m_dRight);
    EXPECT_DOUBLE_EQ(Doc().m_dCalBottom, 0.9);
}

TEST_F(PageTest, GridLinesStandWhereTheLayoutPutsThem) {
    auto page = Paint(900, 1000);
    const CMonthLayout layout = ScreenLayout(900, 1000);
    for (int i = 0; i < CMonthLayout::kBoxes; ++i) {
        const CRect rc = layout.DayBox(i);
        EXPECT_EQ(View().m_boxRects[i], rc) << "box " << i;
        const int xMid = (rc.left + rc.right) / 2, yMid = (rc.top + rc.bottom) / 2;
        EXPECT_EQ(page->At(rc.left, yMid), kGridGrey) << "left edge of box " << i;
        EXPECT_EQ(page->At(xMid, rc.top), kGridGrey) << "top edge of box " << i;
        EXPECT_EQ(page->At(rc.right - 1, yMid), kGridGrey) << "right edge of box " << i;
    }
    for (int c = 0; c < 7; ++c) {
        const CRect rc = layout.WeekdayCell(c);
        EXPECT_EQ(page->At(rc.left, (rc.top + rc.bottom) / 2), kGridGrey) << "weekday " << c;
        // Each name leaves ink in its own cell.
        EXPECT_GT(page->Count(layout.WeekdayTextRect(c), [](COLORREF cr) { return cr != kWhite; }),
                  0);
    }
    const CRect rcTitle = layout.TitleBox();
    EXPECT_EQ(page->At(rcTitle.left, (rcTitle.top + rcTitle.bottom) / 2), kGridGrey);
    EXPECT_EQ(page->At((rcTitle.left + rcTitle.right) / 2, rcTitle.top), kGridGrey);
}

TEST_F(PageTest, LargeTitleDoublesTheTitleBand) {
    Paint(900, 1000);
    const int nNormal = ScreenLayout(900, 1000).TitleHeight();
    const int nName = ScreenLayout(900, 1000).NameHeight();
    EXPECT_EQ(nNormal, (int)(1.5 * nName));
    Doc().m_bTitleLarge = 1;
    auto page = Paint(900, 1000);
    const CMonthLayout layout = ScreenLayout(900, 1000);
    EXPECT_EQ(layout.TitleHeight(), 3 * nName);
    EXPECT_EQ(View().m_boxRects[0], layout.DayBox(0));
    EXPECT_EQ(page->At(layout.WeekdayCell(0).left + 3, layout.WeekdayCell(0).top), kGridGrey);
}

TEST_F(PageTest, NeighbourMonthsTakeTheEmptyBoxesOfTheFirstRow) {
    // May 1999 starts on a Saturday: April and June go to row 0, columns 0 and 1.
    auto page = Paint(900, 1000);
    const CMonthLayout layout = ScreenLayout(900, 1000);
    for (int nCol : {0, 1}) {
        CRect rc = layout.DayBox(nCol, 0);
        rc.DeflateRect(3, 3);
        EXPECT_GT(page->CountNot(rc, kWhite), 20) << "panel in column " << nCol;
    }
    CRect rcEmpty = layout.DayBox(2, 0);
    rcEmpty.DeflateRect(2, 2);
    EXPECT_EQ(page->CountNot(rcEmpty, kWhite), 0);
}

TEST_F(PageTest, FebruaryStartingOnSundayPutsItsNeighboursIntoRowFour) {
    Doc().m_nMonth = 2;
    Doc().m_nYear = 2015; // 1 February 2015 is a Sunday, 28 days
    auto page = Paint(900, 1000);
    const CMonthLayout layout = ScreenLayout(900, 1000);
    for (int nCol : {5, 6}) {
        CRect rc = layout.DayBox(nCol, 4);
        rc.DeflateRect(3, 3);
        EXPECT_GT(page->CountNot(rc, kWhite), 20) << "panel in column " << nCol;
    }
    CRect rcEmpty = layout.DayBox(4, 4);
    rcEmpty.DeflateRect(2, 2);
    EXPECT_EQ(page->CountNot(rcEmpty, kWhite), 0);
    EXPECT_EQ(Doc().GetNote(6, 3), "28\r\n");
    EXPECT_EQ(Doc().GetNote(0, 4), "");
}

TEST_F(PageTest, PrinterPageHasNoScreenMarks) {
    SetAllNotes(CString('x', 400)); // every box overflows
    View().m_selDay = 12;
    // Green text cannot blend into any of the screen's colours.
    theApp.m_crDateColor = theApp.m_crTitleColor = RGB(0, 160, 0);
    theApp.m_crNotesColor = theApp.m_crWeekdayColor = RGB(0, 160, 0);
    auto page = PaintAsPrinter();
    Keep(*page, "printer");
    EXPECT_EQ(page->Count(CRect(0, 0, page->Width(), page->Height()), IsScreenMark), 0);
    // The frames are drawn with the printer's default black pen.
    const CMonthLayout layout(
        CCalendarBox::OnPrinter(SmallPrinter().PrinterRect(Doc().m_dCalLeft, Doc().m_dCalTop,
                                                           Doc().m_dCalRight, Doc().m_dCalBottom)),
        false, CWeekLayout(1999, 5));
    for (int i = 0; i < CMonthLayout::kBoxes; ++i) {
        const CRect rc = layout.DayBox(i);
        EXPECT_EQ(View().m_boxRects[i], rc);
        EXPECT_EQ(page->At(rc.left, (rc.top + rc.bottom) / 2), RGB(0, 0, 0)) << "box " << i;
    }
    // The unplaced calendar took the printable area, less the equal margins.
    EXPECT_EQ(layout.Frame().left, 10);
    EXPECT_EQ(layout.Frame().top, 10);
}

TEST_F(PageTest, PrinterShiftsTheLastDayInRowFiveOneUnitLeft) {
    // 31 May 1999 is in row 5, column 1.
    PaintAsPrinter();
    const CRect rcLast = View().m_boxRects[CMonthLayout::BoxIndex(1, 5)];
    const CRect rcBefore = View().m_boxRects[CMonthLayout::BoxIndex(0, 5)];
    const CRect rcAbove = View().m_boxRects[CMonthLayout::BoxIndex(1, 4)];
    EXPECT_EQ(rcLast.right, rcAbove.right - 1);
    EXPECT_EQ(rcBefore.right, rcLast.left + 1);
}

TEST_F(PageTest, WithoutPrinterMetricsThePageHasLetterProportions) {
    SetMetrics(CPrinterMetrics());
    auto page = Paint(900, 1000);
    EXPECT_DOUBLE_EQ(View().m_pageWidth, 900.0);
    EXPECT_NEAR(View().m_pageHeight, 900.0 * 8.5 / 11.0, 1e-9);
    EXPECT_EQ(theApp.m_rectPrintable, CRect(0, 0, 900, (int)View().m_pageHeight));
    for (const CRect& rc : View().m_boxRects)
        EXPECT_FALSE(rc.IsRectEmpty());
    EXPECT_EQ(Doc().GetNote(6, 0), "1\r\n");
    // A printer page without a printer: nothing to divide by, nothing amiss.
    CPaintedPage printed(100, 100, true);
    View().OnDraw(&printed.Dc());
}

TEST_F(PageTest, TinyWindowStillPaintsWithoutHarm) {
    SetAllNotes("a note that cannot fit anywhere");
    for (int n : {0, 1, 3, 12}) {
        auto page = Paint(n, n);
        EXPECT_EQ(page->Width(), n);
    }
    EXPECT_EQ(Doc().GetNote(6, 0), "1\r\na note that cannot fit anywhere");
}

TEST_F(PageTest, YearDocumentDrawsItsFrameOnThePaper) {
    Doc().m_bYearDoc = 1;
    auto page = Paint(900, 1000);
    Doc().m_bYearDoc = 0;
    const CRect rcFrame = View().m_rectCalFrame;
    EXPECT_EQ(theApp.m_rectPrintable.TopLeft(), rcFrame.TopLeft());
    EXPECT_EQ(
        page->CountOf(CRect(rcFrame.left, rcFrame.top, rcFrame.right, rcFrame.top + 1), kGridGrey),
        rcFrame.Width());
    EXPECT_GT(page->CountOf(CRect(0, 0, 900, 1000), kYellow), 0);
}
