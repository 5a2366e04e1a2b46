// The fitter's heights and overflow marks against the plain rule (try each
// height from the start down until the text fits or the floor is reached)
// over random texts, areas and fonts, on a screen and a printer DC; kept
// answers must follow changes of text and area. Boxes drawn again from their
// kept lines must come out pixel for pixel as DrawText draws them.
#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <random>

#include "ViewFixture.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "framework/AutoSelect.h"
#include "framework/Brush.h"
#include "framework/Dc.h"
#include "framework/Font.h"
#include "view/AlmanarkView.h"
#include "view/NoteFitter.h"

namespace {

CNoteFit PlainRule(CDC& dc, LOGFONT lf, const CString& strText, const CRect& rc, int nStart,
                   int nFloor) {
    lf.lfHeight = std::max(nStart, 1);
    nFloor = std::max(nFloor, 1);
    for (;; --lf.lfHeight) {
        CFont font;
        font.CreateFontIndirect(&lf);
        CAutoSelect sel(dc, font);
        CRect rcMeasure = rc;
        dc.DrawText(strText, &rcMeasure, CNoteFitter::kTextFormat | DT_CALCRECT);
        const bool bFits = rcMeasure.Height() <= rc.Height();
        if (bFits || lf.lfHeight <= nFloor)
            return CNoteFit{(int)lf.lfHeight, !bFits};
    }
}

CString RandomText(std::mt19937& rng) {
    static const char* const s_apszWords[] = {
        "Dentist",        "at",   "10:30",
        "Lunch with Ann", "&Co",  "x",
        "appointment12",  "W",    "Supercalifragilisticexpialidocious",
        "\r\n",           "\r\n", "New Year's Day",
        "Mum;Dad",        "\t"};
    CString str = "\r\n";
    const int nWords = rng() % 40;
    for (int i = 0; i < nWords; ++i) {
        str += s_apszWords[rng() % (sizeof s_apszWords / sizeof *s_apszWords)];
        if (rng() % 3)
            str += " ";
    }
    return str;
}

LOGFONT RandomFont(std::mt19937& rng) {
    static const char* const s_apszFaces[] = {"Arial", "Times New Roman", "Courier New"};
    LOGFONT lf = {};
    lstrcpynA(lf.lfFaceName, s_apszFaces[rng() % 3], LF_FACESIZE);
    lf.lfWeight = rng() % 2 ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = BYTE(rng() % 2);
    return lf;
}

// Areas of day boxes as the view makes them, nScale times the screen's,
// with the start and floor heights of both note sizes.
void ExpectSameAsPlainRule(CDC& dc, int nScale, int nCases) {
    std::mt19937 rng(14 + nScale);
    CNoteFitter fitter;
    // How many first rounds fitted at the start, between, and overflowed.
    int anKinds[3] = {0, 0, 0};
    for (int i = 0; i < nCases; ++i) {
        const int w = nScale * int(20 + rng() % 200), h = nScale * int(20 + rng() % 180);
        const CRect rc(7, 9, 7 + w, 9 + h);
        int nFloor = std::min(w / 9, h / 9);
        const int nStart = rng() % 2 ? (w / 9 <= h / 9 ? w / 7 : h / 7) : nFloor;
        if (dc.IsPrinting())
            nFloor = int(0.9 * nFloor);
        const LOGFONT lf = RandomFont(rng);
        CString strText = RandomText(rng);
        const int nBox = int(rng() % CNoteFitter::kBoxes);
        for (int nRound = 0; nRound < 3; ++nRound) {
            // Round 1 answers from what round 0 kept; round 2 has a changed text.
            if (nRound == 2)
                strText += " and more";
            const CNoteFit fit = fitter.Fit(dc, nBox, lf, strText, rc, nStart, nFloor);
            const CNoteFit plain = PlainRule(dc, lf, strText, rc, nStart, nFloor);
            ASSERT_EQ(plain.nHeight, fit.nHeight) << "case " << i << " round " << nRound;
            ASSERT_EQ(plain.bOverflow, fit.bOverflow) << "case " << i << " round " << nRound;
            if (nRound == 0)
                ++anKinds[fit.bOverflow ? 2 : fit.nHeight == std::max(nStart, 1) ? 0 : 1];
        }
        fitter.TrimFonts();
    }
    for (int nCount : anKinds)
        EXPECT_GT(nCount, nCases / 20);
}

TEST(NoteFitterTest, AgreesWithThePlainRuleOnScreenAndPrinter) {
    CDC screen;
    screen.CreateCompatibleDC(nullptr);
    ExpectSameAsPlainRule(screen, 1, 400);

    char szPrinter[256] = {0};
    DWORD nSize = sizeof szPrinter;
    ASSERT_TRUE(GetDefaultPrinterA(szPrinter, &nSize));
    CDC printer;
    ASSERT_TRUE(printer.CreateDC("WINSPOOL", szPrinter, nullptr, nullptr));
    printer.m_bPrinting = true;
    EXPECT_GT(printer.GetDeviceCaps(LOGPIXELSY), 200);
    ExpectSameAsPlainRule(printer, 3, 150);
}

// Hatched so that the background of opaque text shows.
void FillBackground(CPaintedPage& page, int nCase) {
    const RECT rc = {0, 0, page.Width(), page.Height()};
    ::PatBlt(page.Dc(), 0, 0, page.Width(), page.Height(), WHITENESS);
    CBrush hatch;
    hatch.CreateHatchBrush(HS_DIAGCROSS, RGB(0, 128, 255));
    page.Dc().FillRect(rc, hatch);
    page.Dc().SetBkMode(nCase % 2 ? TRANSPARENT : OPAQUE);
    page.Dc().SetBkColor(RGB(255, 255, 160));
    page.Dc().SetTextColor(RGB(128, 0, 0));
}

TEST(NoteFitterTest, KeptLinesDrawWhatDrawTextDraws) {
    static const char* const s_apszTexts[] = {
        "\r\nDentist at 10:30 &Co W x",
        "\r\nSupercalifragilisticexpialidocious and more",
        "\r\none\ntwo\rthree\r\n\r\nfour\n\rfive",
        "\r\ntab\tin\t\tthe  middle   and trailing   ",
        "\r\n&&& && &x \xe9t\xe9 Stra\xdf"
        "e 1-2-3-4-5-6-7-8-9-0",
        "\r\n",
    };
    std::mt19937 rng(1402);
    CPaintedPage direct(420, 320), kept(420, 320);
    CNoteFitter fitter;
    const int nCases = 60;
    for (int i = 0; i < nCases; ++i) {
        CString strText = i % 3 ? RandomText(rng) : CString(s_apszTexts[i / 3 % 6]);
        if (i % 5 == 0)
            for (int k = 0; k < 8; ++k)
                strText += strText; // far too long for the box
        const int w = 20 + rng() % 180, h = 20 + rng() % 160;
        const int nStart = std::max(w, h) / 7, nFloor = std::min(w, h) / 9;
        const LOGFONT lf = RandomFont(rng);
        const int nBox = i % CNoteFitter::kBoxes;
        // The box is painted twice in one place, then moved, then its text changes.
        const CRect rcFirst(5, 7, 5 + w, 7 + h), rcMoved(200, 130, 200 + w, 130 + h);
        for (int nRound = 0; nRound < 5; ++nRound) {
            const CRect& rc = nRound < 2 ? rcFirst : rcMoved;
            if (nRound == 3)
                strText += " changed";
            FillBackground(direct, i);
            FillBackground(kept, i);
            const CNoteFit fit = fitter.Fit(kept.Dc(), nBox, lf, strText, rc, nStart, nFloor);
            LOGFONT lfFit = lf;
            lfFit.lfHeight = fit.nHeight;
            CFont font;
            font.CreateFontIndirect(&lfFit);
            CAutoSelect selDirect(direct.Dc(), font), selKept(kept.Dc(), font);
            CRect rcDirect = rc;
            direct.Dc().DrawText(strText, &rcDirect, CNoteFitter::kTextFormat);
            fitter.Draw(kept.Dc(), nBox, strText, rc);
            while (fitter.RecordNext()) {
                // what the program does while idle
            }
            ASSERT_TRUE(direct.SamePixels(kept)) << "case " << i << " round " << nRound;
        }
    }
    // Rounds 1, 2 and 4 of every case come from kept lines.
    EXPECT_EQ(fitter.m_nRedrawn, 3 * nCases);
}

class RepaintTest : public CViewTest {};

// The whole month, notes and overflowing captions, on screen and as printed.
TEST_F(RepaintTest, RepaintsOfAnUnchangedPageAreThePaintItself) {
    std::mt19937 rng(1403);
    for (int c = 0; c < CMonthLayout::kColumns; ++c)
        for (int r = 0; r < CMonthLayout::kRows; ++r)
            Doc().SetNote(RandomText(rng), c, r);
    CString strEvents;
    for (int i = 0; i < 200; ++i)
        strEvents +=
            "May " + CString::FromInt(10 + i % 5) + "\tEvent " + CString::FromInt(i) + "\r\n";
    theApp.m_strAllEvents = strEvents;
    const int nRedrawn = View().m_noteFitter.m_nRedrawn;
    auto first = Paint(900, 700);
    // Idle time after the first paint records the 31 days' lines; the
    // second and third paints draw them.
    while (View().m_noteFitter.RecordNext()) {
    }
    EXPECT_TRUE(first->SamePixels(*Paint(900, 700)));
    EXPECT_TRUE(first->SamePixels(*Paint(900, 700)));
    EXPECT_EQ(View().m_noteFitter.m_nRedrawn, nRedrawn + 2 * 31);
    auto printed = PaintAsPrinter();
    EXPECT_TRUE(printed->SamePixels(*PaintAsPrinter()));
    EXPECT_TRUE(printed->SamePixels(*PaintAsPrinter()));
}

} // namespace
