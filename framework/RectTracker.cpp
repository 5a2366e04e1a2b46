#include "framework/RectTracker.h"

#include <algorithm>

#include "framework/AutoSelect.h"
#include "framework/ClientDC.h"
#include "framework/Dc.h"
#include "framework/Pen.h"
#include "framework/Wnd.h"

namespace {
CRect Normalized(CRect rc) {
    if (rc.left > rc.right)
        std::swap(rc.left, rc.right);
    if (rc.top > rc.bottom)
        std::swap(rc.top, rc.bottom);
    return rc;
}

bool MovesLeft(int nHandle) {
    return nHandle == CRectTracker::hitTopLeft || nHandle == CRectTracker::hitBottomLeft ||
           nHandle == CRectTracker::hitLeft;
}
bool MovesRight(int nHandle) {
    return nHandle == CRectTracker::hitTopRight || nHandle == CRectTracker::hitBottomRight ||
           nHandle == CRectTracker::hitRight;
}
bool MovesTop(int nHandle) {
    return nHandle == CRectTracker::hitTopLeft || nHandle == CRectTracker::hitTopRight ||
           nHandle == CRectTracker::hitTop;
}
bool MovesBottom(int nHandle) {
    return nHandle == CRectTracker::hitBottomLeft || nHandle == CRectTracker::hitBottomRight ||
           nHandle == CRectTracker::hitBottom;
}
} // namespace

CRect CRectTracker::HandleRect(int nHandle) const {
    const CRect rc = Normalized(m_rect);
    const int n = m_nHandleSize;
    // Outside handles stand beyond the edge, inside ones within it.
    const bool bOut = (m_nStyle & resizeOutside) != 0;
    const int xl = bOut ? rc.left - n : rc.left, xr = bOut ? rc.right : rc.right - n;
    const int yt = bOut ? rc.top - n : rc.top, yb = bOut ? rc.bottom : rc.bottom - n;
    const int xm = (rc.left + rc.right - n) / 2, ym = (rc.top + rc.bottom - n) / 2;
    static const struct {
        int x, y;
    } s_corner[8] = {{0, 0}, {2, 0}, {2, 2}, {0, 2}, {1, 0}, {2, 1}, {1, 2}, {0, 1}};
    const int ax[3] = {xl, xm, xr}, ay[3] = {yt, ym, yb};
    const int x = ax[s_corner[nHandle].x], y = ay[s_corner[nHandle].y];
    return CRect(x, y, x + n, y + n);
}

void CRectTracker::GetTrueRect(LPRECT pRect) const {
    CRect rc = Normalized(m_rect);
    if (m_nStyle & resizeOutside)
        rc.InflateRect(m_nHandleSize, m_nHandleSize);
    *pRect = rc;
}

int CRectTracker::HitTest(CPoint pt) const {
    CRect rcTrue;
    GetTrueRect(&rcTrue);
    if (!rcTrue.PtInRect(pt))
        return hitNothing;
    if (m_nStyle & (resizeInside | resizeOutside))
        for (int i = hitTopLeft; i < hitMiddle; ++i)
            if (HandleRect(i).PtInRect(pt))
                return i;
    return hitMiddle;
}

void CRectTracker::Draw(CDC* pDC) const {
    if (!pDC)
        return;
    const int nSaved = pDC->SaveDC();
    if (m_nStyle & (solidLine | dottedLine)) {
        CPen pen((m_nStyle & dottedLine) ? PS_DOT : PS_SOLID, 1, RGB(0, 0, 0));
        CAutoSelect selPen(*pDC, pen);
        CAutoSelect selBrush(*pDC, ::GetStockObject(NULL_BRUSH));
        pDC->SetBkMode(OPAQUE);
        pDC->SetBkColor(RGB(255, 255, 255));
        pDC->Rectangle(Normalized(m_rect));
    }
    if (m_nStyle & (resizeInside | resizeOutside))
        for (int i = hitTopLeft; i < hitMiddle; ++i)
            pDC->FillSolidRect(HandleRect(i), RGB(0, 0, 0));
    pDC->RestoreDC(nSaved);
}

