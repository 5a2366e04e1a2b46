#include "framework/PreviewView.h"

#include <algorithm>

#include "framework/AfxRes.h"
#include "framework/Dc.h"
#include "framework/FrameWnd.h"
#include "framework/View.h"

namespace {
const int kMargin = 12;
const int kShadow = 4;

struct ButtonDef {
    int nID;
    const char* pszText;
};
const ButtonDef kButtons[] = {
    {CPreviewView::kPrint, "&Print..."},     {CPreviewView::kNextPage, "&Next Page"},
    {CPreviewView::kPrevPage, "Pre&v Page"}, {CPreviewView::kZoomIn, "Zoom &In"},
    {CPreviewView::kZoomOut, "Zoom &Out"},   {CPreviewView::kClose, "&Close"}};

struct ScrollKey {
    WPARAM nKey;
    int nBar;
    int nRequest;
};
const ScrollKey kScrollKeys[] = {
    {VK_PRIOR, SB_VERT, SB_PAGEUP}, {VK_NEXT, SB_VERT, SB_PAGEDOWN},
    {VK_UP, SB_VERT, SB_LINEUP},    {VK_DOWN, SB_VERT, SB_LINEDOWN},
    {VK_LEFT, SB_HORZ, SB_LINEUP},  {VK_RIGHT, SB_HORZ, SB_LINEDOWN},
    {VK_HOME, SB_VERT, SB_TOP},     {VK_END, SB_VERT, SB_BOTTOM},
};

// A memory bitmap the size of the window, so that the page never flickers.
class CBufferDC {
public:
    CBufferDC(HDC hDC, int cx, int cy)
        : m_hDC(::CreateCompatibleDC(hDC)), m_hBitmap(::CreateCompatibleBitmap(hDC, cx, cy)),
          m_hOld(::SelectObject(m_hDC, m_hBitmap)) {}
    ~CBufferDC() {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hBitmap);
        ::DeleteDC(m_hDC);
    }
    CBufferDC(const CBufferDC&) = delete;
    CBufferDC& operator=(const CBufferDC&) = delete;
    HDC Get() const { return m_hDC; }

private:
    HDC m_hDC;
    HBITMAP m_hBitmap;
    HGDIOBJ m_hOld;
};
} // namespace

CPreviewView::CPreviewView(CView& view, std::unique_ptr<CPrintInfo> pInfo)
    : m_view(view), m_pInfo(std::move(pInfo)) {}

bool CPreviewView::Create(CFrameWnd* pFrame) {
    CRect rc(0, 0, 0, 0);
    if (!CreateEx(0, nullptr, "", WS_CHILD | WS_CLIPCHILDREN, rc, pFrame, AFX_IDW_PANE_FIRST + 1))
        return false;
    const bool bPages = m_pInfo->GetMaxPage() > m_pInfo->GetMinPage();
    int x = 6;
    for (const ButtonDef& button : kButtons) {
        if (!bPages && (button.nID == kNextPage || button.nID == kPrevPage))
            continue;
        HWND hButton = ::CreateWindowExA(
            0, "BUTTON", button.pszText, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, x, 4, 84, 24,
            m_hWnd, (HMENU)(INT_PTR)button.nID, ::GetModuleHandleA(nullptr), nullptr);
        ::SendMessageA(hButton, WM_SETFONT, (WPARAM)::GetStockObject(DEFAULT_GUI_FONT), FALSE);
        x += 90;
    }
    UpdateBar();
    return true;
}

CSize CPreviewView::PaperSize() const {
    const HDC hDC = m_pInfo->m_pPD->GetPrinterDC();
    return hDC ? CSize(::GetDeviceCaps(hDC, PHYSICALWIDTH), ::GetDeviceCaps(hDC, PHYSICALHEIGHT))
               : CSize();
}

CRect CPreviewView::PageArea() const {
    CRect rc = GetClientRect();
    rc.top = std::min<LONG>(rc.top + m_nBarHeight, rc.bottom);
    return rc;
}

