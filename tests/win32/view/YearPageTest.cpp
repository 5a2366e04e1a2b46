// The year page: panels in each arrangement, the title band, the years
// without panels; texts read back from a metafile recording of the paint.
#include "ViewFixture.h"

#include <functional>
#include <vector>

#include "app/AlmanarkApp.h"
#include "dates/CalendarNames.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "view/AlmanarkView.h"
#include "view/CalendarBox.h"
#include "view/CalendarText.h"
#include "view/KeptPanels.h"
#include "view/PageGeometry.h"
#include "view/YearLayout.h"
#include "view/YearPage.h"

namespace {
struct CTextRun {
    CString str;
    CPoint pt;
};

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam) {
    if (pRecord->iType != EMR_EXTTEXTOUTW)
        return 1;
    const auto* pText = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
    const auto* pwsz = reinterpret_cast<const wchar_t*>(reinterpret_cast<const BYTE*>(pRecord) +
                                                        pText->emrtext.offString);
    char sz[256] = {0};
    WideCharToMultiByte(CP_ACP, 0, pwsz, (int)pText->emrtext.nChars, sz, sizeof sz - 1, nullptr,
                        nullptr);
    reinterpret_cast<std::vector<CTextRun>*>(lParam)->push_back(
        {CString(sz), CPoint(pText->emrtext.ptlReference.x, pText->emrtext.ptlReference.y)});
    return 1;
}

// What draw writes, and where.
template <class Draw> std::vector<CTextRun> RecordTexts(Draw draw, bool bPrinting = false) {
    HDC hRecord = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    CDC dc;
    dc.Attach(hRecord);
    dc.m_bPrinting = bPrinting;
    draw(dc);
    dc.Detach();
    HENHMETAFILE hEmf = CloseEnhMetaFile(hRecord);
    std::vector<CTextRun> runs;
    EnumEnhMetaFile(nullptr, hEmf, CollectText, &runs, nullptr);
    DeleteEnhMetaFile(hEmf);
    return runs;
}

std::vector<CTextRun> Named(const std::vector<CTextRun>& runs, const char* psz) {
    std::vector<CTextRun> found;
    for (const CTextRun& run : runs)
        if (run.str == psz)
            found.push_back(run);
    return found;
}
} // namespace

class YearPageTest : public CViewTest {
protected:
    void SetUp() override {
        CViewTest::SetUp();
        Doc().m_bYearDoc = 1;
    }
    void TearDown() override {
        Doc().m_bYearDoc = 0;
        Arrange(3, 4);
        CViewTest::TearDown();
    }
    void Arrange(int nCols, int nRows) {
        Frame().m_wndCalendarPage.m_nArrangeCols = nCols;
        Frame().m_wndCalendarPage.m_nArrangeRows = nRows;
    }
    // The page with the month panels drawn onto it, not copied from the kept bitmap.
    std::unique_ptr<CPaintedPage> PaintAfresh(int cx, int cy) {
        View().m_keptPanels.m_bKeep = false;
        auto page = Paint(cx, cy);
        View().m_keptPanels.m_bKeep = true;
        return page;
    }
};

// A repaint after each change of what the panels are drawn from shows what
// drawing them afresh shows, and the change shows: stale panels would fail.
TEST_F(YearPageTest, KeptPanelsFollowEachChangeOfWhatTheyAreDrawnFrom) {
    const LOGFONT lfWeekday = Doc().m_lfWeekday, lfNotes = Doc().m_lfNotes;
    const struct {
        const char* pszWhat;
        std::function<void()> change;
        int cx = 900;
    } changes[] = {
        {"year", [&] { Doc().m_nYear = 2000; }},
        {"first weekday", [&] { theApp.m_options.m_nFirstWeekday = 1; }},
        {"month name font", [&] { Doc().m_lfWeekday.lfItalic = 1; }},
        {"day number font", [&] { Doc().m_lfNotes.lfWeight = FW_BOLD; }},
        {"month name colour", [&] { theApp.m_crWeekdayColor = kBlue; }},
        {"day number colour", [&] { theApp.m_crNotesColor = kRed; }},
        {"arrangement", [&] { Arrange(4, 3); }},
        {"large title", [&] { Doc().m_bTitleLarge = 1; }},
        {"calendar's place", [&] { Doc().m_dCalLeft += 0.05; }},
        {"window size", [] {}, 800},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.pszWhat);
        Doc().m_bYearDoc = 1;
        Paint(900, 1000);
        const auto before = Paint(900, 1000);
        ASSERT_TRUE(View().m_keptPanels.HoldsDrawing());
        c.change();
        const auto kept = Paint(c.cx, 1000);
        EXPECT_TRUE(View().m_keptPanels.HoldsDrawing());
        EXPECT_TRUE(kept->SamePixels(*PaintAfresh(c.cx, 1000)));
        EXPECT_FALSE(kept->SamePixels(*before));
        SetUp();
        Doc().m_lfWeekday = lfWeekday;
        Doc().m_lfNotes = lfNotes;
        Arrange(3, 4);
    }
    // Fonts that come or go may change the panels' look.
    Doc().m_bYearDoc = 1;
    for (UINT nMsg : {WM_FONTCHANGE, WM_SETTINGCHANGE}) {
        Paint(900, 1000);
        Frame().SendMessage(nMsg, 0, 0);
        EXPECT_FALSE(View().m_keptPanels.HoldsDrawing()) << nMsg;
    }
    // A month page needs no kept panels; see-through panels cannot be kept.
    Doc().m_bYearDoc = 0;
    Paint(900, 1000);
    EXPECT_FALSE(View().m_keptPanels.HoldsDrawing());
    Doc().m_bYearDoc = 1;
    Doc().m_bImageShowsThrough = 1;
    Paint(900, 1000);
    EXPECT_FALSE(View().m_keptPanels.HoldsDrawing());
}

