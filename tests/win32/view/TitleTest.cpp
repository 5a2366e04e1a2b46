// The title band: month and year in the four placements and both orders,
// the user's title beside them.
#include "ViewFixture.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"
#include "view/CalendarText.h"

namespace {
// Ink columns of the title text rectangle, as runs [first, last].
struct InkRun {
    int nFirst;
    int nLast;
};

std::vector<InkRun> InkRuns(const CPaintedPage& page, const CRect& rc, int nGap) {
    std::vector<InkRun> runs;
    int nBlank = nGap;
    for (int x = rc.left; x < rc.right; ++x) {
        const bool bInk = page.CountNot(CRect(x, rc.top, x + 1, rc.bottom), kWhite) > 0;
        if (!bInk) {
            ++nBlank;
            continue;
        }
        if (nBlank >= nGap)
            runs.push_back({x, x});
        runs.back().nLast = x;
        nBlank = 0;
    }
    return runs;
}
} // namespace

class TitleTest : public CViewTest {
protected:
    std::vector<InkRun> TitleRuns(const char* pszShot = nullptr) {
        auto page = Paint(900, 1000);
        if (pszShot)
            Keep(*page, pszShot);
        m_rcText = ScreenLayout(900, 1000).TitleTextRect();
        return InkRuns(*page, m_rcText, m_rcText.Width() / 10);
    }
    CRect m_rcText;
};

TEST_F(TitleTest, FontHeightsFollowTheLargeSwitches) {
    int nDate = 0, nTitle = 0;
    CCalendarText::TitleFontHeights(700, 40, false, false, nDate, nTitle);
    EXPECT_EQ(nDate, 39);
    EXPECT_EQ(nTitle, 39);
    CCalendarText::TitleFontHeights(700, 40, true, false, nDate, nTitle);
    EXPECT_EQ(nDate, 40);
    EXPECT_EQ(nTitle, 20);
    CCalendarText::TitleFontHeights(700, 40, false, true, nDate, nTitle);
    EXPECT_EQ(nDate, 20);
    EXPECT_EQ(nTitle, 40);
    CCalendarText::TitleFontHeights(210, 40, true, true, nDate, nTitle);
    EXPECT_EQ(nDate, 30);
    EXPECT_EQ(nTitle, 30);
    CCalendarText::TitleFontHeights(210, 40, true, false, nDate, nTitle);
    EXPECT_EQ(nDate, 30);
    EXPECT_EQ(nTitle, 15);
}

TEST_F(TitleTest, DateStandsLeftCentreOrRight) {
    theApp.m_nDateStyle = 0;
    auto runs = TitleRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_LT(runs[0].nFirst, m_rcText.left + m_rcText.Width() / 20);
    EXPECT_LT(runs[0].nLast, m_rcText.left + m_rcText.Width() / 2);

    theApp.m_nDateStyle = 2;
    runs = TitleRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_GT(runs[0].nLast, m_rcText.right - m_rcText.Width() / 20);
    EXPECT_GT(runs[0].nFirst, m_rcText.left + m_rcText.Width() / 2);

    theApp.m_nDateStyle = 1;
    runs = TitleRuns();
    ASSERT_EQ(runs.size(), 1u);
    const int nMiddle = (runs[0].nFirst + runs[0].nLast) / 2;
    EXPECT_NEAR(nMiddle, (m_rcText.left + m_rcText.right) / 2, m_rcText.Width() / 50);
}

TEST_F(TitleTest, SplitDatePutsMonthAndYearAtOppositeSides) {
    Doc().m_nMonth = 9; // "September" is much wider than "1999"
    theApp.m_nDateStyle = -1;
    auto runs = TitleRuns("split");
    ASSERT_EQ(runs.size(), 2u);
    const int nLeftWidth = runs[0].nLast - runs[0].nFirst;
    const int nRightWidth = runs[1].nLast - runs[1].nFirst;
    EXPECT_GT(nLeftWidth, nRightWidth * 3 / 2);

    theApp.m_nDateSwap = 1;
    runs = TitleRuns();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_LT((runs[0].nLast - runs[0].nFirst) * 3 / 2, runs[1].nLast - runs[1].nFirst);
}

TEST_F(TitleTest, SplitDateCentresTheTitleBetweenThem) {
    theApp.m_nDateStyle = -1;
    Frame().m_wndStylePage.m_editTitle.SetWindowText("Family");
    auto runs = TitleRuns("split-title");
    ASSERT_EQ(runs.size(), 3u);
    const int nMiddle = (runs[1].nFirst + runs[1].nLast) / 2;
    EXPECT_NEAR(nMiddle, (m_rcText.left + m_rcText.right) / 2, m_rcText.Width() / 50);
    EXPECT_EQ(Doc().m_strTitle, "Family");
}

TEST_F(TitleTest, TitleGoesRightOfALeftDateAndLeftOfACentredOne) {
    Frame().m_wndStylePage.m_editTitle.SetWindowText("Family");
    theApp.m_nDateStyle = 0;
    auto runs = TitleRuns();
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_GT(runs[1].nLast, m_rcText.right - m_rcText.Width() / 20);
    theApp.m_nDateStyle = 1;
    runs = TitleRuns();
    ASSERT_GE(runs.size(), 2u);
    EXPECT_LT(runs[0].nFirst, m_rcText.left + m_rcText.Width() / 20);
}

TEST_F(TitleTest, TitleButtonsAreEnabledOnlyWithATitle) {
    HWND hFont = Frame().m_wndStylePage.GetDlgItem(IDC_TITLE_FONT);
    HWND hLarge = Frame().m_wndStylePage.GetDlgItem(IDC_TITLE_LARGE);
    Paint(900, 1000);
    EXPECT_FALSE(::IsWindowEnabled(hFont));
    EXPECT_FALSE(::IsWindowEnabled(hLarge));
    Frame().m_wndStylePage.m_editTitle.SetWindowText("Family");
    Paint(900, 1000);
    EXPECT_TRUE(::IsWindowEnabled(hFont));
    EXPECT_TRUE(::IsWindowEnabled(hLarge));
}

TEST_F(TitleTest, ItalicDateKeepsABlankAtItsEdge) {
    theApp.m_nDateStyle = 2;
    auto upright = TitleRuns();
    Doc().m_lfDate.lfItalic = 1;
    auto italic = TitleRuns("italic");
    ASSERT_EQ(upright.size(), 1u);
    ASSERT_EQ(italic.size(), 1u);
    // The trailing blank moves the slanted text off the right edge.
    EXPECT_LT(italic[0].nLast, upright[0].nLast - 2);
}
