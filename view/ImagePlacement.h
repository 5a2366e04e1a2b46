// The picture's rectangle on the page: from its page fractions to screen
// pixels and back, the first placement of a new picture and the six
// placement buttons of the Image page. All in view units.
#pragma once
#include "framework/Rect.h"

class CImagePlacement {
public:
    // Which edges a placement writes back into the fractions.
    enum Edges { edgeLeft = 1, edgeTop = 2, edgeRight = 4, edgeBottom = 8 };
    enum : int {
        edgesHorizontal = edgeLeft | edgeRight,
        edgesVertical = edgeTop | edgeBottom,
        edgesAll = edgesHorizontal | edgesVertical
    };
    enum Button {
        fullWidth,
        fillWidth,
        centerHorizontally,
        fullHeight,
        fillHeight,
        centerVertically
    };
    // The picture's smallest size, as its tracker allows it.
    enum : int { kMinSize = 30 };

    // Each edge truncated on its own, W and H the page size in pixels.
    static CRect ScreenRect(double dLeft, double dTop, double dRight, double dBottom, double W,
                            double H);
    // Writes the named edges of rc as fractions of W and H. False, writing
    // nothing, while the page has no size.
    static bool WriteFractions(const RECT& rc, int nEdges, double W, double H, double& dLeft,
                               double& dTop, double& dRight, double& dBottom);

    // A new picture: at the printable area's top left, a quarter of its
    // right edge wide, as high as its proportions (width / height) want.
    static CRect Initial(const RECT& rcPrintable, double dAspect);
    // Moves rcImage as the button says; returns the edges to write.
    static int Apply(Button button, CRect& rcImage, const RECT& rcPrintable,
                     const RECT& rcCalendar);
};
