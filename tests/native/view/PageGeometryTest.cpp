#include "view/PageGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// A Letter sheet at 300 dpi, 2550 x 3300, with margins of unequal size.
CPrinterMetrics PortraitPrinter() {
    CPrinterMetrics m;
    m.m_physWidth = 2550;
    m.m_physHeight = 3300;
    m.m_offsetX = 75;
    m.m_offsetY = 50;
    m.m_printWidth = 2390;  // HORZRES 2400
    m.m_printHeight = 3170; // VERTRES 3180
    return m;
}

CPrinterMetrics LandscapePrinter() {
    CPrinterMetrics m;
    m.m_physWidth = 3300;
    m.m_physHeight = 2550;
    m.m_offsetX = 50;
    m.m_offsetY = 75;
    m.m_printWidth = 3170;
    m.m_printHeight = 2390;
    return m;
}

// Right limit min(75 + 2390, 2550 - 75 - 10) / 2550; bottom limit min(50 + 3170, 3300 - 50 - 10)
// / 3300: the near margins mirror the far ones.
const double kRight = 2465.0 / 2550;
const double kBottom = 3220.0 / 3300;
const double kLeft = 85.0 / 2550;
const double kTop = 80.0 / 3300;

} // namespace

TEST(PageGeometryTest, PrintableFractionsMirrorTheWiderFarMargin) {
    const CPageFractions p = PortraitPrinter().Printable();
    EXPECT_NEAR(kLeft, p.m_dLeft, 1e-12);
    EXPECT_NEAR(kTop, p.m_dTop, 1e-12);
    EXPECT_NEAR(kRight, p.m_dRight, 1e-12);
    EXPECT_NEAR(kBottom, p.m_dBottom, 1e-12);
}

TEST(PageGeometryTest, MissingOrBrokenMetricsGiveASensiblePage) {
    const CPrinterMetrics none;
    const CPageFractions p = none.Printable();
    EXPECT_EQ(0.0, p.m_dLeft);
    EXPECT_EQ(0.0, p.m_dTop);
    EXPECT_EQ(1.0, p.m_dRight);
    EXPECT_EQ(1.0, p.m_dBottom);

    // No printer: a Letter-shaped sheet, 880 * 8.5 / 11 wide in portrait.
    const CPageGeometry portrait(none, false, 1000, 880);
    EXPECT_EQ(CRect(0, 0, 680, 880), portrait.PaperRect());
    EXPECT_EQ(CRect(0, 0, 680, 880), portrait.PrintableRect());
    const CPageGeometry landscape(none, true, 1100, 500);
    EXPECT_EQ(CRect(0, 0, 1100, 850), landscape.PaperRect());
    EXPECT_EQ(CRect(), none.PrinterRect(0.1, 0.1, 0.9, 0.9));

    // A zero HORZRES gives a negative printable width: the area shrinks to the middle line
    // instead of turning inside out.
    CPrinterMetrics broken = PortraitPrinter();
    broken.m_printWidth = -10;
    broken.m_offsetX = 0;
    const CPageFractions q = broken.Printable();
    EXPECT_EQ(0.5, q.m_dLeft);
    EXPECT_EQ(0.5, q.m_dRight);
}

