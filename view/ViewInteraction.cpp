#include "view/ViewInteraction.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "view/AlmanarkView.h"
#include "view/BoxNavigation.h"
#include "view/DeviceUnits.h"
#include "view/MonthLayout.h"

namespace {
CMainFrame* Frame() {
    CMainFrame* pFrame = theApp.m_pFrame;
    return pFrame && pFrame->GetSafeHwnd() ? pFrame : nullptr;
}

void SetHint(const char* pszText) {
    if (CMainFrame* pFrame = Frame())
        pFrame->SetStatusText(0, pszText);
}

bool KeyDown(int nVirtKey) {
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}

CPoint PointOf(LPARAM lParam) {
    return CPoint((short)LOWORD(lParam), (short)HIWORD(lParam));
}

bool InTracker(const CRectTracker& tracker, CPoint pt) {
    CRect rc;
    tracker.GetTrueRect(&rc);
    return !tracker.m_rect.IsRectEmpty() && rc.PtInRect(pt);
}
} // namespace

bool CViewInteraction::OnMessage(UINT nMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    *pResult = 0;
    switch (nMsg) {
    case WM_LBUTTONDOWN:
        if (!m_positioning.OnLButtonDown(PointOf(lParam)))
            OnLButtonDown(PointOf(lParam));
        return true;
    case WM_LBUTTONDBLCLK:
        m_positioning.OnLButtonDblClk(PointOf(lParam));
        return true;
    case WM_RBUTTONDOWN:
        OnRButtonDown(PointOf(lParam));
        return true;
    case WM_RBUTTONUP:
        OnRButtonUp();
        return true;
    case WM_MOUSEMOVE:
        OnMouseMove(PointOf(lParam));
        return true;
    case WM_KEYDOWN:
        OnKeyDown((UINT)wParam);
        return true;
    case WM_TIMER:
        if (wParam != kHintTimer)
            return false;
        OnTimer();
        return true;
    case WM_SETCURSOR:
        *pResult = TRUE;
        return m_positioning.OnSetCursor(LOWORD(lParam));
    case WM_KILLFOCUS:
        m_positioning.OnKillFocus();
        return false;
    case WM_SIZE:
        OnSize();
        return false;
    }
    return false;
}

std::array<bool, 42> CViewInteraction::BoxesWithText() const {
    std::array<bool, 42> abHasText = {};
    const CAlmanarkDoc* pDoc = m_view.GetDocument();
    const CWeekLayout weeks = m_view.Weeks();
    int nStoredCol = 0, nStoredRow = 0;
    for (int c = 0; pDoc && c < CMonthLayout::kColumns; ++c)
        for (int r = 0; r < CMonthLayout::kRows; ++r)
            abHasText[CMonthLayout::BoxIndex(c, r)] =
                weeks.StoredBox(c, r, nStoredCol, nStoredRow) &&
                !pDoc->GetNote(nStoredCol, nStoredRow).IsEmpty();
    return abHasText;
}

bool CViewInteraction::BoxAt(CPoint pt, int& nCol, int& nRow) const {
    // A year page has no day boxes of its own.
    const CAlmanarkDoc* pDoc = m_view.GetDocument();
    return pDoc && !pDoc->m_bYearDoc &&
           CBoxNavigation(BoxesWithText()).HitBox(m_view.m_boxRects, pt, nCol, nRow);
}

void CViewInteraction::InvalidateBox(int nCol, int nRow) {
    if (nCol >= 0 && nCol < CMonthLayout::kColumns && nRow >= 0 && nRow < CMonthLayout::kRows)
        m_view.InvalidateRect(&m_view.m_boxRects[CMonthLayout::BoxIndex(nCol, nRow)]);
}

void CViewInteraction::CommitNote() {
    if (!m_view.m_nNoteDirty)
        return;
    if (CMainFrame* pFrame = Frame())
        pFrame->m_wndCalendarPage.StoreNote();
    else
        m_view.m_nNoteDirty = 0;
}

bool CViewInteraction::SelectBox(int nCol, int nRow) {
    if (!CBoxNavigation(BoxesWithText()).HasText(nCol, nRow))
        return false;
    m_view.m_selDay = 0;
    CommitNote();
    InvalidateBox(m_view.m_selCol, m_view.m_selRow);
    InvalidateBox(nCol, nRow);
    return true;
}

void CViewInteraction::Select(int nCol, int nRow) {
    m_view.m_selCol = nCol;
    m_view.m_selRow = nRow;
    ++m_view.m_nRefreshNote;
}

void CViewInteraction::OnLButtonDown(CPoint pt) {
    int nCol = 0, nRow = 0;
    if (BoxAt(pt, nCol, nRow) && SelectBox(nCol, nRow))
        Select(nCol, nRow);
}

