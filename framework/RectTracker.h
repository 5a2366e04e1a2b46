// CRectTracker: a rectangle the user moves and resizes with the mouse. It
// draws itself with its handles, tells which handle a point is on, sets the
// cursor shape for it and runs its own modal mouse loop while dragging.
#pragma once
#include <windows.h>
#include "framework/Rect.h"

class CDC;
class CWnd;

class CRectTracker {
public:
    enum StyleFlags : UINT {
        solidLine = 1,
        dottedLine = 2,
        resizeInside = 8,
        resizeOutside = 16,
    };
    // Handle numbers as HitTest returns them and AdjustRect receives them.
    enum TrackerHit {
        hitNothing = -1,
        hitTopLeft = 0,
        hitTopRight = 1,
        hitBottomRight = 2,
        hitBottomLeft = 3,
        hitTop = 4,
        hitRight = 5,
        hitBottom = 6,
        hitLeft = 7,
        hitMiddle = 8
    };

    CRectTracker() = default;
    CRectTracker(const RECT& rc, UINT nStyle) : m_rect(rc), m_nStyle(nStyle) {}
    virtual ~CRectTracker() = default;

    void Draw(CDC* pDC) const;
    // m_rect with the handles that stand outside it.
    void GetTrueRect(LPRECT pRect) const;
    int HitTest(CPoint pt) const;
    // For WM_SETCURSOR: the sizing or moving shape over the tracker; FALSE
    // elsewhere, so that the window's own cursor applies.
    BOOL SetCursor(CWnd* pWnd, UINT nHitTest) const;
    // Moves or resizes m_rect with the mouse from point (client coordinates
    // of pWnd) until the left button goes up. Esc, the right button or a lost
    // capture cancel and put the rectangle back. TRUE when the drag ended
    // with the rectangle somewhere else than where it started. Edges never
    // cross over.
    BOOL Track(CWnd* pWnd, CPoint point);
    // Called after every mouse move of a drag with the rectangle proposed
    // for handle nHandle; the rectangle may be changed.
    virtual void AdjustRect(int nHandle, LPRECT pRect);

    CRect m_rect;
    // Resizing never makes the rectangle smaller than this.
    CSize m_sizeMin = CSize(0, 0);
    UINT m_nStyle = 0;
    int m_nHandleSize = 8;

protected:
    // Shows a drag step: the rectangle pRect, or with null the end of the
    // drag. The default inverts a dotted frame on the window, taking the
    // previous one away.
    virtual void DrawTrackerRect(const RECT* pRect, CWnd* pWnd);

private:
    CRect HandleRect(int nHandle) const;
    // The rectangle after the mouse moved by (dx, dy) from where handle
    // nHandle was taken, before AdjustRect.
    CRect Moved(const CRect& rcStart, int nHandle, int dx, int dy) const;

    CRect m_rectDrawn;
    bool m_bDrawn = false;
};
