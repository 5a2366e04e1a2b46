#include "view/TrackerMath.h"

#include <gtest/gtest.h>

namespace {

const CRect kBound(0, 0, 1000, 1000);
const CSize kSmall(30, 30);

CRect Adjusted(CRect rc, int nHandle, const CRect& rcBound, double dAspect, bool bKeep,
               const CRect& rcStart = CRect(), const CSize& sizeMin = kSmall) {
    CTrackerMath::AdjustRect(rc, nHandle, rcBound, sizeMin, dAspect, bKeep, rcStart);
    return rc;
}

} // namespace

TEST(TrackerMathTest, ClampCutsAtTheBoundKeepingTheMinimum) {
    const CRect printable(18, 16, 522, 683);
    const CSize min = CTrackerMath::CalendarMinSize(printable);
    EXPECT_EQ(CSize(252, 333), min);

    auto clamped = [&](CRect rc) {
        CTrackerMath::Clamp(rc, printable, min);
        return rc;
    };
    EXPECT_EQ(CRect(100, 100, 400, 500), clamped(CRect(100, 100, 400, 500)));
    EXPECT_EQ(CRect(18, 16, 300, 400), clamped(CRect(0, 0, 300, 400)));
    // Cut below the minimum: the far edge moves out again to keep it.
    EXPECT_EQ(CRect(270, 100, 522, 500), clamped(CRect(400, 100, 700, 500)));
    EXPECT_EQ(CRect(18, 100, 270, 500), clamped(CRect(-50, 100, 100, 500)));
    EXPECT_EQ(CRect(50, 350, 400, 683), clamped(CRect(50, 600, 400, 900)));
    EXPECT_EQ(CRect(50, 16, 400, 349), clamped(CRect(50, -300, 400, 40)));
}

TEST(TrackerMathTest, AspectOfARectangle) {
    EXPECT_DOUBLE_EQ(1.5, CTrackerMath::AspectOf(CRect(0, 0, 300, 200)));
    EXPECT_DOUBLE_EQ(0.0, CTrackerMath::AspectOf(CRect(10, 10, 300, 10)));
}

TEST(TrackerMathTest, CornersKeepTheAspectWithShift) {
    // Proposed 300 x 200 at aspect 2: half heights w / a / 2 = 75, half widths h * a / 2 = 200,
    // around the centre (250, 200).
    const CRect proposed(100, 100, 400, 300);
    EXPECT_EQ(CRect(100, 100, 450, 275),
              Adjusted(proposed, CTrackerMath::kBottomRight, kBound, 2.0, true));
    EXPECT_EQ(CRect(50, 125, 400, 300),
              Adjusted(proposed, CTrackerMath::kTopLeft, kBound, 2.0, true));
    EXPECT_EQ(CRect(100, 125, 450, 300),
              Adjusted(proposed, CTrackerMath::kTopRight, kBound, 2.0, true));
    EXPECT_EQ(CRect(50, 100, 400, 275),
              Adjusted(proposed, CTrackerMath::kBottomLeft, kBound, 2.0, true));

    // Without Shift the drag is free.
    EXPECT_EQ(proposed, Adjusted(proposed, CTrackerMath::kBottomRight, kBound, 2.0, false));
    // No proportions to keep: only the clamp applies.
    EXPECT_EQ(proposed, Adjusted(proposed, CTrackerMath::kBottomRight, kBound, 0.0, true));
}

TEST(TrackerMathTest, CornerAtTheEdgeMakesTheOtherSideFollow) {
    // The right edge stops at 420: the height follows, 320 / 2 = 160.
    EXPECT_EQ(CRect(100, 100, 420, 260),
              Adjusted(CRect(100, 100, 400, 300), CTrackerMath::kBottomRight,
                       CRect(0, 0, 420, 1000), 2.0, true));
    // The top stops at 150: the width follows, (300 - 150) * 2 = 300.
    EXPECT_EQ(CRect(100, 150, 400, 300), Adjusted(CRect(100, 120, 400, 300), CTrackerMath::kTopLeft,
                                                  CRect(0, 150, 1000, 1000), 2.0, true));
    // The bottom stops at 260 after the width was set: the width follows the height.
    EXPECT_EQ(CRect(100, 100, 420, 260),
              Adjusted(CRect(100, 100, 400, 300), CTrackerMath::kBottomRight,
                       CRect(0, 0, 1000, 260), 2.0, true));
}

