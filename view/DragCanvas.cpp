#include "view/DragCanvas.h"

#include "framework/ClientDC.h"
#include "framework/RectTracker.h"
#include "framework/Wnd.h"

CDragCanvas::CDragCanvas(CWnd& wnd, const CRect& rcBlock, const std::function<void(CDC&)>& paint,
                         const std::function<void(bool)>& hide)
    : m_wnd(wnd), m_rcBlock(rcBlock), m_rcClient(wnd.GetClientRect()) {
    m_rcBlock.NormalizeRect();
    CClientDC dcScreen(&wnd);
    if (m_rcClient.IsRectEmpty() || !Make(m_page, dcScreen) || !Make(m_back, dcScreen) ||
        !Make(m_compose, dcScreen))
        return;
    paint(m_page.dc);
    // The first step renews the whole window.
    m_rcShown = m_rcClient;
    hide(true);
    paint(m_back.dc);
    hide(false);
    m_bReady = true;
}

CDragCanvas::~CDragCanvas() {
    Free(m_page);
    Free(m_back);
    Free(m_compose);
}

bool CDragCanvas::Make(CLayer& layer, CDC& dcScreen) {
    if (!layer.dc.CreateCompatibleDC(&dcScreen))
        return false;
    layer.hBitmap = ::CreateCompatibleBitmap(dcScreen, m_rcClient.Width(), m_rcClient.Height());
    if (!layer.hBitmap)
        return false;
    layer.hOld = layer.dc.SelectObject(layer.hBitmap);
    // What erasing the window would have put there.
    layer.dc.FillRect(m_rcClient, ::GetSysColorBrush(COLOR_WINDOW));
    return true;
}

void CDragCanvas::Free(CLayer& layer) {
    if (layer.hOld)
        layer.dc.SelectObject(layer.hOld);
    if (layer.hBitmap)
        ::DeleteObject(layer.hBitmap);
}

void CDragCanvas::Show(const CRect& rc, const CRectTracker& tracker) {
    if (!m_bReady)
        return;
    CRectTracker frame(rc, tracker.m_nStyle);
    frame.m_nHandleSize = tracker.m_nHandleSize;
    // Only where the block was or is now changes.
    CRect rcNow;
    frame.GetTrueRect(&rcNow);
    rcNow.InflateRect(1, 1);
    CRect rcDirty;
    rcDirty.UnionRect(&m_rcShown, &rcNow);
    m_rcShown = rcNow;
    ::BitBlt(m_compose.dc, rcDirty.left, rcDirty.top, rcDirty.Width(), rcDirty.Height(), m_back.dc,
             rcDirty.left, rcDirty.top, SRCCOPY);
    m_compose.dc.SetStretchBltMode(COLORONCOLOR);
    ::StretchBlt(m_compose.dc, rc.left, rc.top, rc.Width(), rc.Height(), m_page.dc, m_rcBlock.left,
                 m_rcBlock.top, m_rcBlock.Width(), m_rcBlock.Height(), SRCCOPY);
    frame.Draw(&m_compose.dc);
    ToScreen(rcDirty);
}

void CDragCanvas::Repaint(const std::function<void(CDC&)>& paint) {
    if (!m_bReady) {
        m_wnd.Invalidate();
        return;
    }
    m_compose.dc.FillRect(m_rcClient, ::GetSysColorBrush(COLOR_WINDOW));
    paint(m_compose.dc);
    ToScreen(m_rcClient);
}

void CDragCanvas::ToScreen(const CRect& rc) {
    CClientDC dcScreen(&m_wnd);
    ::BitBlt(dcScreen, rc.left, rc.top, rc.Width(), rc.Height(), m_compose.dc, rc.left, rc.top,
             SRCCOPY);
}
