#include "view/ImagePlacement.h"

#include <cmath>

#include "view/DeviceUnits.h"

CRect CImagePlacement::ScreenRect(double dLeft, double dTop, double dRight, double dBottom,
                                  double W, double H) {
    return CRect(TruncUnits(dLeft * W), TruncUnits(dTop * H), TruncUnits(dRight * W),
                 TruncUnits(dBottom * H));
}

bool CImagePlacement::WriteFractions(const RECT& rc, int nEdges, double W, double H, double& dLeft,
                                     double& dTop, double& dRight, double& dBottom) {
    if (!(W > 0.0) || !(H > 0.0))
        return false;
    if (nEdges & edgeLeft)
        dLeft = rc.left / W;
    if (nEdges & edgeTop)
        dTop = rc.top / H;
    if (nEdges & edgeRight)
        dRight = rc.right / W;
    if (nEdges & edgeBottom)
        dBottom = rc.bottom / H;
    return true;
}

CRect CImagePlacement::Initial(const RECT& rcPrintable, double dAspect) {
    CRect rc(rcPrintable.left, rcPrintable.top, rcPrintable.left + rcPrintable.right / 4,
             rcPrintable.top);
    // A picture without height has no proportions: it stays a line.
    if (dAspect > 0.0 && std::isfinite(dAspect))
        rc.bottom = rc.top + TruncUnits(rc.Width() / dAspect);
    return rc;
}

int CImagePlacement::Apply(Button button, CRect& rc, const RECT& rcPrint, const RECT& rcCal) {
    const int nAbove = rcCal.top - rcPrint.top;
    const int nBelow = rcPrint.bottom - rcCal.bottom;
    switch (button) {
    case fullWidth:
        rc.left = rcPrint.left;
        rc.right = rcPrint.right;
        return edgesHorizontal;
    case fillWidth:
        rc.left = rcCal.left;
        rc.right = rcCal.right;
        return edgesHorizontal;
    case centerHorizontally: {
        const int w = rc.Width();
        rc.left = (rcCal.left + rcCal.right) / 2 - w / 2;
        rc.right = rc.left + w;
        return edgesAll;
    }
    case fullHeight:
        rc.top = rcPrint.top;
        rc.bottom = rcPrint.bottom;
        return edgesVertical;
    case fillHeight:
        // A tie goes to the space above the calendar.
        if (nAbove >= kMinSize && nAbove >= nBelow) {
            rc.top = rcPrint.top;
            rc.bottom = rcCal.top;
        }
        if (nBelow >= kMinSize && nBelow > nAbove) {
            rc.top = rcCal.bottom;
            rc.bottom = rcPrint.bottom;
        }
        return edgesVertical;
    case centerVertically: {
        const int h = rc.Height();
        if (nAbove > h) {
            rc.top = rcPrint.top + nAbove / 2 - h / 2;
            rc.bottom = rc.top + h;
        } else if (nBelow > h) {
            rc.bottom = rcPrint.bottom - nBelow / 2 + h / 2;
            rc.top = rc.bottom - h;
        }
        return edgesAll;
    }
    }
    return 0;
}