BOOL CRectTracker::SetCursor(CWnd* pWnd, UINT nHitTest) const {
    if (!pWnd || nHitTest != HTCLIENT)
        return FALSE;
    POINT pt;
    ::GetCursorPos(&pt);
    pWnd->ScreenToClient(&pt);
    const int nHit = HitTest(pt);
    if (nHit == hitNothing)
        return FALSE;
    static const LPCSTR s_apszShapes[] = {IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZENWSE,
                                          IDC_SIZENESW, IDC_SIZENS,   IDC_SIZEWE,
                                          IDC_SIZENS,   IDC_SIZEWE,   IDC_SIZEALL};
    ::SetCursor(::LoadCursorA(nullptr, s_apszShapes[nHit]));
    return TRUE;
}

void CRectTracker::AdjustRect(int, LPRECT) {}

CRect CRectTracker::Moved(const CRect& rcStart, int nHandle, int dx, int dy) const {
    CRect rc = rcStart;
    if (nHandle == hitMiddle) {
        rc.OffsetRect(dx, dy);
        return rc;
    }
    // A moving edge stops where the rectangle would get smaller than the
    // minimum, and so never crosses the opposite one.
    const int cxMin = std::max<int>(m_sizeMin.cx, 0), cyMin = std::max<int>(m_sizeMin.cy, 0);
    if (MovesLeft(nHandle))
        rc.left = std::min<int>(rc.left + dx, rc.right - cxMin);
    if (MovesRight(nHandle))
        rc.right = std::max<int>(rc.right + dx, rc.left + cxMin);
    if (MovesTop(nHandle))
        rc.top = std::min<int>(rc.top + dy, rc.bottom - cyMin);
    if (MovesBottom(nHandle))
        rc.bottom = std::max<int>(rc.bottom + dy, rc.top + cyMin);
    return rc;
}

BOOL CRectTracker::Track(CWnd* pWnd, CPoint point) {
    const int nHandle = HitTest(point);
    const HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (nHandle == hitNothing || !hWnd)
        return FALSE;
    m_rect = Normalized(m_rect);
    const CRect rcStart = m_rect;
    ::SetCapture(hWnd);
    ::UpdateWindow(hWnd);
    bool bDone = false, bCancel = false;
    while (!bDone && !bCancel) {
        MSG msg;
        if (!::GetMessageA(&msg, nullptr, 0, 0)) {
            // The quit request belongs to the application's own loop.
            ::PostQuitMessage((int)msg.wParam);
            bCancel = true;
            break;
        }
        if (::GetCapture() != hWnd) {
            ::DispatchMessageA(&msg);
            bCancel = true;
            break;
        }
        switch (msg.message) {
        case WM_LBUTTONUP:
            bDone = true;
            [[fallthrough]];
        case WM_MOUSEMOVE: {
            POINT pt = {(short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam)};
            if (msg.hwnd != hWnd)
                ::MapWindowPoints(msg.hwnd, hWnd, &pt, 1);
            CRect rc = Moved(rcStart, nHandle, pt.x - point.x, pt.y - point.y);
            AdjustRect(nHandle, &rc);
            if (rc != m_rect) {
                m_rect = rc;
                DrawTrackerRect(&rc, pWnd);
                // What the window drew for the step does not move the drag.
                m_rect = rc;
            }
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                bCancel = true;
            break;
        case WM_RBUTTONDOWN:
            bCancel = true;
            break;
        default:
            ::DispatchMessageA(&msg);
            break;
        }
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (bCancel)
        m_rect = rcStart;
    DrawTrackerRect(nullptr, pWnd);
    return !bCancel && m_rect != rcStart;
}

void CRectTracker::DrawTrackerRect(const RECT* pRect, CWnd* pWnd) {
    CClientDC dc(pWnd);
    if (m_bDrawn)
        dc.DrawFocusRect(m_rectDrawn);
    m_bDrawn = pRect != nullptr;
    if (pRect) {
        m_rectDrawn = *pRect;
        dc.DrawFocusRect(m_rectDrawn);
    }
}
