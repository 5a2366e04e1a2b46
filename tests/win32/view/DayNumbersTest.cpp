// The small panels' day numbers land on exactly the pixels DrawText gives
// them (centred, clipped to their cells), whether drawn a row at a time or
// a number at a time: over a patterned page without background, and with
// it, in upright, italic and bold faces, in cells that fit them and cells
// that clip them.
#include "ViewFixture.h"

#include <cstring>

#include "framework/AutoSelect.h"
#include "view/DayNumbers.h"
#include "view/MonthPanelLayout.h"

namespace {
struct DayNumbersCase {
    const char* pszFace;
    bool bItalic;
    int nWeight;
    RECT rcPanel;
    double dHeightScale; // of the layout's own day font height
    int nBkMode;
    int nEscapement = 0;
};

const DayNumbersCase kCases[] = {
    {"Liberation Sans", false, FW_NORMAL, {10, 10, 230, 190}, 1.0, TRANSPARENT},
    {"Liberation Sans", false, FW_NORMAL, {10, 10, 230, 190}, 1.0, OPAQUE},
    {"Liberation Serif", true, FW_NORMAL, {33, 17, 251, 212}, 1.0, TRANSPARENT},
    {"Liberation Mono", false, FW_BOLD, {5, 40, 141, 151}, 1.0, TRANSPARENT},
    {"Liberation Serif", true, FW_BOLD, {0, 0, 61, 53}, 1.0, TRANSPARENT},
    {"Liberation Sans", false, FW_NORMAL, {10, 10, 230, 190}, 3.0, TRANSPARENT},
    {"Liberation Sans", true, FW_NORMAL, {10, 10, 230, 190}, 2.5, OPAQUE},
    {"Liberation Mono", false, FW_NORMAL, {3, 3, 400, 300}, 0.6, TRANSPARENT},
    {"System", false, FW_NORMAL, {10, 10, 400, 300}, 1.0, TRANSPARENT}, // a bitmap font
    {"Liberation Sans", false, FW_NORMAL, {10, 10, 400, 300}, 1.0, TRANSPARENT, 900}, // a file's
                                                                                      // odd font
};

// Stripes of colour, so that text without background shows what it is drawn over.
void PaintPattern(CDC& dc, int cx, int cy) {
    for (int y = 0; y < cy; y += 3) {
        const RECT rc = {0, y, cx, y + 3};
        const HBRUSH hBrush = ::CreateSolidBrush(RGB(255 - y % 97, 200 + y % 50, 150 + y % 101));
        ::FillRect(dc, &rc, hBrush);
        ::DeleteObject(hBrush);
    }
}

void Prepare(CPaintedPage& page, const DayNumbersCase& test) {
    PaintPattern(page.Dc(), page.Width(), page.Height());
    ::SetBkMode(page.Dc(), test.nBkMode);
    ::SetBkColor(page.Dc(), RGB(250, 240, 200));
    ::SetTextColor(page.Dc(), RGB(20, 60, 160));
}
} // namespace

TEST(DayNumbersTest, PanelsDayNumbersMatchDrawText) {
    for (const DayNumbersCase& test : kCases) {
        SCOPED_TRACE(std::string(test.pszFace) + " " + std::to_string(test.rcPanel.right) + " " +
                     std::to_string(test.dHeightScale) + " " + std::to_string(test.nBkMode));
        LOGFONTA lf = {};
        strcpy(lf.lfFaceName, test.pszFace);
        lf.lfItalic = test.bItalic;
        lf.lfWeight = test.nWeight;
        lf.lfEscapement = lf.lfOrientation = test.nEscapement;
        for (int nFirstColumn : {0, 6}) {
            const CMonthPanelLayout panel(test.rcPanel, 0, nFirstColumn, 31);
            const int nHeight = (int)(panel.DayFontHeight() * test.dHeightScale);
            CPaintedPage expected(420, 320), drawn(420, 320);
            Prepare(expected, test);
            Prepare(drawn, test);
            lf.lfHeight = nHeight;
            CFont font;
            font.CreateFontIndirect(&lf);
            {
                CAutoSelect select(expected.Dc(), font);
                for (int d = 1; d <= 31; ++d) {
                    CRect rc = panel.DayCell(d);
                    expected.Dc().DrawText(CString::FromInt(d), &rc,
                                           DT_CENTER | DT_VCENTER | DT_SINGLELINE);
                }
            }
            CDayNumbers numbers;
            CAutoSelect select(drawn.Dc(), numbers.Font(lf, nHeight));
            numbers.DrawMonth(drawn.Dc(), panel, 31);
            CPaintedPage blank(420, 320);
            Prepare(blank, test);
            EXPECT_FALSE(blank.SamePixels(expected)); // the numbers were drawn at all
            EXPECT_TRUE(drawn.SamePixels(expected)) << "first column " << nFirstColumn;
        }
    }
}

namespace {
int CALLBACK CountTextCalls(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam) {
    if (pRecord->iType == EMR_EXTTEXTOUTA || pRecord->iType == EMR_EXTTEXTOUTW)
        ++*reinterpret_cast<int*>(lParam);
    return 1;
}

// The text calls a month of 31 days makes, recorded.
int TextCallsForMonth(int nBkMode) {
    CPaintedPage page(420, 320);
    CDC recorder;
    recorder.Attach(::CreateEnhMetaFileA(page.Dc(), nullptr, nullptr, nullptr));
    ::SetBkMode(recorder, nBkMode);
    LOGFONTA lf = {};
    strcpy(lf.lfFaceName, "Liberation Sans");
    const CMonthPanelLayout panel(RECT{10, 10, 230, 190}, 0, 3, 31);
    CDayNumbers numbers;
    {
        CAutoSelect select(recorder, numbers.Font(lf, panel.DayFontHeight()));
        numbers.DrawMonth(recorder, panel, 31);
    }
    const HENHMETAFILE hRecording = ::CloseEnhMetaFile(recorder.Detach());
    int nCalls = 0;
    ::EnumEnhMetaFile(nullptr, hRecording, CountTextCalls, &nCalls, nullptr);
    ::DeleteEnhMetaFile(hRecording);
    return nCalls;
}
} // namespace

// What makes the year page quick: text without background goes a week row
// at a time; text with it, a number at a time.
TEST(DayNumbersTest, TextWithoutBackgroundGoesARowAtATime) {
    EXPECT_EQ(TextCallsForMonth(TRANSPARENT), 5);
    EXPECT_EQ(TextCallsForMonth(OPAQUE), 31);
}
