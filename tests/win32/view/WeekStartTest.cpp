// Weeks that start on another day, and week numbers: with both at their
// defaults the pages are those the program drew before either existed.
#include "ViewFixture.h"

#include "app/AlmanarkApp.h"
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