// In the window itself, through its own DC and bitmaps like it, the kept
// panels show what drawing them shows.
TEST_F(YearPageTest, WindowShowsKeptPanelsAsDrawn) {
    Frame().ShowWindow(SW_SHOWNOACTIVATE);
    const CRect rc = View().GetClientRect();
    auto shown = [&] {
        View().Invalidate();
        View().UpdateWindow();
        auto page = std::make_unique<CPaintedPage>(rc.Width(), rc.Height());
        const HDC hWindow = ::GetDC(View().GetSafeHwnd());
        ::BitBlt(page->Dc(), 0, 0, rc.Width(), rc.Height(), hWindow, 0, 0, SRCCOPY);
        ::ReleaseDC(View().GetSafeHwnd(), hWindow);
        return page;
    };
    shown();
    const auto kept = shown();
    EXPECT_TRUE(View().m_keptPanels.HoldsDrawing());
    View().m_keptPanels.m_bKeep = false;
    const auto drawn = shown();
    View().m_keptPanels.m_bKeep = true;
    Frame().ShowWindow(SW_HIDE);
    ASSERT_GT(rc.Width() * rc.Height(), 0);
    EXPECT_GT(kept->CountNot(rc, kWhite), 1000);
    EXPECT_TRUE(kept->SamePixels(*drawn));
}

// Files store the weekday font's height, which a paint of the panels sets:
// copying them leaves it as drawing them does, after a printed page set it.
TEST_F(YearPageTest, KeptPanelsLeaveTheWeekdayHeightOfADrawnPage) {
    PaintAfresh(900, 1000);
    const LONG nDrawn = Doc().m_lfWeekday.lfHeight;
    Paint(900, 1000);
    CPaintedPage paper(10, 10, true);
    View().OnDraw(&paper.Dc());
    ASSERT_NE(nDrawn, Doc().m_lfWeekday.lfHeight);
    Paint(900, 1000);
    EXPECT_TRUE(View().m_keptPanels.HoldsDrawing());
    EXPECT_EQ(nDrawn, Doc().m_lfWeekday.lfHeight);
}

TEST_F(YearPageTest, MonthsStandRowByRowInEachArrangement) {
    Frame().m_wndStylePage.m_editTitle.SetWindowText("Our Year");
    const struct { int nCols, nRows; } arrangements[] = {{3, 4}, {4, 3}, {2, 6}, {6, 2}};
    for (const auto& a : arrangements) {
        Arrange(a.nCols, a.nRows);
        Paint(900, 1000); // places the calendar and sizes the page
        const auto runs = RecordTexts([&](CDC& dc) { View().OnDraw(&dc); });
        const CPageGeometry page(CViewEnvironment::PrinterMetrics(), true, 900, 1000);
        const CYearLayout layout(page.CalendarBox(Doc().m_dCalLeft, Doc().m_dCalTop,
                                                  Doc().m_dCalRight, Doc().m_dCalBottom),
                                 false, a.nCols, a.nRows);
        EXPECT_EQ(layout.Frame(), View().m_rectCalFrame);
        for (int m = 1; m <= 12; ++m) {
            const auto names = Named(runs, CCalendarNames(false).Month(m));
            ASSERT_EQ(1u, names.size()) << a.nCols << "x" << a.nRows << " month " << m;
            EXPECT_TRUE(layout.PanelRect(m).PtInRect(names[0].pt))
                << a.nCols << "x" << a.nRows << " month " << m;
        }
        // The title band holds the year and the title, no month.
        for (const char* psz : {"1999", "Our Year"}) {
            const auto found = Named(runs, psz);
            ASSERT_EQ(1u, found.size()) << psz;
            EXPECT_TRUE(layout.TitleBox().PtInRect(found[0].pt)) << psz;
        }
        EXPECT_TRUE(Named(runs, "May 1999").empty());
    }
}

TEST_F(YearPageTest, YearWithoutPanelsKeepsTitleAndScreenFrame) {
    const CCalendarBox box = CCalendarBox::OnPrinter(CRect(20, 20, 620, 820));
    Doc().m_nYear = 2040;
    for (bool bPrinting : {false, true}) {
        CPaintedPage page(640, 840, bPrinting);
        CYearPage(page.Dc(), Doc()).Draw(box, 3, 4, "2040", "Title");
        const CYearLayout layout(box, false, 3, 4);
        const CRect rcBelowTitle(21, layout.TitleBox().bottom + 1, 619, 819);
        // Nothing below the title band, only the frame's bottom line on screen.
        EXPECT_EQ(0, page.CountNot(rcBelowTitle, kWhite));
        EXPECT_EQ(bPrinting ? 0 : 598, page.CountNot(CRect(21, 819, 619, 820), kWhite))
            << bPrinting;
        const auto runs = RecordTexts(
            [&](CDC& dc) { CYearPage(dc, Doc()).Draw(box, 3, 4, "2040", "Title"); }, bPrinting);
        ASSERT_EQ(2u, runs.size());
        EXPECT_EQ("2040", runs[0].str);
    }
    Doc().m_nYear = 1999;
}
