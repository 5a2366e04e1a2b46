// CCalendarTracker: moves and resizes the calendar block, never below half
// the printable width and height.
#pragma once
#include "view/PageTracker.h"

class CCalendarTracker : public CPageTracker {
public:
    ~CCalendarTracker() override = default;

protected:
    void StartDrag() override;
    void TakeAspect() override;
    double Aspect() const override { return m_dAspect; }

    double m_dAspect = 0.0;
};
