// A rectangle as fractions of the paper: left and right of its width, top and bottom of its height.
#pragma once

class CPageFractions {
public:
    // A calendar top of exactly this value means the calendar has not been placed yet.
    static constexpr double kUnplacedTop = -1.0;

    CPageFractions() = default;
    CPageFractions(double dLeft, double dTop, double dRight, double dBottom)
        : m_dLeft(dLeft), m_dTop(dTop), m_dRight(dRight), m_dBottom(dBottom) {}

    // With this as the printable area: moves each edge of the given rectangle inside it.
    void PullInside(double& dLeft, double& dTop, double& dRight, double& dBottom) const;
    // As PullInside, except that an unplaced calendar, or one left without width or height,
    // takes the whole area.
    void PlaceCalendar(double& dLeft, double& dTop, double& dRight, double& dBottom) const;
    // As PullInside for the picture of a damaged document: edges given in the
    // wrong order are swapped first (the picture would be drawn mirrored), and
    // a picture left without width or height takes the whole area.
    void PlacePicture(double& dLeft, double& dTop, double& dRight, double& dBottom) const;

    double m_dLeft = 0.0;
    double m_dTop = 0.0;
    double m_dRight = 1.0;
    double m_dBottom = 1.0;
};
