// CImageTracker: moves and resizes the picture, down to 30 by 30 pixels;
// Shift keeps the bitmap's own proportions.
#pragma once
#include "view/PageTracker.h"

class CImageTracker : public CPageTracker {
public:
    CImageTracker() { m_sizeMin = CSize(30, 30); }
    ~CImageTracker() override = default;

protected:
    double Aspect() const override;
};
