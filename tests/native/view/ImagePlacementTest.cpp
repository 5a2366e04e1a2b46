#include "view/ImagePlacement.h"

#include <gtest/gtest.h>

namespace {
using P = CImagePlacement;
// Printable area 10..590 by 20..780 with the calendar at 100..401 by 300..500:
// 280 pixels above it and 280 below.
const CRect kPrintable(10, 20, 590, 780);
const CRect kCalendar(100, 300, 401, 500);
} // namespace

TEST(ImagePlacementTest, ButtonsMoveThePictureAndNameTheEdgesTheyWrite) {
    const struct Case {
        const char* pszWhat;
        P::Button button;
        CRect rcCalendar;
        CRect rcImage;
        CRect rcExpected;
        int nEdges;
    } cases[] = {
        {"full width keeps the height",
         P::fullWidth,
         kCalendar,
         {50, 60, 150, 90},
         {10, 60, 590, 90},
         P::edgesHorizontal},
        {"fill takes the calendar's width",
         P::fillWidth,
         kCalendar,
         {50, 60, 150, 90},
         {100, 60, 401, 90},
         P::edgesHorizontal},
        // Centre 250 of an odd-width calendar; 101 wide stays 101 wide.
        {"center keeps the width exactly",
         P::centerHorizontally,
         kCalendar,
         {0, 60, 101, 90},
         {200, 60, 301, 90},
         P::edgesAll},
        {"full height",
         P::fullHeight,
         kCalendar,
         {50, 60, 150, 90},
         {50, 20, 150, 780},
         P::edgesVertical},
        {"fill: a tie goes above",
         P::fillHeight,
         CRect(100, 70, 401, 730),
         {50, 0, 150, 40},
         {50, 20, 150, 70},
         P::edgesVertical},
        {"fill: more room below",
         P::fillHeight,
         CRect(100, 60, 401, 700),
         {50, 0, 150, 40},
         {50, 700, 150, 780},
         P::edgesVertical},
        // 20 above and 25 below, both under the 30 a picture needs.
        {"fill: no room leaves it",
         P::fillHeight,
         CRect(100, 40, 401, 755),
         {50, 0, 150, 40},
         {50, 0, 150, 40},
         P::edgesVertical},
        {"fill: room only above",
         P::fillHeight,
         CRect(100, 60, 401, 770),
         {50, 0, 150, 40},
         {50, 20, 150, 60},
         P::edgesVertical},
        // Space above 280: top = 20 + 140 - 50.
        {"center above",
         P::centerVertically,
         kCalendar,
         {50, 600, 150, 701},
         {50, 110, 150, 211},
         P::edgesAll},
        // 100 above, 280 below: bottom = 780 - 140 + 75.
        {"center below",
         P::centerVertically,
         CRect(100, 120, 401, 500),
         {50, 0, 150, 151},
         {50, 564, 150, 715},
         P::edgesAll},
        {"center: taller than both spaces",
         P::centerVertically,
         kCalendar,
         {50, 5, 150, 400},
         {50, 5, 150, 400},
         P::edgesAll},
    };
    for (const Case& c : cases) {
        CRect rc = c.rcImage;
        EXPECT_EQ(c.nEdges, P::Apply(c.button, rc, kPrintable, c.rcCalendar)) << c.pszWhat;
        EXPECT_EQ(c.rcExpected, rc) << c.pszWhat;
    }
}

TEST(ImagePlacementTest, NewPictureAndFractions) {
    // 400 x 200 at the top left: a quarter of the printable right edge wide, half that high.
    EXPECT_EQ(CRect(0, 30, 150, 105), P::Initial(CRect(0, 30, 600, 800), 2.0));
    EXPECT_EQ(CRect(0, 30, 150, 30), P::Initial(CRect(0, 30, 600, 800), 0.0));

    double l = 0.1, t = 0.2, r = 0.3, b = 0.4;
    EXPECT_TRUE(
        P::WriteFractions(CRect(50, 60, 150, 90), P::edgesHorizontal, 500.0, 600.0, l, t, r, b));
    EXPECT_DOUBLE_EQ(0.1, l);
    EXPECT_DOUBLE_EQ(0.3, r);
    EXPECT_DOUBLE_EQ(0.2, t); // not named: kept
    EXPECT_FALSE(P::WriteFractions(CRect(1, 1, 2, 2), P::edgesAll, 0.0, 600.0, l, t, r, b));
    EXPECT_DOUBLE_EQ(0.1, l);
    // Back to pixels, each edge truncated on its own.
    EXPECT_EQ(CRect(49, 119, 125, 239), P::ScreenRect(0.0999, 0.1999, 0.25, 0.3999, 500.0, 600.0));
}
