#include "framework/ScrollView.h"

void CScrollView::SetScrollSizes(int cx, int cy) {
    m_totalSize = CSize(cx, cy);
    CRect rc = GetClientRect();
    SCROLLINFO si = {};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_PAGE;
    si.nMin = 0;
    si.nMax = cx - 1;
    si.nPage = rc.Width();
    ::SetScrollInfo(m_hWnd, SB_HORZ, &si, TRUE);
    si.nMax = cy - 1;
    si.nPage = rc.Height();
    ::SetScrollInfo(m_hWnd, SB_VERT, &si, TRUE);
}
