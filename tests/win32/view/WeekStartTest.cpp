// Weeks that start on another day, and week numbers: with both at their
// defaults the pages are those the program drew before either existed.
#include "ViewFixture.h"

#include "app/AlmanarkApp.h"
#include "dates/WeekLayout.h"
#include "frame/MainFrame.h"
#include "document/AlmanarkDoc.h"
#include "view/AlmanarkView.h"

namespace {
// Pages painted by the build before weeks could start on another day.
const unsigned kCrowdedMonthScreen = 1286363715u;
const unsigned kCrowdedMonthPrinter = 1758887945u;
const unsigned kYearScreen = 3519616285u;
} // namespace

class WeekStartTest : public CViewTest {
protected:
    // November 2030 with a note in every day box and the holidays as events.
    void Crowd() {
        Doc().m_nMonth = 11;
        Doc().m_nYear = 2030;
        SetAllNotes("Meeting at ten\r\nDentist\r\nCall the bank about the loan");
        theApp.m_strAllEvents = "Nov 11\tVeterans Day\r\nNov-Thu #4\tThanksgiving Day\r\n"
                                "Nov-Fri #L\tLast Friday\r\nNov 01\tAll Saints\r\n";
        SetMetrics(SmallPrinter());
    }
};

TEST_F(WeekStartTest, DefaultsPaintThePagesOfBefore) {
    Crowd();
    const auto screen = Paint(900, 1000);
    Keep(*screen, "crowded_month");
    EXPECT_EQ(screen->PixelHash(), kCrowdedMonthScreen);
    View().m_nEvalEvents = 1;
    const auto paper = PaintAsPrinter();
    Keep(*paper, "crowded_month_paper");
    EXPECT_EQ(paper->PixelHash(), kCrowdedMonthPrinter);
    Doc().m_bYearDoc = 1;
    SetMetrics(SmallPrinter());
    const auto year = Paint(900, 1000);
    Keep(*year, "year_page");
    EXPECT_EQ(year->PixelHash(), kYearScreen);
}

// December 2026 (the 1st a Tuesday) typed with Monday first: the 1st, the last day and Sunday
// the 6th, which stands in row 0 from Monday and in row 1 from Sunday.
TEST_F(WeekStartTest, NotesTypedWithMondayFirstStayOnTheirDates) {
    Doc().m_nMonth = 12;
    Doc().m_nYear = 2026;
    theApp.m_options.m_nFirstWeekday = 1;
    theApp.m_strAllEvents = "Dec-Sun #1\tFirst Sunday\r\n";
    Paint(900, 1000);
    CCalendarPage& page = Frame().m_wndCalendarPage;
    const int anDays[] = {1, 31, 6};
    for (int nDay : anDays) {
        int c = 0, r = 0;
        ASSERT_TRUE(CWeekLayout(2026, 12, 1).FindDay(nDay, c, r));
        ASSERT_TRUE(View().SelectBox(c, r));
        View().m_selCol = c;
        View().m_selRow = r;
        page.m_editNote.SetWindowText(CString::FromInt(nDay) + "\r\nNote of " +
                                      CString::FromInt(nDay));
        EXPECT_TRUE(page.StoreNote());
    }
    EXPECT_EQ(View().m_selCol * 10 + View().m_selRow, 6 * 10 + 0);
    Paint(900, 1000);
    CTempDir dir("almweek");
    ASSERT_TRUE(Doc().OnSaveDocument(dir.File("monday.kal")));

    theApp.m_options.m_nFirstWeekday = 0;
    Paint(900, 1000);
    // The selection follows its date to the Sunday column of the next row.
    EXPECT_EQ(View().m_selCol * 10 + View().m_selRow, 0 * 10 + 1);
    for (int nDay : anDays) {
        int c = 0, r = 0;
        ASSERT_TRUE(CWeekLayout(2026, 12).FindDay(nDay, c, r));
        EXPECT_EQ(Doc().GetNote(c, r),
                  CString::FromInt(nDay) + "\r\nNote of " + CString::FromInt(nDay));
        EXPECT_EQ(View().BoxNote(c, r), Doc().GetNote(c, r));
    }
    EXPECT_EQ(View().BoxCaptions(0, 1), "\r\nFirst Sunday\r\n");
    ASSERT_TRUE(Doc().OnSaveDocument(dir.File("sunday.kal")));
    EXPECT_EQ(ReadWholeFile(dir.File("monday.kal")), ReadWholeFile(dir.File("sunday.kal")));

    // And back: opened with Saturday first, the note editor shows the 6th's note.
    theApp.m_options.m_nFirstWeekday = 6;
    ASSERT_TRUE(Doc().OnOpenDocument(dir.File("sunday.kal")));
    View().m_nRefreshNote = 1;
    Paint(900, 1000);
    EXPECT_EQ(page.m_editNote.GetWindowText(), "6\r\nNote of 6");
    EXPECT_TRUE(View().BoxNote(0, 0).IsEmpty()); // 28 November has no box of its own
}

// Week numbers stand in each row's first box, below the notes when the day number is at the
// left and beside it when the day number is at the right.
TEST_F(WeekStartTest, WeekNumbersStandInTheFirstBoxClearOfTheDayNumber) {
    Doc().m_nMonth = 12;
    Doc().m_nYear = 2026;
    theApp.m_options.m_nFirstWeekday = 1;
    auto corners = [&](int nRow, CRect& rcTop, CRect& rcBottom) {
        const CRect rc = View().m_boxRects[CMonthLayout::BoxIndex(0, nRow)];
        rcTop.SetRect(rc.left + 3, rc.top + 3, rc.left + rc.Width() / 3, rc.top + rc.Height() / 4);
        rcBottom.SetRect(rcTop.left, rc.bottom - rc.Height() / 4, rcTop.right, rc.bottom - 3);
    };
    CRect rcTop, rcBottom;
    auto without = Paint(900, 1000);
    corners(1, rcTop, rcBottom);
    EXPECT_EQ(without->CountNot(rcBottom, kWhite), 0);

    theApp.m_options.m_bWeekNumbers = true;
    auto left = Paint(900, 1000);
    Keep(*left, "week_numbers");
    for (int r = 0; r < 6; ++r) {
        corners(r, rcTop, rcBottom);
        // Rows 0 to 4 hold weeks 49 to 53; row 5 holds no day and no number.
        EXPECT_EQ(left->CountNot(rcBottom, kWhite) > 0, r < 5) << "row " << r;
    }
    corners(1, rcTop, rcBottom);
    EXPECT_EQ(left->CountNot(rcTop, kWhite), without->CountNot(rcTop, kWhite)); // the 7th

    theApp.m_nDaySwap = 2;
    auto right = Paint(900, 1000);
    EXPECT_EQ(right->CountNot(rcBottom, kWhite), 0);
    EXPECT_GT(right->CountNot(rcTop, kWhite), 0);
}
