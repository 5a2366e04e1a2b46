#include "framework/View.h"

#include "framework/PaintDC.h"

bool CView::Create(CWnd* pParent, UINT nID) {
    CRect rc(0, 0, 0, 0);
    return CreateEx(WS_EX_CLIENTEDGE, nullptr, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, rc,
                    pParent, nID);
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnDraw(&dc);
}

LRESULT CView::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    switch (nMsg) {
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_MOUSEACTIVATE: {
        LRESULT lResult = CWnd::WindowProc(nMsg, wParam, lParam);
        if (::GetFocus() != m_hWnd)
            ::SetFocus(m_hWnd);
        return lResult;
    }
    }
    return CWnd::WindowProc(nMsg, wParam, lParam);
}
