#include "view/TrackerMath.h"

#include "view/DeviceUnits.h"

#include <algorithm>

void CTrackerMath::Clamp(RECT& rc, const RECT& rcBound, const SIZE& sizeMin) {
    if (rc.right > rcBound.right) {
        rc.right = rcBound.right;
        if (rcBound.right - rc.left < sizeMin.cx)
            rc.left = rcBound.right - sizeMin.cx;
    }
    if (rc.left < rcBound.left) {
        rc.left = rcBound.left;
        if (rc.right - rcBound.left < sizeMin.cx)
            rc.right = rcBound.left + sizeMin.cx;
    }
    if (rc.bottom > rcBound.bottom) {
        rc.bottom = rcBound.bottom;
        if (rcBound.bottom - rc.top < sizeMin.cy)
            rc.top = rcBound.bottom - sizeMin.cy;
    }
    if (rc.top < rcBound.top) {
        rc.top = rcBound.top;
        if (rc.bottom - rcBound.top < sizeMin.cy)
            rc.bottom = rcBound.top + sizeMin.cy;
    }
}

CSize CTrackerMath::CalendarMinSize(const RECT& rcPrintable) {
    return CSize((rcPrintable.right - rcPrintable.left) / 2,
                 (rcPrintable.bottom - rcPrintable.top) / 2);
}

double CTrackerMath::AspectOf(const RECT& rc) {
    const int nHeight = rc.bottom - rc.top;
    return nHeight != 0 ? double(rc.right - rc.left) / nHeight : 0.0;
}

void CTrackerMath::AdjustRect(RECT& rc, int nHandle, const RECT& rcBound, const SIZE& sizeMin,
                              double dAspect, bool bKeepAspect, const RECT& rcStart) {
    const int w = std::max<int>(rc.right - rc.left, sizeMin.cx);
    const int h = std::max<int>(rc.bottom - rc.top, sizeMin.cy);
    const int cx = rc.left + w / 2;
    const int cy = rc.top + h / 2;
    Clamp(rc, rcBound, sizeMin);

    const RECT& P = rcBound;
    auto set = [&](LONG& nEdge, LONG nValue) {
        nEdge = nValue;
        Clamp(rc, rcBound, sizeMin);
    };
    // Sets an edge; true when the bound stopped it at its own edge there.
    auto meets = [&](LONG& nEdge, LONG nValue, LONG nBoundEdge) {
        set(nEdge, nValue);
        return nEdge == nBoundEdge;
    };

    if (bKeepAspect && nHandle == kMiddle) {
        if (rc.right >= P.right)
            set(rc.left, rcStart.left + P.right - rcStart.right);
        if (P.left >= rc.left)
            set(rc.right, rcStart.right + P.left - rcStart.left);
        if (rc.bottom >= P.bottom)
            set(rc.top, rcStart.top + P.bottom - rcStart.bottom);
        if (P.top >= rc.top)
            set(rc.bottom, rcStart.bottom + P.top - rcStart.top);
    } else if (bKeepAspect && std::isfinite(dAspect) && dAspect > 0.0) {
        const double a = dAspect;
        const int hh = TruncUnits(w / a * 0.5);
        const int hw = TruncUnits(h * a * 0.5);
        auto widthFor = [&] { return TruncUnits((rc.bottom - rc.top) * a); };
        auto heightFor = [&] { return TruncUnits((rc.right - rc.left) / a); };
        // Each first assignment averages the proposed size with the one the other dimension
        // asks for; an edge that meets the bound instead makes the other dimension follow it.
        switch (nHandle) {
        case kTopLeft:
            if (meets(rc.top, cy - hh, P.top))
                set(rc.left, rc.right - widthFor());
            else if (meets(rc.left, cx - hw, P.left))
                set(rc.top, rc.bottom - heightFor());
            break;
        case kTopRight:
            if (meets(rc.top, cy - hh, P.top))
                set(rc.right, rc.left + widthFor());
            else if (meets(rc.right, cx + hw, P.right))
                set(rc.top, rc.bottom - heightFor());
            break;
        case kBottomRight:
            if (meets(rc.right, cx + hw, P.right))
                set(rc.bottom, rc.top + heightFor());
            else if (meets(rc.bottom, cy + hh, P.bottom))
                set(rc.right, rc.left + widthFor());
            break;
        case kBottomLeft:
            if (meets(rc.left, cx - hw, P.left))
                set(rc.bottom, rc.top + heightFor());
            else if (meets(rc.bottom, cy + hh, P.bottom))
                set(rc.left, rc.right - widthFor());
            break;
        case kTop:
        case kBottom:
            if (h <= sizeMin.cy)
                break;
            if (meets(rc.left, cx - hw, P.left))
                set(rc.right, rc.left + widthFor());
            else if (meets(rc.right, cx + hw, P.right))
                set(rc.left, rc.right - widthFor());
            break;
        case kRight:
        case kLeft:
            if (w <= sizeMin.cx)
                break;
            if (meets(rc.top, cy - hh, P.top))
                set(rc.bottom, rc.top + heightFor());
            else if (meets(rc.bottom, cy + hh, P.bottom))
                set(rc.top, rc.bottom - heightFor());
            break;
        default:
            break;
        }
    }
    Clamp(rc, rcBound, sizeMin);
}