// Without the scroll bars that a zoom shows: the whole page fits it at the
// first zoom, and each zoom doubles that size whatever bars come and go.
CRect CPreviewView::BareArea() const {
    CRect rc = PageArea();
    const LONG nStyle = ::GetWindowLongA(m_hWnd, GWL_STYLE);
    if (nStyle & WS_VSCROLL)
        rc.right += ::GetSystemMetrics(SM_CXVSCROLL);
    if (nStyle & WS_HSCROLL)
        rc.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    return rc;
}

CRect CPreviewView::PageRect() const {
    const CRect rcArea = PageArea();
    const CRect rcBare = BareArea();
    const CSize paper = PaperSize();
    if (paper.cx <= 0 || paper.cy <= 0)
        return CRect();
    const double dFit = std::min((double)(rcBare.Width() - 2 * kMargin) / paper.cx,
                                 (double)(rcBare.Height() - 2 * kMargin) / paper.cy);
    if (dFit <= 0)
        return CRect();
    const double dScale = dFit * (1 << m_nZoom);
    const int cx = (int)(paper.cx * dScale), cy = (int)(paper.cy * dScale);
    const int x = cx + 2 * kMargin <= rcArea.Width() ? rcArea.left + (rcArea.Width() - cx) / 2
                                                     : rcArea.left + kMargin - m_ptScroll.x;
    const int y = cy + 2 * kMargin <= rcArea.Height() ? rcArea.top + (rcArea.Height() - cy) / 2
                                                      : rcArea.top + kMargin - m_ptScroll.y;
    return CRect(x, y, x + cx, y + cy);
}

void CPreviewView::SetZoom(int nZoom) {
    nZoom = std::clamp(nZoom, 0, kMaxZoom);
    if (nZoom == m_nZoom)
        return;
    // Keep the middle of what is shown in the middle.
    const CRect rcArea = PageArea();
    const CRect rcOld = PageRect();
    const double dx =
        rcOld.Width() ? (rcArea.CenterPoint().x - rcOld.left) / (double)rcOld.Width() : 0.5;
    const double dy =
        rcOld.Height() ? (rcArea.CenterPoint().y - rcOld.top) / (double)rcOld.Height() : 0.5;
    m_nZoom = nZoom;
    m_ptScroll = CPoint();
    const CRect rcNew = PageRect();
    m_ptScroll = CPoint((int)(dx * rcNew.Width()) + kMargin - rcArea.Width() / 2,
                        (int)(dy * rcNew.Height()) + kMargin - rcArea.Height() / 2);
    UpdateScrollBars();
    UpdateBar();
    Invalidate(false);
}

void CPreviewView::SetPage(UINT nPage) {
    nPage = std::clamp(nPage, m_pInfo->GetMinPage(), m_pInfo->GetMaxPage());
    if (nPage == m_pInfo->m_nCurPage)
        return;
    m_pInfo->m_nCurPage = nPage;
    UpdateBar();
    Invalidate(false);
}

void CPreviewView::UpdateBar() {
    const HWND hNext = GetDlgItem(kNextPage), hPrev = GetDlgItem(kPrevPage);
    // A button that goes grey under the focus would take the keys with it.
    const HWND hFocus = ::GetFocus();
    ::EnableWindow(hNext, m_pInfo->m_nCurPage < m_pInfo->GetMaxPage());
    ::EnableWindow(hPrev, m_pInfo->m_nCurPage > m_pInfo->GetMinPage());
    if ((hFocus == hNext || hFocus == hPrev) && !::IsWindowEnabled(hFocus))
        SetFocus();
    ::EnableWindow(GetDlgItem(kZoomIn), m_nZoom < kMaxZoom);
    ::EnableWindow(GetDlgItem(kZoomOut), m_nZoom > 0);
}