TEST(PageGeometryTest, PortraitFollowsTheWindowHeightOnly) {
    // 700 * 2550 / 3300 = 540.909...
    const CPageGeometry page(PortraitPrinter(), false, 1000, 700);
    EXPECT_DOUBLE_EQ(700.0, page.PageHeight());
    EXPECT_NEAR(540.909090909, page.PageWidth(), 1e-8);
    EXPECT_EQ(CRect(0, 0, 540, 700), page.PaperRect());
    EXPECT_EQ(CRect(540, 0, 2000, 700), page.GreyRect());
    // 0.0333 * 540.9 = 18.03, 0.0242 * 700 = 16.97, 0.9667 * 540.9 = 522.88, 0.9758 * 700 = 683.03
    EXPECT_EQ(CRect(18, 16, 522, 683), page.PrintableRect());

    const auto bands = page.MarginBands();
    EXPECT_EQ(CRect(0, 0, 522, 16), bands[0]); // ends at the printable right edge in portrait
    EXPECT_EQ(CRect(0, 0, 18, 700), bands[1]);
    EXPECT_EQ(CRect(522, 0, 540, 700), bands[2]);
    EXPECT_EQ(CRect(0, 683, 540, 700), bands[3]);

    const CPageGeometry wider(PortraitPrinter(), false, 1600, 700);
    EXPECT_EQ(page.PageWidth(), wider.PageWidth());
    EXPECT_EQ(page.PrintableRect(), wider.PrintableRect());
    // The grey surround still reaches the window's right edge.
    EXPECT_EQ(CRect(540, 0, 2400, 700),
              CPageGeometry(PortraitPrinter(), false, 2400, 700).GreyRect());

    const CPageGeometry taller(PortraitPrinter(), false, 1000, 800);
    EXPECT_DOUBLE_EQ(800.0, taller.PageHeight());
    EXPECT_EQ(618, taller.PaperRect().right); // 800 * 2550 / 3300 = 618.18
}

TEST(PageGeometryTest, LandscapeFollowsTheWindowWidthOnly) {
    // 900 * 2550 / 3300 = 695.45...
    const CPageGeometry page(LandscapePrinter(), true, 900, 500);
    EXPECT_DOUBLE_EQ(900.0, page.PageWidth());
    EXPECT_EQ(CRect(0, 0, 900, 695), page.PaperRect());
    EXPECT_EQ(CRect(0, 695, 900, 2000), page.GreyRect());
    EXPECT_EQ(CRect(21, 23, 878, 672), page.PrintableRect());

    const auto bands = page.MarginBands();
    EXPECT_EQ(CRect(0, 0, 900, 23), bands[0]); // the whole paper width in landscape
    EXPECT_EQ(CRect(0, 0, 21, 695), bands[1]);
    EXPECT_EQ(CRect(878, 0, 900, 695), bands[2]);
    EXPECT_EQ(CRect(0, 672, 900, 695), bands[3]);

    EXPECT_EQ(page.PaperRect(), CPageGeometry(LandscapePrinter(), true, 900, 1200).PaperRect());
    EXPECT_EQ(CRect(0, 0, 1000, 772),
              CPageGeometry(LandscapePrinter(), true, 1000, 500).PaperRect());
}

TEST(PageGeometryTest, NewCalendarFillsThePrintableArea) {
    const CPageFractions printable = PortraitPrinter().Printable();
    double l = 0.3, t = CPageFractions::kUnplacedTop, r = 0.4, b = 0.5;
    printable.PlaceCalendar(l, t, r, b);
    EXPECT_NEAR(kLeft, l, 1e-12);
    EXPECT_NEAR(kTop, t, 1e-12);
    EXPECT_NEAR(kRight, r, 1e-12);
    EXPECT_NEAR(kBottom, b, 1e-12);

    const CPageGeometry page(PortraitPrinter(), false, 1000, 700);
    const CCalendarBox box = page.CalendarBox(l, t, r, b);
    // The printable rectangle of this page is (18, 16, 522, 683).
    EXPECT_EQ(18, box.Left());
    EXPECT_EQ(16, box.Top());
    EXPECT_EQ(522, box.Right());             // 18 + trunc(522.88 - 18.03)
    EXPECT_NEAR(666.06, box.Height(), 0.01); // (0.9758 - 0.0242) * 700
}

