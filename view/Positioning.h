// CPositioning: switching the view into and out of moving the calendar or
// the picture, and the drags themselves, during which the page follows the
// mouse without flicker.
#pragma once
#include <windows.h>

#include "framework/Rect.h"

class CAlmanarkView;
class CPageTracker;

class CPositioning {
public:
    explicit CPositioning(CAlmanarkView& view) : m_view(view) {}
    CPositioning(const CPositioning&) = delete;
    CPositioning& operator=(const CPositioning&) = delete;

    bool IsOn() const;
    // The left button while a positioning mode is on: a drag on the tracker,
    // elsewhere the end of the mode. False when no mode is on.
    bool OnLButtonDown(CPoint pt);
    // Switches positioning on for the calendar or picture under pt.
    void OnLButtonDblClk(CPoint pt);
    // Esc: both modes off.
    void Stop();
    // Delete: removes the picture while it is being positioned, else as Esc.
    void OnDelete();
    // WM_SETCURSOR: true when a tracker set the shape.
    bool OnSetCursor(UINT nHitTest);
    void OnKillFocus();

private:
    // The four page fractions of the calendar or the picture.
    struct CEdges {
        double& dLeft;
        double& dTop;
        double& dRight;
        double& dBottom;
    };

    // A press in a positioning mode: a drag on the tracker, elsewhere the
    // mode ends.
    void PressOn(CPageTracker& tracker, bool bShown, int& nMode, CPoint pt, CEdges& edges);
    bool TryCalendar(CPoint pt);
    bool TryPicture(CPoint pt);
    bool PictureShown() const;
    // Drags the tracker over a still picture of the page; the fractions
    // take the end result when the rectangle changed.
    void Drag(CPageTracker& tracker, CPoint pt, CEdges& edges);
    void DrawTrackerNow(const CPageTracker& tracker);

    CAlmanarkView& m_view;
};
