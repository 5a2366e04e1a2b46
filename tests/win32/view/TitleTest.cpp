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

int Width(const InkRun& run) {
    return run.nLast - run.nFirst;
}

// Rows of rc with ink.
int InkHeight(const CPaintedPage& page, const CRect& rc) {
    int nRows = 0;
    for (int y = rc.top; y < rc.bottom; ++y)
        nRows += page.CountNot(CRect(rc.left, y, rc.right, y + 1), kWhite) > 0 ? 1 : 0;
    return nRows;
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

TEST_F(TitleTest, TitleShowsItsAmpersands) {
    theApp.m_nDateStyle = 0;
    Frame().m_wndStylePage.m_editTitle.SetWindowText("AB");
    const auto plain = TitleRuns();
    Frame().m_wndStylePage.m_editTitle.SetWindowText("A&B");
    const auto amp = TitleRuns("ampersand");
    ASSERT_EQ(plain.size(), 2u);
    ASSERT_EQ(amp.size(), 2u);
    EXPECT_GT(Width(amp[1]), Width(plain[1]) * 5 / 4);
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

TEST_F(TitleTest, HeadingFollowsEachStyleAndOrder) {
    Doc().m_nMonth = 9; // "September" is much wider than "1999"
    for (int nStyle : {0, 1, 2, -1}) {
        for (int nSwap : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "style " << nStyle << " swap " << nSwap);
            theApp.m_nDateStyle = nStyle;
            theApp.m_nDateSwap = nSwap;
            auto page = Paint(900, 1000);
            const CRect rc = ScreenLayout(900, 1000).TitleTextRect();
            // Apart at the blank between the words, together within them.
            const auto runs = InkRuns(*page, rc, rc.Height() / 5);
            ASSERT_EQ(runs.size(), 2u);
            EXPECT_EQ(Width(runs[0]) > Width(runs[1]), nSwap == 0);
            const int nTolerance = rc.Width() / 20, nCentre = (rc.left + rc.right) / 2;
            if (nStyle == 0 || nStyle == -1)
                EXPECT_LT(runs[0].nFirst, rc.left + nTolerance);
            if (nStyle == 2 || nStyle == -1)
                EXPECT_GT(runs[1].nLast, rc.right - nTolerance);
            if (nStyle == 0)
                EXPECT_LT(runs[1].nLast, nCentre);
            if (nStyle == 2)
                EXPECT_GT(runs[0].nFirst, nCentre);
            if (nStyle == 1)
                EXPECT_NEAR((runs[0].nFirst + runs[1].nLast) / 2, nCentre, rc.Width() / 50);
        }
    }
}

TEST_F(TitleTest, TitleAndHeadingDrawInTheirOwnColours) {
    const COLORREF crDate = RGB(0, 0, 200), crTitle = RGB(200, 0, 0);
    theApp.m_nDateStyle = 0; // the date at the left, the title at the right
    theApp.m_crDateColor = crDate;
    theApp.m_crTitleColor = crTitle;
    Frame().m_wndStylePage.m_editTitle.SetWindowText("Family");
    auto page = Paint(900, 1000);
    Keep(*page, "colours");
    const CRect rc = ScreenLayout(900, 1000).TitleTextRect();
    const int nCentre = (rc.left + rc.right) / 2;
    const CRect rcLeft(rc.left, rc.top, nCentre, rc.bottom),
        rcRight(nCentre, rc.top, rc.right, rc.bottom);
    EXPECT_GT(page->CountOf(rcLeft, crDate), 20);
    EXPECT_EQ(page->CountOf(rcLeft, crTitle), 0);
    EXPECT_GT(page->CountOf(rcRight, crTitle), 20);
    EXPECT_EQ(page->CountOf(rcRight, crDate), 0);
}

TEST_F(TitleTest, LargeMakesItsPartOfTheBandTaller) {
    theApp.m_nDateStyle = 0;
    Frame().m_wndStylePage.m_editTitle.SetWindowText("Family");
    struct Heights {
        int nDate, nTitle;
    };
    auto measure = [this]() {
        auto page = Paint(900, 1000);
        const CRect rc = ScreenLayout(900, 1000).TitleTextRect();
        const int nCentre = (rc.left + rc.right) / 2;
        return Heights{InkHeight(*page, CRect(rc.left, rc.top, nCentre, rc.bottom)),
                       InkHeight(*page, CRect(nCentre, rc.top, rc.right, rc.bottom))};
    };
    const Heights plain = measure();
    EXPECT_NEAR(plain.nDate, plain.nTitle, plain.nDate / 5);
    theApp.m_nDateSize = 1;
    const Heights largeDate = measure();
    EXPECT_GT(largeDate.nDate, plain.nDate);
    EXPECT_GT(largeDate.nDate, 3 * largeDate.nTitle / 2);
    theApp.m_nDateSize = 0;
    Doc().m_bTitleLarge = 1;
    const Heights largeTitle = measure();
    EXPECT_GT(largeTitle.nTitle, plain.nTitle);
    EXPECT_GT(largeTitle.nTitle, 3 * largeTitle.nDate / 2);
}