TEST(PageGeometryTest, CalendarOffThePrintableAreaIsPulledBack) {
    const CPageFractions printable = PortraitPrinter().Printable();
    double l = 0.01, t = 0.5, r = 0.99, b = 1.2;
    printable.PlaceCalendar(l, t, r, b);
    EXPECT_NEAR(kLeft, l, 1e-12);
    EXPECT_EQ(0.5, t);
    EXPECT_NEAR(kRight, r, 1e-12);
    EXPECT_NEAR(kBottom, b, 1e-12);

    double il = 0.2, it = 0.3, ir = 0.6, ib = 0.7;
    printable.PullInside(il, it, ir, ib);
    EXPECT_EQ(0.2, il);
    EXPECT_EQ(0.3, it);
    EXPECT_EQ(0.6, ir);
    EXPECT_EQ(0.7, ib);

    // A damaged document's NaN takes the printable edge.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    double nl = nan, nt = 0.3, nr = nan, nb = 0.7;
    printable.PullInside(nl, nt, nr, nb);
    EXPECT_NEAR(kLeft, nl, 1e-12);
    EXPECT_NEAR(kRight, nr, 1e-12);

    // Inverted, empty, or left empty by the pull: the calendar takes the printable area.
    const double damaged[][4] = {
        {0.8, 0.2, 0.3, 0.7}, {0.2, 0.5, 0.6, 0.5}, {1.5, 0.2, 2.0, 0.7}, {nan, nan, nan, nan}};
    for (const auto& d : damaged) {
        double dl = d[0], dt = d[1], dr = d[2], db = d[3];
        printable.PlaceCalendar(dl, dt, dr, db);
        EXPECT_NEAR(kLeft, dl, 1e-12);
        EXPECT_NEAR(kTop, dt, 1e-12);
        EXPECT_NEAR(kRight, dr, 1e-12);
        EXPECT_NEAR(kBottom, db, 1e-12);
    }
}

// A damaged document's picture: inverted edges are put in order (not drawn
// mirrored), and one left without width or height takes the printable area.
TEST(PageGeometryTest, DamagedPicturePlacementIsPutRight) {
    const CPageFractions printable(kLeft, kTop, kRight, kBottom);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double given[4], placed[4];
    } cases[] = {
        {{0.2, 0.3, 0.6, 0.7}, {0.2, 0.3, 0.6, 0.7}},
        {{0.6, 0.7, 0.2, 0.3}, {0.2, 0.3, 0.6, 0.7}},
        {{0.6, 0.3, 0.2, 0.7}, {0.2, 0.3, 0.6, 0.7}},
        {{0.9, -0.5, -0.2, 0.4}, {kLeft, kTop, 0.9, 0.4}},
        {{0.4, 0.3, 0.4, 0.7}, {kLeft, kTop, kRight, kBottom}},
        {{1.5, 0.3, 2.0, 0.7}, {kLeft, kTop, kRight, kBottom}},
        {{nan, nan, nan, nan}, {kLeft, kTop, kRight, kBottom}},
    };
    for (const auto& c : cases) {
        double d[4] = {c.given[0], c.given[1], c.given[2], c.given[3]};
        printable.PlacePicture(d[0], d[1], d[2], d[3]);
        for (int i = 0; i < 4; ++i)
            EXPECT_NEAR(c.placed[i], d[i], 1e-12) << c.given[0] << " " << c.given[1] << " " << i;
    }
}

TEST(PageGeometryTest, ScreenCalendarKeepsTheUnroundedLeftProduct) {
    const CPageGeometry page(PortraitPrinter(), false, 1000, 700);
    // L * W = 102.77, R * W = 486.55: width trunc(383.78) = 383, so the right edge is 485,
    // not trunc(486.55).
    const CCalendarBox box = page.CalendarBox(0.19, 0.1003, 0.8995, 0.8741);
    EXPECT_EQ(102, box.Left());
    EXPECT_EQ(70, box.Top());
    EXPECT_EQ(383, box.Width());
    EXPECT_EQ(485, box.Right());
    EXPECT_NEAR(541.66, box.Height(), 1e-9);
    EXPECT_FALSE(box.IsPrinter());

    EXPECT_EQ(CRect(102, 70, 486, 611), page.ScreenRect(0.19, 0.1003, 0.8995, 0.8741));
}

