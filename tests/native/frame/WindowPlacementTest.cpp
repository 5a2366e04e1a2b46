#include <gtest/gtest.h>

#include "frame/WindowPlacement.h"

namespace {
const RECT kWork1024 = {0, 0, 1024, 738};

TEST(WindowPlacement, TooWideWindowShrinksToMinimumAtRightEdge) {
    CWindowPlacement p = CWindowPlacement{100, 50, 2000, 500}.ClampedTo(kWork1024);
    EXPECT_EQ(384, p.x);
    EXPECT_EQ(640, p.cx);
    EXPECT_EQ(50, p.y);
    EXPECT_EQ(500, p.cy);
}

TEST(WindowPlacement, NegativePositionMovesOntoScreen) {
    CWindowPlacement p = CWindowPlacement{-50, -7, 700, 500}.ClampedTo(kWork1024);
    EXPECT_EQ(0, p.x);
    EXPECT_EQ(0, p.y);
    EXPECT_EQ(700, p.cx);
    EXPECT_EQ(500, p.cy);
}

TEST(WindowPlacement, PositionBeyondWorkAreaComesBack) {
    CWindowPlacement p = CWindowPlacement{3000, 2000, 640, 456}.ClampedTo(kWork1024);
    EXPECT_EQ(1024 - 640, p.x);
    EXPECT_EQ(738 - 456, p.y);
}

TEST(WindowPlacement, TooTallWindowShrinksToMinimumAtBottom) {
    CWindowPlacement p = CWindowPlacement{10, 100, 800, 700}.ClampedTo(kWork1024);
    EXPECT_EQ(456, p.cy);
    EXPECT_EQ(738 - 456, p.y);
    EXPECT_EQ(800, p.cx);
    EXPECT_EQ(10, p.x);
}

TEST(WindowPlacement, FittingWindowIsUnchanged) {
    RECT rcWork = {0, 0, 1280, 994};
    CWindowPlacement p = CWindowPlacement{20, 30, 800, 600}.ClampedTo(rcWork);
    EXPECT_EQ(20, p.x);
    EXPECT_EQ(30, p.y);
    EXPECT_EQ(800, p.cx);
    EXPECT_EQ(600, p.cy);
}
} // namespace
