#include "view/Positioning.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/ClientDC.h"
#include "view/AlmanarkView.h"
#include "view/DragCanvas.h"
#include "view/PageGeometry.h"

namespace {
void ClearHint() {
    if (theApp.m_pFrame && theApp.m_pFrame->GetSafeHwnd())
        theApp.m_pFrame->SetStatusText(0, "");
}
} // namespace

bool CPositioning::IsOn() const {
    return m_view.m_nCalPositioning || m_view.m_nImgPositioning;
}

bool CPositioning::PictureShown() const {
    const CAlmanarkDoc* pDoc = m_view.GetDocument();
    CRect rc = m_view.m_imgTracker.m_rect;
    rc.NormalizeRect();
    return pDoc && pDoc->m_bHasImage && !rc.IsRectEmpty();
}

bool CPositioning::OnLButtonDown(CPoint pt) {
    CAlmanarkDoc* pDoc = m_view.GetDocument();
    if (!pDoc)
        return false;
    if (m_view.m_nImgPositioning) {
        CEdges edges = {pDoc->m_dImgLeft, pDoc->m_dImgTop, pDoc->m_dImgRight, pDoc->m_dImgBottom};
        PressOn(m_view.m_imgTracker, PictureShown(), m_view.m_nImgPositioning, pt, edges);
    } else if (m_view.m_nCalPositioning) {
        CEdges edges = {pDoc->m_dCalLeft, pDoc->m_dCalTop, pDoc->m_dCalRight, pDoc->m_dCalBottom};
        PressOn(m_view.m_calTracker, true, m_view.m_nCalPositioning, pt, edges);
    } else {
        return false;
    }
    return true;
}

void CPositioning::PressOn(CPageTracker& tracker, bool bShown, int& nMode, CPoint pt,
                           CEdges& edges) {
    if (bShown && tracker.HitTest(pt) != CRectTracker::hitNothing) {
        Drag(tracker, pt, edges);
        return;
    }
    ClearHint();
    nMode = 0;
    m_view.Invalidate();
}

void CPositioning::OnLButtonDblClk(CPoint pt) {
    if (m_view.m_nPictureFirst) {
        if (!TryPicture(pt))
            TryCalendar(pt);
    } else if (!TryCalendar(pt)) {
        TryPicture(pt);
    }
}

bool CPositioning::TryCalendar(CPoint pt) {
    const CAlmanarkDoc* pDoc = m_view.GetDocument();
    if (!pDoc || m_view.m_calTracker.m_rect.IsRectEmpty() ||
        m_view.m_calTracker.HitTest(pt) != CRectTracker::hitMiddle)
        return false;
    ++m_view.m_nCalPositioning;
    m_view.m_nImgPositioning = 0;
    m_view.m_nPictureFirst = 0;
    DrawTrackerNow(m_view.m_calTracker);
    m_view.Invalidate();
    return true;
}

bool CPositioning::TryPicture(CPoint pt) {
    if (!PictureShown() || m_view.m_imgTracker.HitTest(pt) != CRectTracker::hitMiddle)
        return false;
    ++m_view.m_nImgPositioning;
    m_view.m_nCalPositioning = 0;
    DrawTrackerNow(m_view.m_imgTracker);
    m_view.Invalidate();
    return true;
}

void CPositioning::DrawTrackerNow(const CPageTracker& tracker) {
    CClientDC dc(&m_view);
    tracker.Draw(&dc);
}

void CPositioning::Stop() {
    if (IsOn())
        ClearHint();
    m_view.m_nCalPositioning = 0;
    m_view.m_nImgPositioning = 0;
    m_view.Invalidate();
}

void CPositioning::OnDelete() {
    if (!m_view.m_nImgPositioning) {
        Stop();
        return;
    }
    if (theApp.m_pFrame)
        theApp.m_pFrame->m_wndImagePage.RemoveImage();
    m_view.m_nImgPositioning = 0;
    ClearHint();
    m_view.Invalidate();
}

bool CPositioning::OnSetCursor(UINT nHitTest) {
    if (m_view.m_nCalPositioning && m_view.m_calTracker.SetCursor(&m_view, nHitTest))
        return true;
    return m_view.m_nImgPositioning && PictureShown() &&
           m_view.m_imgTracker.SetCursor(&m_view, nHitTest);
}

void CPositioning::OnKillFocus() {
    if (!IsOn())
        return;
    m_view.m_nCalPositioning = 0;
    // Working on the Image page keeps the picture in place for the next drag.
    const CMainFrame* pFrame = theApp.m_pFrame;
    if (!pFrame || !pFrame->m_wndImagePage.IsWindowVisible())
        m_view.m_nImgPositioning = 0;
    ClearHint();
    m_view.Invalidate();
}

void CPositioning::Drag(CPageTracker& tracker, CPoint pt, CEdges& edges) {
    CAlmanarkDoc& doc = *m_view.GetDocument();
    const bool bCalendar = &tracker == &m_view.m_calTracker;
    auto paint = [this](CDC& dc) { m_view.OnDraw(&dc); };
    auto hide = [&](bool bHide) {
        if (bCalendar)
            m_view.m_bHideCalendar = bHide;
        else
            doc.m_bHasImage = bHide ? 0 : 1;
    };
    CDragCanvas canvas(m_view, tracker.m_rect, paint, hide);
    tracker.m_onStep = [&](const CRect& rc) { canvas.Show(rc, tracker); };
    const bool bChanged = tracker.Drag(&m_view, pt, theApp.m_rectPrintable);
    tracker.m_onStep = nullptr;
    if (bChanged && m_view.ScreenPage().ToFractions(tracker.m_rect, edges.dLeft, edges.dTop,
                                                    edges.dRight, edges.dBottom))
        theApp.MarkModified();
    // The page in its new state, again without erasing first.
    canvas.Repaint(paint);
    ::ValidateRect(m_view.GetSafeHwnd(), nullptr);
}
