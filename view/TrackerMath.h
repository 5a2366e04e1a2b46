// The arithmetic of the positioning trackers: keeping a rectangle inside the printable area at
// no less than a minimum size, and keeping its proportions while Shift is held. Rectangles and
// bounds are in the same client coordinates.
#pragma once
#include "framework/Rect.h"

class CTrackerMath {
public:
    // Handles as the tracker numbers them: corners 0 top-left, 1 top-right, 2 bottom-right,
    // 3 bottom-left; edges 4 top, 5 right, 6 bottom, 7 left; 8 the middle (moving).
    enum { kTopLeft, kTopRight, kBottomRight, kBottomLeft, kTop, kRight, kBottom, kLeft, kMiddle };

    // Cuts the rectangle at each edge of rcBound, never below sizeMin.
    static void Clamp(RECT& rc, const RECT& rcBound, const SIZE& sizeMin);
    // Half the printable width and height.
    static CSize CalendarMinSize(const RECT& rcPrintable);
    // Width over height; 0 for a rectangle without height, which has no proportions to keep.
    static double AspectOf(const RECT& rc);
    // Adjusts the rectangle proposed during a drag of handle nHandle. With bKeepAspect a corner
    // or edge drag keeps width / height at dAspect, and a move keeps the size of rcStart when it
    // meets an edge of rcBound instead of being cut there.
    static void AdjustRect(RECT& rc, int nHandle, const RECT& rcBound, const SIZE& sizeMin,
                           double dAspect, bool bKeepAspect, const RECT& rcStart);
};
