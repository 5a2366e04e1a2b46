#include "frame/MainFrame.h"

#include "app/AlmanarkApp.h"
#include "app/TextElement.h"
#include "document/AlmanarkDoc.h"
#include "frame/WindowPlacement.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
const UINT s_anIndicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                               ID_INDICATOR_SCRL};

bool KeyDown(int nVirtKey) {
    return (::GetKeyState(nVirtKey) & 0x8000) != 0;
}
} // namespace

CMainFrame::CMainFrame() {
    theApp.m_pFrame = this;
}

CPanelPage* CMainFrame::GetPage(int nIndex) {
    switch (nIndex) {
    case kCalendarPage:
        return &m_wndCalendarPage;
    case kStylePage:
        return &m_wndStylePage;
    case kImagePage:
        return &m_wndImagePage;
    case kEventsPage:
        return &m_wndEventsPage;
    }
    return nullptr;
}

CPanelPage* CMainFrame::GetVisiblePage() {
    for (int i = 0; i < kPageCount; ++i)
        if (GetPage(i)->IsWindowVisible())
            return GetPage(i);
    return nullptr;
}

bool CMainFrame::PreCreateWindow(CREATESTRUCTA& cs) {
    CWindowPlacement placement = theApp.Settings().Placement();
    RECT rcWork;
    if (::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0))
        placement = placement.ClampedTo(rcWork);
    cs.x = placement.x;
    cs.y = placement.y;
    cs.cx = placement.cx;
    cs.cy = placement.cy;
    return CFrameWnd::PreCreateWindow(cs);
}

int CMainFrame::OnCreate(LPCREATESTRUCTA lpcs) {
    if (CFrameWnd::OnCreate(lpcs) == -1)
        return -1;
    if (CView* pView = GetActiveView())
        ::SetWindowContextHelpId(pView->GetSafeHwnd(), IDH_CALENDAR_VIEW);
    if (!m_wndStatusBar.Create(this) ||
        !m_wndStatusBar.SetIndicators(s_anIndicators, (int)(sizeof s_anIndicators / sizeof(UINT))))
        return -1;
    SetStatusBarWindow(m_wndStatusBar.GetSafeHwnd());
    if (!m_wndPanelBar.Create(this, IDD_PANELBAR, CBRS_RIGHT | CBRS_FLYBY, IDD_PANELBAR))
        return -1;
    SetRightBarWindow(m_wndPanelBar.GetSafeHwnd());
    m_tabs.Attach(m_wndPanelBar.GetDlgItem(IDC_PANEL_TABS));
    if (!m_tabs.GetSafeHwnd())
        return -1;
    static const char* const s_apszTabs[] = {"Calendar", "Style", "Image", "Events"};
    for (int i = 0; i < kPageCount; ++i)
        m_tabs.InsertItem(i, s_apszTabs[i]);
    for (int i = 0; i < kPageCount; ++i)
        if (!GetPage(i)->Create(GetPage(i)->GetTemplate(), &m_tabs))
            return -1;
    ShowPage(kCalendarPage);
    SetStatusText(0, "Ready");
    return 0;
}

void CMainFrame::SetStatusText(int nPane, const char* pszText) {
    if (m_wndStatusBar.GetSafeHwnd())
        m_wndStatusBar.SetPaneText(nPane, pszText);
}

CString CMainFrame::GetStatusText(int nPane) const {
    return m_wndStatusBar.GetSafeHwnd() ? m_wndStatusBar.GetPaneText(nPane) : CString();
}

void CMainFrame::RecalcPanelLayout() {
    if (!m_wndPanelBar.IsWindowVisible() || !m_tabs.GetSafeHwnd())
        return;
    m_tabs.MoveWindow(GetClientRect());
    CRect rcBar = m_wndPanelBar.GetWindowRect();
    m_tabs.SetItemSize(CSize((rcBar.Width() + 4) / 4, 20));
    CRect rcPage = m_tabs.GetClientRect();
    m_tabs.AdjustRect(false, &rcPage);
    if (CPanelPage* pPage = GetVisiblePage())
        pPage->MoveWindow(rcPage);
}

void CMainFrame::ShowPage(int nIndex) {
    if (CPanelPage* pVisible = GetVisiblePage())
        pVisible->ShowWindow(SW_HIDE);
    CAlmanarkView* pView = theApp.m_pView;
    if (pView && (pView->m_nPictureFirst || pView->m_nImgPositioning)) {
        pView->m_nPictureFirst = 0;
        pView->m_nImgPositioning = 0;
        theApp.InvalidateView();
    }
    CPanelPage* pPage = GetPage(nIndex);
    if (nIndex == kImagePage && pView && theApp.m_pDoc && theApp.m_pDoc->m_bHasImage) {
        pView->m_nCalPositioning = 0;
        ++pView->m_nPictureFirst;
        pView->m_nImgPositioning = 1;
        theApp.InvalidateView();
    }
    if (pPage) {
        pPage->ShowWindow(SW_SHOW);
        pPage->SetFocus();
    }
    // F1 over the frame, the tabs or the status bar explains the page on show.
    ::SetWindowContextHelpId(m_hWnd, pPage ? pPage->GetTemplate() : 0);
    RecalcPanelLayout();
}