void CViewInteraction::OnKeyDown(UINT nChar) {
    CBoxNavigation::Key key;
    switch (nChar) {
    case VK_SHIFT:
    case VK_CONTROL:
        return;
    case VK_ESCAPE:
        m_positioning.Stop();
        return;
    case VK_DELETE:
        m_positioning.OnDelete();
        return;
    case VK_TAB:
        key = KeyDown(VK_SHIFT) ? CBoxNavigation::keyBackTab : CBoxNavigation::keyTab;
        break;
    case VK_HOME:
        key = CBoxNavigation::keyHome;
        break;
    case VK_END:
        key = CBoxNavigation::keyEnd;
        break;
    case VK_LEFT:
        key = CBoxNavigation::keyLeft;
        break;
    case VK_RIGHT:
        key = CBoxNavigation::keyRight;
        break;
    case VK_UP:
        key = CBoxNavigation::keyUp;
        break;
    case VK_DOWN:
        key = CBoxNavigation::keyDown;
        break;
    default:
        ::MessageBeep(MB_ICONASTERISK);
        return;
    }
    int nCol = m_view.m_selCol, nRow = m_view.m_selRow;
    const CAlmanarkDoc* pDoc = m_view.GetDocument();
    if (pDoc && !pDoc->m_bYearDoc && CBoxNavigation(BoxesWithText()).OnKey(key, nCol, nRow) &&
        SelectBox(nCol, nRow)) {
        Select(nCol, nRow);
    } else if (key >= CBoxNavigation::keyLeft) {
        // An arrow refreshes the note editor even where the selection stays.
        ++m_view.m_nRefreshNote;
        InvalidateBox(m_view.m_selCol, m_view.m_selRow);
    }
}

void CViewInteraction::OnRButtonDown(CPoint pt) {
    CommitNote();
    CMainFrame* pFrame = Frame();
    const CAlmanarkDoc* pDoc = m_view.GetDocument();
    int nCol = 0, nRow = 0;
    if (!pFrame || !pDoc || !BoxAt(pt, nCol, nRow))
        return;
    CString strText = m_view.BoxNote(nCol, nRow);
    if (theApp.m_nDaySwap == 2)
        strText = "\t" + strText;
    CEdit& edit = pFrame->m_wndCalendarPage.m_editFullText;
    edit.SetWindowText(strText + m_view.BoxCaptions(nCol, nRow));
    edit.ShowWindow(SW_SHOW);
}

void CViewInteraction::OnRButtonUp() {
    ++m_view.m_nRefreshNote;
    InvalidateBox(m_view.m_selCol, m_view.m_selRow);
    if (CMainFrame* pFrame = Frame())
        pFrame->m_wndCalendarPage.m_editFullText.ShowWindow(SW_HIDE);
}

void CViewInteraction::OnMouseMove(CPoint pt) {
    const CAlmanarkDoc* pDoc = m_view.GetDocument();
    if (pDoc && pt.x <= m_view.m_pageWidth && pt.y <= m_view.m_pageHeight &&
        !m_positioning.IsOn()) {
        if (pDoc->m_bHasImage && InTracker(m_view.m_imgTracker, pt))
            SetHint("Double click graphic to position");
        if (InTracker(m_view.m_calTracker, pt))
            SetHint("Double click calendar to position");
    }
    m_view.SetTimer(kHintTimer, kHintDelay);
}

void CViewInteraction::OnTimer() {
    POINT pt;
    ::GetCursorPos(&pt);
    const CRect rcWindow = m_view.GetWindowRect();
    const CRect rcPage(rcWindow.left + 2, rcWindow.top,
                       rcWindow.left + 2 + TruncUnits(m_view.m_pageWidth),
                       rcWindow.top + 3 + TruncUnits(m_view.m_pageHeight));
    if (rcPage.PtInRect(pt))
        return;
    CMainFrame* pFrame = Frame();
    if (pFrame)
        pFrame->m_wndCalendarPage.m_editFullText.ShowWindow(SW_HIDE);
    m_view.KillTimer(kHintTimer);
    if (m_positioning.IsOn() || !pFrame)
        return;
    // The note editor stands on the page only for month calendars.
    const HWND hNote = pFrame->m_wndCalendarPage.m_editNote.GetSafeHwnd();
    const bool bNoteShown = hNote && (::GetWindowLongA(hNote, GWL_STYLE) & WS_VISIBLE);
    SetHint(bNoteShown ? "Right click any Day Box to see all text" : "");
}

void CViewInteraction::OnSize() {
    CMainFrame* pFrame = Frame();
    if (!pFrame || !m_view.IsWindowVisible() || !pFrame->m_wndStatusBar.GetSafeHwnd())
        return;
    pFrame->m_wndStatusBar.SetPaneWidth(0, m_view.GetClientRect().Width() - 2);
    pFrame->m_wndStatusBar.SetPaneWidth(1, 1000);
}
