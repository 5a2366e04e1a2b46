#include "view/PageTracker.h"

#include "framework/Wnd.h"
#include "view/TrackerMath.h"

CPageTracker::CPageTracker() {
    m_nStyle = dottedLine | resizeOutside;
    m_nHandleSize = 10;
}

bool CPageTracker::Drag(CWnd* pView, CPoint pt, const CRect& rcPrintable) {
    m_rectPrintable = rcPrintable;
    StartDrag();
    // A damaged document can place the block anywhere, inverted or without
    // size: the drag starts from a rectangle inside the printable area.
    m_rect.NormalizeRect();
    if (m_rect.IsRectEmpty())
        m_rect = rcPrintable;
    CTrackerMath::Clamp(m_rect, rcPrintable, m_sizeMin);
    m_rectStart = m_rect;
    TakeAspect();
    m_bKeepAspect = (::GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0;
    m_pView = pView;
    const bool bChanged = Track(pView, pt) != FALSE;
    m_bKeepAspect = 0;
    m_pView = nullptr;
    return bChanged;
}

void CPageTracker::AdjustRect(int nHandle, LPRECT pRect) {
    // The cursor stays near the printable area while the rectangle is
    // pushed against its edges.
    CRect rcClip = m_rectPrintable;
    if (m_pView) {
        m_pView->ClientToScreen(reinterpret_cast<POINT*>(&rcClip.left));
        m_pView->ClientToScreen(reinterpret_cast<POINT*>(&rcClip.right));
    }
    rcClip.InflateRect(10, 10);
    ::ClipCursor(&rcClip);
    CTrackerMath::AdjustRect(*pRect, nHandle, m_rectPrintable, m_sizeMin, Aspect(),
                             m_bKeepAspect != 0, m_rectStart);
    ::ClipCursor(nullptr);
    CRectTracker::AdjustRect(nHandle, pRect);
}

void CPageTracker::DrawTrackerRect(const RECT* pRect, CWnd* pWnd) {
    if (!m_onStep) {
        CRectTracker::DrawTrackerRect(pRect, pWnd);
        return;
    }
    if (pRect)
        m_onStep(*pRect);
}
