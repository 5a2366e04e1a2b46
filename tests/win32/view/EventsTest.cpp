// Event captions in the day boxes: evaluated while asked for, reused
// otherwise, shown after the note.
#include "ViewFixture.h"

#include "app/AlmanarkApp.h"
#include "dates/DateCalc.h"
#include "document/AlmanarkDoc.h"
#include "view/AlmanarkView.h"

namespace {
// The boxes (column * 6 + row) whose caption text is not empty.
std::vector<int> BoxesWithCaptions() {
    std::vector<int> boxes;
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 6; ++r)
            if (!theApp.m_strEventText[c][r].IsEmpty())
                boxes.push_back(c * 6 + r);
    return boxes;
}

int BoxOfDay(int nYear, int nMonth, int nDay) {
    const int nSlot = WeekdayOf(nYear, nMonth, 1) + nDay - 1;
    return (nSlot % 7) * 6 + nSlot / 7;
}

const CString& CaptionsOf(int nBox) {
    return theApp.m_strEventText[nBox / 6][nBox % 6];
}
} // namespace

class EventsTest : public CViewTest {};

TEST_F(EventsTest, LastMondayOfMayFallsOnTheFifthOrFourthMonday) {
    theApp.m_strAllEvents = "May-Mon #L\tMemorial Day\r\n";
    Paint(900, 1000); // May 1999: Mondays 3, 10, 17, 24, 31
    EXPECT_EQ(BoxesWithCaptions(), std::vector<int>{BoxOfDay(1999, 5, 31)});
    EXPECT_EQ(CaptionsOf(BoxOfDay(1999, 5, 31)), "\r\nMemorial Day\r\n");
    EXPECT_EQ(View().m_nEvalEvents, 0);

    Doc().m_nYear = 2001; // Mondays 7, 14, 21, 28
    View().m_nEvalEvents = 1;
    Paint(900, 1000);
    EXPECT_EQ(BoxesWithCaptions(), std::vector<int>{BoxOfDay(2001, 5, 28)});
}

TEST_F(EventsTest, EasterEntryShowsTheWordEasterOnEasterSunday) {
    theApp.m_strAllEvents = "EASTER\tSunrise service\r\n";
    Doc().m_nMonth = 4; // Easter 1999 is 4 April
    Paint(900, 1000);
    EXPECT_EQ(View().m_strEaster, "Apr 04\t");
    EXPECT_EQ(BoxesWithCaptions(), std::vector<int>{BoxOfDay(1999, 4, 4)});
    EXPECT_EQ(CaptionsOf(BoxOfDay(1999, 4, 4)), "\r\nEaster\r\n");
}

TEST_F(EventsTest, AnnualAndOneYearEntriesBothMatchTheirYear) {
    theApp.m_strAllEvents = "Jul 04\tIndependence Day\r\nJul 04, 1999\tIndependence Day\r\n";
    Doc().m_nMonth = 7;
    Paint(900, 1000);
    EXPECT_EQ(CaptionsOf(BoxOfDay(1999, 7, 4)), "\r\nIndependence Day\r\nIndependence Day\r\n");
    Doc().m_nYear = 2000;
    View().m_nEvalEvents = 1;
    Paint(900, 1000);
    EXPECT_EQ(CaptionsOf(BoxOfDay(2000, 7, 4)), "\r\nIndependence Day\r\n");
}

TEST_F(EventsTest, CaptionStandingInTheNoteIsNotRepeated) {
    theApp.m_strAllEvents = "May 05\tBirthday\r\nMay 05\tDinner\r\n";
    const int nBox = BoxOfDay(1999, 5, 5);
    Doc().SetNote("5\r\nCall Ann\r\nBirthday\r\nGift", nBox / 6, nBox % 6);
    Paint(900, 1000);
    EXPECT_EQ(CaptionsOf(nBox), "\r\nDinner\r\n");
}

TEST_F(EventsTest, StoredCaptionsAreReusedUntilEvaluationIsAsked) {
    theApp.m_strAllEvents = "May 10\tOld\r\n";
    Paint(900, 1000);
    const int nOld = BoxOfDay(1999, 5, 10), nNew = BoxOfDay(1999, 5, 11);
    ASSERT_EQ(CaptionsOf(nOld), "\r\nOld\r\n");
    theApp.m_strAllEvents = "May 11\tNew\r\n";
    Paint(900, 1000);
    EXPECT_EQ(CaptionsOf(nOld), "\r\nOld\r\n");
    EXPECT_EQ(CaptionsOf(nNew), "");
    // Asked again without the list's owner emptying the table first: nothing
    // of the old list stays.
    View().m_nEvalEvents = 1;
    Paint(900, 1000);
    EXPECT_EQ(BoxesWithCaptions(), std::vector<int>{nNew});
}

TEST_F(EventsTest, CaptionsAreDrawnBelowTheNote) {
    theApp.m_strAllEvents = "May-Mon #L\tMemorial Day\r\n";
    auto bare = Paint(900, 1000);
    const CRect rcBox = View().m_boxRects[BoxOfDay(1999, 5, 31)];
    // The caption stands on the third line: below the day number's line.
    const int nInkTop = [&] {
        for (int y = rcBox.top + 2; y < rcBox.bottom - 2; ++y)
            for (int x = rcBox.left + 2; x < rcBox.right - 2; ++x)
                if (bare->At(x, y) != kWhite && y > rcBox.top + rcBox.Height() / 3)
                    return y;
        return -1;
    }();
    EXPECT_GT(nInkTop, 0);
    theApp.m_strAllEvents.Empty();
    View().m_nEvalEvents = 1;
    auto none = Paint(900, 1000);
    CRect rcLower(rcBox.left + 2, rcBox.top + rcBox.Height() / 3, rcBox.right - 2,
                  rcBox.bottom - 2);
    EXPECT_EQ(none->CountNot(rcLower, kWhite), 0);
    EXPECT_GT(bare->CountNot(rcLower, kWhite), 20);
}
