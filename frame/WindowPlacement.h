// Where the main window opens: the saved position and size, pulled onto the
// work area so that a position saved on a larger screen still opens fully.
#pragma once
#include "framework/WinTypes.h"

struct CWindowPlacement {
    int x, y, cx, cy;

    static const int kMinWidth = 640;
    static const int kMinHeight = 456;

    CWindowPlacement ClampedTo(const RECT& rcWork) const;
};