// A bar shows only while the zoomed page is larger than the window: the
// whole page needs none, and a bar paints slowly under some window systems.
void CPreviewView::ShowNeededScrollBars() {
    const CRect rcBare = BareArea();
    const CRect rcPage = PageRect(); // its size does not depend on the bars
    const CSize content(rcPage.Width() + 2 * kMargin, rcPage.Height() + 2 * kMargin);
    bool bHorz = content.cx > rcBare.Width();
    const bool bVert = content.cy > rcBare.Height() ||
                       (bHorz && content.cy > rcBare.Height() - ::GetSystemMetrics(SM_CYHSCROLL));
    bHorz = bHorz || (bVert && content.cx > rcBare.Width() - ::GetSystemMetrics(SM_CXVSCROLL));
    ::ShowScrollBar(m_hWnd, SB_HORZ, bHorz);
    ::ShowScrollBar(m_hWnd, SB_VERT, bVert);
}

void CPreviewView::UpdateScrollBars() {
    if (m_bUpdatingBars) // a bar shown or hidden here resizes the window
        return;
    m_bUpdatingBars = true;
    ShowNeededScrollBars();
    const CRect rcArea = PageArea();
    const CPoint ptWanted = m_ptScroll;
    const CRect rcPage = PageRect();
    const int anWanted[2] = {ptWanted.x, ptWanted.y};
    const int anContent[2] = {rcPage.Width() + 2 * kMargin, rcPage.Height() + 2 * kMargin};
    const int anShown[2] = {rcArea.Width(), rcArea.Height()};
    LONG* apScroll[2] = {&m_ptScroll.x, &m_ptScroll.y};
    static const int s_anBars[2] = {SB_HORZ, SB_VERT};
    for (int i = 0; i < 2; ++i) {
        const int nMaxPos = std::max(0, anContent[i] - anShown[i]);
        *apScroll[i] = std::clamp(anWanted[i], 0, nMaxPos);
        SCROLLINFO si = {sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
        si.nMax = nMaxPos ? anContent[i] - 1 : 0;
        si.nPage = nMaxPos ? (UINT)anShown[i] : 0;
        si.nPos = *apScroll[i];
        ::SetScrollInfo(m_hWnd, s_anBars[i], &si, TRUE);
    }
    m_bUpdatingBars = false;
}

void CPreviewView::Scroll(int nBar, int nRequest, int nThumb) {
    SCROLLINFO si = {sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    ::GetScrollInfo(m_hWnd, nBar, &si);
    int nPos = si.nPos;
    const int nLine = 20, nPage = std::max(1, (int)si.nPage - nLine);
    switch (nRequest) {
    case SB_LINEUP:
        nPos -= nLine;
        break;
    case SB_LINEDOWN:
        nPos += nLine;
        break;
    case SB_PAGEUP:
        nPos -= nPage;
        break;
    case SB_PAGEDOWN:
        nPos += nPage;
        break;
    case SB_TOP:
        nPos = si.nMin;
        break;
    case SB_BOTTOM:
        nPos = si.nMax;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        nPos = nThumb;
        break;
    default:
        return;
    }
    si.fMask = SIF_POS;
    si.nPos = std::clamp(nPos, si.nMin, std::max(si.nMin, si.nMax - (int)si.nPage + 1));
    ::SetScrollInfo(m_hWnd, nBar, &si, TRUE);
    (nBar == SB_HORZ ? m_ptScroll.x : m_ptScroll.y) = si.nPos;
    Invalidate(false);
}

void CPreviewView::DrawPreview(HDC hDC) {
    const CRect rcClient = GetClientRect();
    const CRect rcArea = PageArea();
    ::FillRect(hDC, CRect(rcClient.left, rcClient.top, rcClient.right, rcArea.top),
               ::GetSysColorBrush(COLOR_BTNFACE));
    ::FillRect(hDC, rcArea, ::GetSysColorBrush(COLOR_APPWORKSPACE));
    const CRect rcPage = PageRect();
    if (rcPage.IsRectEmpty())
        return;
    CRect rcShadow = rcPage;
    rcShadow.OffsetRect(kShadow, kShadow);
    ::FillRect(hDC, rcShadow, ::GetSysColorBrush(COLOR_3DDKSHADOW));
    ::FillRect(hDC, rcPage, (HBRUSH)::GetStockObject(WHITE_BRUSH));

    // Printer units onto the paper: the DC's origin is the printable
    // corner, as on the printer.
    const HDC hPrinter = m_pInfo->m_pPD->GetPrinterDC();
    const CSize paper = PaperSize();
    const int nSaved = ::SaveDC(hDC);
    ::IntersectClipRect(hDC, rcPage.left, rcPage.top, rcPage.right, rcPage.bottom);
    ::IntersectClipRect(hDC, rcArea.left, rcArea.top, rcArea.right, rcArea.bottom);
    ::SetMapMode(hDC, MM_ANISOTROPIC);
    ::SetWindowExtEx(hDC, paper.cx, paper.cy, nullptr);
    ::SetViewportExtEx(hDC, rcPage.Width(), rcPage.Height(), nullptr);
    ::SetViewportOrgEx(hDC, rcPage.left, rcPage.top, nullptr);
    ::SetWindowOrgEx(hDC, -::GetDeviceCaps(hPrinter, PHYSICALOFFSETX),
                     -::GetDeviceCaps(hPrinter, PHYSICALOFFSETY), nullptr);
    CDC dc;
    dc.Attach(hDC);
    dc.m_bPrinting = true;
    m_view.OnPrepareDC(&dc, m_pInfo.get());
    m_view.OnPrint(&dc, m_pInfo.get());
    dc.Detach();
    ::RestoreDC(hDC, nSaved);
    ::FrameRect(hDC, rcPage, (HBRUSH)::GetStockObject(BLACK_BRUSH));
}

void CPreviewView::OnPaint() {
    PAINTSTRUCT ps;
    const HDC hDC = ::BeginPaint(m_hWnd, &ps);
    const CRect rcClient = GetClientRect();
    if (rcClient.Width() > 0 && rcClient.Height() > 0) {
        CBufferDC buffer(hDC, rcClient.Width(), rcClient.Height());
        DrawPreview(buffer.Get());
        ::BitBlt(hDC, 0, 0, rcClient.Width(), rcClient.Height(), buffer.Get(), 0, 0, SRCCOPY);
    }
    ::EndPaint(m_hWnd, &ps);
}

void CPreviewView::OnButton(int nID) {
    switch (nID) {
    case kZoomIn:
    case kZoomOut:
        SetZoom(m_nZoom + (nID == kZoomIn ? 1 : -1));
        SetFocus();
        break;
    case kNextPage:
    case kPrevPage:
        SetPage(m_pInfo->m_nCurPage + (nID == kNextPage ? 1 : -1));
        break;
    case kPrint: {
        // The print command runs once preview has given the view back.
        const HWND hFrame = GetParent();
        m_view.ClosePrintPreview();
        ::PostMessageA(hFrame, WM_COMMAND, ID_FILE_PRINT, 0);
        break; // this object is gone
    }
    case kClose:
        m_view.ClosePrintPreview();
        break; // this object is gone
    }
}

LRESULT CPreviewView::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_SIZE:
        UpdateScrollBars();
        Invalidate(false);
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && lParam) {
            OnButton(LOWORD(wParam));
            return 0;
        }
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        Scroll(nMsg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(wParam), HIWORD(wParam));
        return 0;
    case WM_MOUSEWHEEL:
        Scroll(SB_VERT, (short)HIWORD(wParam) > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus();
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE) {
            OnButton(kClose);
            return 0;
        }
        for (const ScrollKey& key : kScrollKeys)
            if (key.nKey == wParam) {
                Scroll(key.nBar, key.nRequest, 0);
                return 0;
            }
        break;
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}
