#include "view/CalendarTracker.h"

#include "view/TrackerMath.h"

void CCalendarTracker::StartDrag() {
    m_sizeMin = CTrackerMath::CalendarMinSize(m_rectPrintable);
}

void CCalendarTracker::TakeAspect() {
    // The proportions are the block's own as the drag starts.
    m_dAspect = CTrackerMath::AspectOf(m_rectStart);
}
