// The fitter's heights and overflow marks against the plain rule (try each
// height from the start down until the text fits or the floor is reached)
// over random texts, areas and fonts, on a screen and a printer DC; kept
// answers must follow changes of text and area.
#include <gtest/gtest.h>

#include <windows.h>
#include <winspool.h>

#include <random>

#include "framework/AutoSelect.h"
#include "framework/Dc.h"
#include "framework/Font.h"
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

} // namespace
