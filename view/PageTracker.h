// CPageTracker: what the calendar and picture trackers share: dotted frame
// with outside handles, kept inside the printable area of the page, and
// with Shift held as a drag starts, kept in proportion.
#pragma once
#include <functional>

#include "framework/RectTracker.h"

class CPageTracker : public CRectTracker {
public:
    CPageTracker();

    // Drags from pt (client coordinates of pView) inside rcPrintable. Each
    // step goes to m_onStep when it is set; true when the drag ended with
    // the rectangle moved or resized.
    bool Drag(CWnd* pView, CPoint pt, const CRect& rcPrintable);

    std::function<void(const CRect&)> m_onStep;

protected:
    // Before a drag: the minimum size.
    virtual void StartDrag() {}
    // Once m_rectStart is known: the proportions to keep.
    virtual void TakeAspect() {}
    // Width over height to keep while Shift was held at the start.
    virtual double Aspect() const = 0;
    void AdjustRect(int nHandle, LPRECT pRect) override;
    void DrawTrackerRect(const RECT* pRect, CWnd* pWnd) override;

    CRect m_rectStart;
    int m_bKeepAspect = 0;
    CRect m_rectPrintable;

private:
    CWnd* m_pView = nullptr;
};
