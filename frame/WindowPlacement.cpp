#include "frame/WindowPlacement.h"

CWindowPlacement CWindowPlacement::ClampedTo(const RECT& rcWork) const {
    CWindowPlacement p = *this;
    if (p.x < 0)
        p.x = 0;
    if (p.x > rcWork.right - kMinWidth)
        p.x = rcWork.right - kMinWidth;
    if (p.y < 0)
        p.y = 0;
    if (p.y > rcWork.bottom - kMinHeight)
        p.y = rcWork.bottom - kMinHeight;
    if (p.x + p.cx > rcWork.right) {
        p.cx = kMinWidth;
        p.x = rcWork.right - kMinWidth;
    }
    if (p.y + p.cy > rcWork.bottom) {
        p.cy = kMinHeight;
        p.y = rcWork.bottom - kMinHeight;
    }
    return p;
}
