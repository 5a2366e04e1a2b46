// CMainFrame: the main window with its status bar and the control panel at
// the right edge: a tab control over the four pages.
#pragma once
#include "dates/EventsPage.h"
#include "framework/DialogBar.h"
#include "framework/FrameWnd.h"
#include "framework/StatusBar.h"
#include "framework/TabCtrl.h"
#include "panel/CalendarPage.h"
#include "panel/ImagePage.h"
#include "panel/StylePage.h"

class CMainFrame : public CFrameWnd {
public:
    enum { kCalendarPage, kStylePage, kImagePage, kEventsPage, kPageCount };

    CMainFrame();

    // The first visible page in tab order, or nullptr.
    CPanelPage* GetVisiblePage();
    void ShowPage(int nIndex);
    void RecalcPanelLayout();
    void SetStatusText(int nPane, const char* pszText);
    CString GetStatusText(int nPane) const;
    CPanelPage* GetPage(int nIndex);

    bool PreCreateWindow(CREATESTRUCTA& cs) override;
    int OnCreate(LPCREATESTRUCTA lpcs) override;
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override;
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnClose() override;
    void OnIdleUpdate() override;

    CStatusBar m_wndStatusBar;
    CEventsPage m_wndEventsPage;
    CImagePage m_wndImagePage;
    CStylePage m_wndStylePage;
    CCalendarPage m_wndCalendarPage;
    CDialogBar m_wndPanelBar;

private:
    void HandleShortcutKeys();
    void ShowCursorHint();
    CTabCtrl m_tabs;
};