TEST(PageGeometryTest, DraggedRectangleBecomesFractions) {
    const CPageGeometry page(LandscapePrinter(), true, 800, 500); // 800 x 618.18
    double l = -1, t = -1, r = -1, b = -1;
    ASSERT_TRUE(page.ToFractions(CRect(200, 0, 600, 309), l, t, r, b));
    EXPECT_DOUBLE_EQ(0.25, l);
    EXPECT_DOUBLE_EQ(0.0, t);
    EXPECT_DOUBLE_EQ(0.75, r);
    EXPECT_NEAR(0.49985, b, 1e-5); // 309 / 618.18

    // A minimised window has no page to measure against.
    const CPageGeometry empty(LandscapePrinter(), true, 0, 0);
    EXPECT_FALSE(empty.ToFractions(CRect(1, 2, 3, 4), l, t, r, b));
    EXPECT_DOUBLE_EQ(0.25, l);
}

TEST(PageGeometryTest, PrinterRectIsClampedToThePrintableArea) {
    const CPrinterMetrics m = PortraitPrinter();
    // Smallest start 2550 - 150 - 2390 = 10 across, 3300 - 100 - 3170 = 30 down.
    EXPECT_EQ(CRect(10, 30, 2390, 3170), m.PrinterRect(0.0, 0.0, 1.0, 1.0));
    // 637.5 - 75, 663.96 - 50, 1913.27 - 75, 2313.96 - 50
    EXPECT_EQ(CRect(562, 613, 1838, 2263), m.PrinterRect(0.25, 0.2012, 0.7503, 0.7012));

    // Wholly beyond the printable right edge: empty, never inverted.
    const CRect off = m.PrinterRect(0.99, 0.2, 1.0, 0.5);
    EXPECT_EQ(2449, off.left);
    EXPECT_TRUE(off.IsRectEmpty());
    EXPECT_GE(off.right, off.left);

    // Values no page can hold are limited, not converted with undefined results.
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const CRect wild = m.PrinterRect(nan, -1e300, 1e300, nan);
    EXPECT_EQ(CRect(10, 30, 2390, 30), wild);
}

// The sheets of the PDF printer at 300 dpi, which prints to the paper's edge. The expected
// edges are the truncations of products rounded to double; extended precision lands one unit
// short on several of them.
TEST(PageGeometryTest, PrinterRectTruncatesDoubleProducts) {
    struct Case {
        const char* pszPaper;
        int nWidth, nHeight;
        CRect printable, thirds;
    };
    const Case cases[] = {
        {"A4 portrait", 2479, 3508, {10, 10, 2469, 3498}, {826, 501, 1652, 3006}},
        {"A4 landscape", 3508, 2479, {10, 10, 3498, 2469}, {1169, 354, 2338, 2124}},
        {"Letter portrait", 2550, 3300, {10, 10, 2540, 3290}, {850, 471, 1700, 2828}},
        {"Letter landscape", 3300, 2550, {10, 10, 3290, 2540}, {1100, 364, 2200, 2185}},
    };
    for (const Case& c : cases) {
        CPrinterMetrics m;
        m.m_physWidth = c.nWidth;
        m.m_physHeight = c.nHeight;
        m.m_printWidth = c.nWidth - 10;
        m.m_printHeight = c.nHeight - 10;
        const CPageFractions p = m.Printable();
        EXPECT_EQ(c.printable, m.PrinterRect(p.m_dLeft, p.m_dTop, p.m_dRight, p.m_dBottom))
            << c.pszPaper;
        EXPECT_EQ(c.thirds, m.PrinterRect(1.0 / 3, 1.0 / 7, 2.0 / 3, 6.0 / 7)) << c.pszPaper;
    }
}
