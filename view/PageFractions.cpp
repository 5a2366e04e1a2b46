#include "view/PageFractions.h"

#include <utility>

// Written so that a NaN edge (a damaged document) fails the test and takes the limit.
void CPageFractions::PullInside(double& dLeft, double& dTop, double& dRight,
                                double& dBottom) const {
    dLeft = dLeft >= m_dLeft ? dLeft : m_dLeft;
    dTop = dTop >= m_dTop ? dTop : m_dTop;
    dRight = dRight <= m_dRight ? dRight : m_dRight;
    dBottom = dBottom <= m_dBottom ? dBottom : m_dBottom;
}

void CPageFractions::PlaceCalendar(double& dLeft, double& dTop, double& dRight,
                                   double& dBottom) const {
    if (dTop != kUnplacedTop)
        PullInside(dLeft, dTop, dRight, dBottom);
    // A block left without width or height (a damaged document) could not be drawn, hit or
    // dragged: it is placed anew like a block never placed.
    if (dTop == kUnplacedTop || !(dRight > dLeft) || !(dBottom > dTop)) {
        dLeft = m_dLeft;
        dTop = m_dTop;
        dRight = m_dRight;
        dBottom = m_dBottom;
    }
}

void CPageFractions::PlacePicture(double& dLeft, double& dTop, double& dRight,
                                  double& dBottom) const {
    if (dLeft > dRight)
        std::swap(dLeft, dRight);
    if (dTop > dBottom)
        std::swap(dTop, dBottom);
    PullInside(dLeft, dTop, dRight, dBottom);
    if (!(dRight > dLeft) || !(dBottom > dTop)) {
        dLeft = m_dLeft;
        dTop = m_dTop;
        dRight = m_dRight;
        dBottom = m_dBottom;
    }
}
