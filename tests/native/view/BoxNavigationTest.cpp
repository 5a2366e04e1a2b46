#include "view/BoxNavigation.h"

#include <gtest/gtest.h>

#include "view/MonthLayout.h"

namespace {
// The boxes that hold a date in a month starting on nFirstWeekday.
std::array<bool, 42> MonthBoxes(int nFirstWeekday, int nDays) {
    std::array<bool, 42> ab = {};
    for (int nDay = 1; nDay <= nDays; ++nDay) {
        const int nSlot = nFirstWeekday + nDay - 1;
        ab[CMonthLayout::BoxIndex(nSlot % 7, nSlot / 7)] = true;
    }
    return ab;
}
} // namespace

TEST(BoxNavigationTest, KeysFollowTheGridAndItsWrapRules) {
    const CBoxNavigation may1999(MonthBoxes(6, 31));      // 1st Saturday, 31st in row 5, column 1
    const CBoxNavigation lastOnSunday(MonthBoxes(5, 31)); // 31st alone in row 5, column 0
    const int kStays = -9;
    struct Case {
        const CBoxNavigation& nav;
        CBoxNavigation::Key key;
        int nCol, nRow, nWantCol, nWantRow;
    } const cases[] = {
        {may1999, CBoxNavigation::keyTab, 2, 3, 6, 3},
        {may1999, CBoxNavigation::keyTab, 0, 5, 1, 5},
        {lastOnSunday, CBoxNavigation::keyTab, 0, 5, kStays, 0}, // column 0 is not tried
        {may1999, CBoxNavigation::keyBackTab, 4, 2, 0, 2},
        {may1999, CBoxNavigation::keyBackTab, 6, 0, kStays, 0}, // column 6 is not tried
        {may1999, CBoxNavigation::keyHome, 3, 3, 6, 0},
        {may1999, CBoxNavigation::keyEnd, 3, 3, 1, 5},
        {lastOnSunday, CBoxNavigation::keyEnd, 3, 3, 0, 5},
        {may1999, CBoxNavigation::keyLeft, 3, 2, 2, 2},
        {may1999, CBoxNavigation::keyLeft, 0, 2, 6, 1},       // to the week before
        {may1999, CBoxNavigation::keyLeft, 6, 0, kStays, 0},  // the 1st
        {may1999, CBoxNavigation::keyRight, 6, 1, 0, 2},      // to the next week
        {may1999, CBoxNavigation::keyRight, 1, 5, kStays, 0}, // the last day
        {lastOnSunday, CBoxNavigation::keyRight, 6, 4, 0, 5},
        {may1999, CBoxNavigation::keyUp, 6, 1, 6, 0},
        {may1999, CBoxNavigation::keyUp, 5, 1, kStays, 0}, // no date above
        {may1999, CBoxNavigation::keyDown, 0, 4, 0, 5},
        {may1999, CBoxNavigation::keyDown, 2, 4, kStays, 0},    // no date below
        {may1999, CBoxNavigation::keyRight, -1, -1, kStays, 0}, // nothing selected, row 0 empty
    };
    for (const Case& c : cases) {
        int nCol = c.nCol, nRow = c.nRow;
        const bool bMoved = c.nav.OnKey(c.key, nCol, nRow);
        SCOPED_TRACE(testing::Message() << "key " << c.key << " from " << c.nCol << "," << c.nRow);
        if (c.nWantCol == kStays) {
            EXPECT_FALSE(bMoved);
            EXPECT_EQ(c.nCol, nCol);
            EXPECT_EQ(c.nRow, nRow);
        } else {
            EXPECT_TRUE(bMoved);
            EXPECT_EQ(c.nWantCol, nCol);
            EXPECT_EQ(c.nWantRow, nRow);
        }
    }
}

TEST(BoxNavigationTest, ClickOnASharedBorderTakesTheLaterBoxWithText) {
    // Boxes of 10 pixels that overlap their neighbours by one, as the month grid draws them.
    RECT boxes[42];
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 6; ++r)
            boxes[CMonthLayout::BoxIndex(c, r)] = CRect(c * 10, r * 10, c * 10 + 11, r * 10 + 11);
    const CBoxNavigation may1999(MonthBoxes(6, 31));
    struct Case {
        int x, y;
        bool bHit;
        int nCol, nRow;
    } const cases[] = {
        {25, 25, true, 2, 2},  {30, 25, true, 3, 2},
        {30, 30, true, 3, 3},  {60, 10, true, 6, 1}, // the border of the 1st and the 8th
        {25, 5, false, 0, 0},                        // a box without a date
        {10, 50, true, 1, 5},  {20, 55, true, 1, 5}, // the border to the empty box after the 31st
        {75, 30, false, 0, 0},                       // outside the grid
    };
    for (const Case& c : cases) {
        int nCol = -1, nRow = -1;
        SCOPED_TRACE(testing::Message() << "at " << c.x << "," << c.y);
        EXPECT_EQ(c.bHit, may1999.HitBox(boxes, CPoint(c.x, c.y), nCol, nRow));
        if (c.bHit) {
            EXPECT_EQ(c.nCol, nCol);
            EXPECT_EQ(c.nRow, nRow);
        }
    }
}
