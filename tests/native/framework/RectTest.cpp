#include "framework/Rect.h"

#include <gtest/gtest.h>

namespace {

// Stands in for a Win32 function taking an LPRECT.
void FillRect(RECT* prc) {
    prc->left = 1;
    prc->top = 2;
    prc->right = 3;
    prc->bottom = 4;
}

LONG AreaOf(const RECT* prc) {
    return (prc->right - prc->left) * (prc->bottom - prc->top);
}

} // namespace

TEST(RectTest, PassesWhereRectPointersAreExpected) {
    CRect rc;
    FillRect(rc);
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);
    EXPECT_EQ(4, AreaOf(rc));

    CRect boxes[3];
    FillRect(&boxes[1]);
    RECT* plain = boxes;
    EXPECT_EQ(1, plain[1].left);
    EXPECT_EQ(4, plain[1].bottom);
}

TEST(RectTest, ConstructsFromPointsAndSize) {
    CRect a(CPoint(10, 20), CSize(5, 7));
    EXPECT_EQ(CRect(10, 20, 15, 27), a);
    EXPECT_EQ(CSize(5, 7), a.Size());
    EXPECT_EQ(CPoint(10, 20), a.TopLeft());
    EXPECT_EQ(CRect(10, 20, 15, 27), CRect(CPoint(10, 20), CPoint(15, 27)));
    EXPECT_TRUE(CRect(static_cast<const RECT*>(nullptr)).IsRectNull());
}

TEST(RectTest, RightAndBottomEdgesAreExclusive) {
    CRect rc(0, 0, 10, 5);
    EXPECT_TRUE(rc.PtInRect(CPoint(0, 0)));
    EXPECT_TRUE(rc.PtInRect(CPoint(9, 4)));
    EXPECT_FALSE(rc.PtInRect(CPoint(10, 4)));
    EXPECT_FALSE(rc.PtInRect(CPoint(9, 5)));
    EXPECT_FALSE(rc.PtInRect(CPoint(-1, 0)));
    EXPECT_FALSE(CRect(5, 5, 5, 9).PtInRect(CPoint(5, 6)));
}

TEST(RectTest, EmptyAndNullDiffer) {
    EXPECT_TRUE(CRect().IsRectNull());
    EXPECT_TRUE(CRect().IsRectEmpty());
    EXPECT_TRUE(CRect(3, 3, 3, 8).IsRectEmpty());
    EXPECT_FALSE(CRect(3, 3, 3, 8).IsRectNull());
    EXPECT_TRUE(CRect(8, 0, 3, 5).IsRectEmpty());
    EXPECT_FALSE(CRect(0, 0, 1, 1).IsRectEmpty());
}

TEST(RectTest, OffsetInflateDeflateNormalize) {
    CRect rc(10, 20, 30, 40);
    rc.OffsetRect(-5, 3);
    EXPECT_EQ(CRect(5, 23, 25, 43), rc);
    rc.InflateRect(2, 1);
    EXPECT_EQ(CRect(3, 22, 27, 44), rc);
    rc.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(CRect(4, 24, 24, 40), rc);
    EXPECT_EQ(CPoint(14, 32), rc.CenterPoint());

    CRect flipped(30, 40, 10, 20);
    flipped.NormalizeRect();
    EXPECT_EQ(CRect(10, 20, 30, 40), flipped);
}

TEST(RectTest, IntersectionFollowsWin32) {
    CRect rc;
    EXPECT_TRUE(rc.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
    EXPECT_EQ(CRect(5, 5, 10, 10), rc);

    // Touching edges do not overlap: the result is stored as the null rectangle.
    rc.SetRect(1, 1, 2, 2);
    EXPECT_FALSE(rc.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
    EXPECT_TRUE(rc.IsRectNull());

    // An operand may be the target itself.
    rc.SetRect(0, 0, 10, 10);
    rc &= CRect(-5, 2, 4, 30);
    EXPECT_EQ(CRect(0, 2, 4, 10), rc);
}

TEST(RectTest, UnionIgnoresEmptyOperands) {
    CRect rc;
    EXPECT_TRUE(rc.UnionRect(CRect(0, 0, 5, 5), CRect(10, -2, 12, 3)));
    EXPECT_EQ(CRect(0, -2, 12, 5), rc);

    EXPECT_TRUE(rc.UnionRect(CRect(100, 100, 100, 300), CRect(1, 2, 3, 4)));
    EXPECT_EQ(CRect(1, 2, 3, 4), rc);

    EXPECT_FALSE(rc.UnionRect(CRect(5, 5, 5, 5), CRect(9, 9, 1, 1)));
    EXPECT_TRUE(rc.IsRectNull());

    EXPECT_EQ(CRect(0, 0, 8, 8), CRect(0, 0, 2, 2) | CRect(6, 6, 8, 8));
}

TEST(RectTest, PointAndSizeArithmetic) {
    CPoint pt(3, 4);
    pt += CSize(1, 1);
    pt.Offset(CPoint(-2, 5));
    EXPECT_EQ(CPoint(2, 10), pt);
    EXPECT_EQ(CSize(1, 6), pt - CPoint(1, 4));
    EXPECT_EQ(CPoint(-2, -10), -pt);
    EXPECT_EQ(CRect(12, 20, 22, 30), CRect(10, 10, 20, 20) + CPoint(2, 10));
    EXPECT_NE(CSize(1, 2), CSize(2, 1));
}