TEST(TrackerMathTest, EdgesKeepTheAspectAboveTheMinimum) {
    const CRect proposed(100, 100, 400, 300);
    EXPECT_EQ(CRect(100, 125, 400, 275),
              Adjusted(proposed, CTrackerMath::kRight, kBound, 2.0, true));
    EXPECT_EQ(CRect(50, 100, 450, 300),
              Adjusted(proposed, CTrackerMath::kBottom, kBound, 2.0, true));
    // At the minimum width a side drag changes nothing.
    EXPECT_EQ(proposed,
              Adjusted(proposed, CTrackerMath::kLeft, kBound, 2.0, true, CRect(), CSize(300, 30)));
}

TEST(TrackerMathTest, MovingWithShiftSlidesAlongTheEdge) {
    const CRect start(600, 100, 900, 300);
    const CRect proposed(750, 100, 1050, 300);
    EXPECT_EQ(CRect(700, 100, 1000, 300),
              Adjusted(proposed, CTrackerMath::kMiddle, kBound, 1.5, true, start));
    // Without Shift it is cut at the edge.
    EXPECT_EQ(CRect(750, 100, 1000, 300),
              Adjusted(proposed, CTrackerMath::kMiddle, kBound, 1.5, false, start));

    const CRect start2(100, 100, 400, 300);
    EXPECT_EQ(CRect(0, 0, 300, 200), Adjusted(CRect(-50, -20, 250, 180), CTrackerMath::kMiddle,
                                              kBound, 0.0, true, start2));
    EXPECT_EQ(CRect(0, 0, 250, 180), Adjusted(CRect(-50, -20, 250, 180), CTrackerMath::kMiddle,
                                              kBound, 0.0, false, start2));
}

// Every handle dragged inward, outward and 10 pixels past the printable edge (as far as the
// confined cursor goes): the result stays inside; without Shift it is only the clamp of the
// proposal; with Shift corners and edges keep the proportions and a move keeps the starting size.
TEST(TrackerMathTest, EveryHandleStaysInsideAndKeepsItsRule) {
    const CRect bound(20, 30, 620, 480);
    const CSize min(120, 80);
    const CRect start(200, 200, 500, 400); // aspect 1.5
    const double a = 1.5;
    // Which edges each handle moves: left, top, right, bottom.
    const bool kMoves[9][4] = {{1, 1, 0, 0}, {0, 1, 1, 0}, {0, 0, 1, 1}, {1, 0, 0, 1}, {0, 1, 0, 0},
                               {0, 0, 1, 0}, {0, 0, 0, 1}, {1, 0, 0, 0}, {1, 1, 1, 1}};
    enum { kInward, kOutward, kPastTheEdge };
    for (int nHandle = 0; nHandle < 9; ++nHandle) {
        for (int nHow : {kInward, kOutward, kPastTheEdge}) {
            const bool* m = kMoves[nHandle];
            CRect proposed = start;
            if (nHandle == CTrackerMath::kMiddle) {
                proposed.OffsetRect(nHow == kInward ? -150 : nHow == kOutward ? 50 : 140, 40);
            } else if (nHow == kPastTheEdge) {
                proposed = CRect(
                    m[0] ? bound.left - 10 : start.left, m[1] ? bound.top - 10 : start.top,
                    m[2] ? bound.right + 10 : start.right, m[3] ? bound.bottom + 10 : start.bottom);
            } else {
                const int d = nHow == kInward ? -40 : 60;
                proposed = CRect(start.left - m[0] * d, start.top - m[1] * d,
                                 start.right + m[2] * d, start.bottom + m[3] * d);
            }
            SCOPED_TRACE(testing::Message() << "handle " << nHandle << " case " << nHow);
            for (bool bShift : {false, true}) {
                const CRect rc = Adjusted(proposed, nHandle, bound, a, bShift, start, min);
                EXPECT_TRUE(rc.left >= bound.left && rc.top >= bound.top &&
                            rc.right <= bound.right && rc.bottom <= bound.bottom)
                    << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom;
                CRect clamped = proposed;
                CTrackerMath::Clamp(clamped, bound, min);
                if (!bShift) {
                    EXPECT_EQ(clamped, rc);
                } else if (nHandle == CTrackerMath::kMiddle) {
                    EXPECT_EQ(start.Size(), rc.Size());
                } else if (rc.Width() > min.cx && rc.Height() > min.cy) {
                    // The half sizes come from the proposal before the edge cut it.
                    EXPECT_NEAR(a, double(rc.Width()) / rc.Height(), 0.06);
                }
            }
        }
    }
}