bool CMainFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    const NMHDR* pHdr = reinterpret_cast<const NMHDR*>(lParam);
    if (pHdr && pHdr->idFrom == IDC_PANEL_TABS && pHdr->code == TCN_SELCHANGE) {
        ShowPage(m_tabs.GetCurSel());
        *pResult = 0;
        return true;
    }
    return CFrameWnd::OnNotify(wParam, lParam, pResult);
}

void CMainFrame::HandleShortcutKeys() {
    CAlmanarkView* pView = theApp.m_pView;
    if (!pView || !pView->GetSafeHwnd() || !m_wndPanelBar.GetSafeHwnd())
        return;
    // Keys typed into another window (a dialog or message box of the frame,
    // the help window) are that window's: Delete in a file name must not
    // remove the picture, Alt+C in the help window must not leave it.
    if (!IsWindowEnabled() || ::GetActiveWindow() != m_hWnd)
        return;
    if (pView->m_nImgPositioning && KeyDown(VK_DELETE))
        m_wndImagePage.RemoveImage();
    // Ctrl with Alt is AltGr, which types characters (the euro sign is
    // AltGr+E on many keyboards) rather than asking for a page.
    if (!KeyDown(VK_MENU) || KeyDown(VK_CONTROL))
        return;
    if (KeyDown('V'))
        pView->SetFocus();
    // Several letters together: E over I over S over C.
    int nPage = -1;
    if (KeyDown('E'))
        nPage = kEventsPage;
    else if (KeyDown('I'))
        nPage = kImagePage;
    else if (KeyDown('S'))
        nPage = kStylePage;
    else if (KeyDown('C'))
        nPage = kCalendarPage;
    if (nPage < 0)
        return;
    m_tabs.SetCurSel(nPage);
    ShowPage(nPage);
}

void CMainFrame::ShowCursorHint() {
    CString strHint = theApp.m_pDoc ? theApp.m_pDoc->m_strPrinter : CString();
    if (m_wndStylePage.IsWindowVisible()) {
        POINT pt;
        ::GetCursorPos(&pt);
        for (const CTextElement& element : CTextElement::kAll) {
            RECT rc;
            HWND hButton = m_wndStylePage.GetDlgItem(element.nFontButton);
            if (hButton && ::GetWindowRect(hButton, &rc) && ::PtInRect(&rc, pt))
                strHint = theApp.*element.pstrFace;
        }
    }
    SetStatusText(1, strHint);
}

LRESULT CMainFrame::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) {
    HandleShortcutKeys();
    switch (nMsg) {
    case WM_GETMINMAXINFO: {
        auto* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
        LRESULT lResult = CFrameWnd::WindowProc(nMsg, wParam, lParam);
        pInfo->ptMinTrackSize.x = CWindowPlacement::kMinWidth;
        pInfo->ptMinTrackSize.y = CWindowPlacement::kMinHeight;
        return lResult;
    }
    case WM_SIZE: {
        LRESULT lResult = CFrameWnd::WindowProc(nMsg, wParam, lParam);
        if (IsWindowVisible())
            RecalcPanelLayout();
        return lResult;
    }
    case WM_SIZING: {
        LRESULT lResult = CFrameWnd::WindowProc(nMsg, wParam, lParam);
        ++theApp.m_nResizeCount;
        return lResult;
    }
    case WM_SETCURSOR:
        ShowCursorHint();
        break;
    case WM_FONTCHANGE:
    case WM_SETTINGCHANGE:
        // Fonts came or went, or text is smoothed another way: the next
        // paint draws the year page's panels afresh.
        if (theApp.m_pView)
            theApp.m_pView->m_keptPanels.Release();
        break;
    }
    return CFrameWnd::WindowProc(nMsg, wParam, lParam);
}

void CMainFrame::OnClose() {
    CString strName = m_wndEventsPage.PendingSaveName();
    if (!strName.IsEmpty()) {
        CString strPrompt = "Save Event file: " + strName + ".evn";
        if (AfxShowMessageBox(m_hWnd, strPrompt, "Almanark", MB_YESNO) == IDYES)
            m_wndEventsPage.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FILE_BUTTON, BN_CLICKED),
                                        (LPARAM)m_wndEventsPage.m_btnFile.GetSafeHwnd());
    }
    int nShow = SW_SHOW;
    if (IsZoomed()) {
        nShow = SW_SHOWMAXIMIZED;
    } else if (!IsIconic()) {
        CRect rc = GetWindowRect();
        theApp.WriteSetting(CSettingsKeys::kWindowPosX, rc.left);
        theApp.WriteSetting(CSettingsKeys::kWindowPosY, rc.top);
        theApp.WriteSetting(CSettingsKeys::kWindowSizeX, rc.Width());
        theApp.WriteSetting(CSettingsKeys::kWindowSizeY, rc.Height());
    }
    theApp.WriteSetting(CSettingsKeys::kShowWindow, nShow);
    CFrameWnd::OnClose();
}

void CMainFrame::OnIdleUpdate() {
    if (m_wndStatusBar.GetSafeHwnd())
        m_wndStatusBar.UpdateIndicators();
}
