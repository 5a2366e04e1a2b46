#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>
#include <cstring>

#include "framework/DialogBar.h"
#include "framework/DialogTemplate.h"
#include "framework/StatusBar.h"
#include "framework/TabCtrl.h"
#include "framework/TestFrame.h"

namespace {
const WORD IDC_TABS = 1000;
const WORD IDC_APPLY = 1001;
const UINT IDD_BAR = 103;

class CDialogBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.Create(640, 480));
        // A floating style in the template: the bar makes a child of it.
        CDialogTemplate t(WS_POPUP | WS_CAPTION | WS_SYSMENU, 128, 100, "Bar");
        t.AddControl(WC_TABCONTROLA, "", IDC_TABS, TCS_FIXEDWIDTH | WS_TABSTOP, 0, 0, 128, 80);
        t.AddControl(CDialogTemplate::button, "Apply", IDC_APPLY, BS_PUSHBUTTON | WS_TABSTOP, 4, 84,
                     40, 14);
        ASSERT_TRUE(m_bar.CreateIndirect(&m_frame, t.Get(), t.Size(), CBRS_RIGHT, IDD_BAR));
        ASSERT_TRUE(m_bar.BindControl(IDC_TABS, m_tabs));
        for (int i = 0; i < 4; ++i)
            m_tabs.InsertItem(i, i == 0   ? "Calendar"
                                 : i == 1 ? "Style"
                                 : i == 2 ? "Image"
                                          : "Events");
        m_tabs.SetItemSize(CSize(50, 20));
    }

    void ClickTab(int nItem) {
        CPoint pt = m_tabs.GetItemRect(nItem).CenterPoint();
        m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_tabs.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(pt.x, pt.y));
    }

    bool FrameGot(const std::vector<CRecordedCommand>& list, UINT nID, UINT nCode) const {
        for (const CRecordedCommand& c : list)
            if (c.nID == nID && c.nCode == nCode)
                return true;
        return false;
    }

    CTestFrame m_frame;
    CDialogBar m_bar;
    CTabCtrl m_tabs;
};
} // namespace

TEST_F(CDialogBarTest, ChildOfTheFrameWithItsIdAndTemplateSize) {
    LONG lStyle = ::GetWindowLongA(m_bar, GWL_STYLE);
    EXPECT_TRUE(lStyle & WS_CHILD);
    EXPECT_FALSE(lStyle & (WS_POPUP | WS_CAPTION));
    EXPECT_TRUE(m_bar.IsWindowVisible());
    EXPECT_EQ(m_bar.GetParent(), m_frame.GetSafeHwnd());
    EXPECT_EQ(m_bar.GetDlgCtrlID(), (int)IDD_BAR);

    // The client area is the template's size; the left border comes on top.
    CRect rcTemplate(0, 0, 128, 100);
    m_bar.MapDialogRect(&rcTemplate);
    CRect rcClient = m_bar.GetClientRect();
    EXPECT_EQ(rcClient.Width(), rcTemplate.Width());
    EXPECT_EQ(rcClient.Height(), rcTemplate.Height());
    EXPECT_EQ(m_bar.GetWindowRect().Size(),
              CSize(rcTemplate.Width() + ::GetSystemMetrics(SM_CXEDGE), rcTemplate.Height()));
}

TEST_F(CDialogBarTest, ForwardsCommandsAndNotificationsToTheFrame) {
    ::SendMessageA(m_bar.GetDlgItem(IDC_APPLY), BM_CLICK, 0, 0);
    EXPECT_TRUE(FrameGot(m_frame.m_commands, IDC_APPLY, BN_CLICKED));

    ClickTab(2);
    EXPECT_TRUE(FrameGot(m_frame.m_notifications, IDC_TABS, (UINT)TCN_SELCHANGING));
    EXPECT_TRUE(FrameGot(m_frame.m_notifications, IDC_TABS, (UINT)TCN_SELCHANGE));
    EXPECT_EQ(m_tabs.GetCurSel(), 2);

    // The frame's answer goes back to the tab control: TRUE refuses the change.
    m_frame.m_notifications.clear();
    m_frame.m_lNotifyResult = TRUE;
    ClickTab(3);
    EXPECT_TRUE(FrameGot(m_frame.m_notifications, IDC_TABS, (UINT)TCN_SELCHANGING));
    EXPECT_FALSE(FrameGot(m_frame.m_notifications, IDC_TABS, (UINT)TCN_SELCHANGE));
    EXPECT_EQ(m_tabs.GetCurSel(), 2);
}

TEST_F(CDialogBarTest, ReturnAndEscapeInTheBarStayThere) {
    m_tabs.SetFocus();
    for (WPARAM vk : {VK_RETURN, VK_ESCAPE}) {
        ::PostMessageA(m_tabs, WM_KEYDOWN, vk, 1);
        ::PostMessageA(m_tabs, WM_KEYUP, vk, 0xC0000001);
    }
    PumpLoopMessages();
    EXPECT_FALSE(FrameGot(m_frame.m_commands, IDOK, BN_CLICKED));
    EXPECT_FALSE(FrameGot(m_frame.m_commands, IDCANCEL, BN_CLICKED));
    EXPECT_TRUE(m_bar.IsWindowVisible());
}

TEST(DialogBarResources, PanelBarShowsPromptsOfItsControls) {
    const UINT IDD_PANELBAR = 103, IDC_PANEL_TABS = 1000;
    char szPrompt[256] = {0};
    if (!::FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_PANELBAR), (LPCSTR)RT_DIALOG) ||
        ::LoadStringA(::GetModuleHandleA(nullptr), IDC_PANEL_TABS, szPrompt, sizeof szPrompt) <= 0)
        GTEST_SKIP() << "built without the program's resources";
    if (char* pNewline = strchr(szPrompt, '\n'))
        *pNewline = 0;

    CTestFrame frame;
    ASSERT_TRUE(frame.Create(640, 480));
    CStatusBar status;
    ASSERT_TRUE(status.Create(&frame));
    const UINT indicators[] = {ID_SEPARATOR, ID_SEPARATOR};
    status.SetIndicators(indicators, 2);
    status.SetPaneText(0, "Ready");
    CDialogBar bar;
    ASSERT_TRUE(bar.Create(&frame, IDD_PANELBAR, CBRS_RIGHT | CBRS_FLYBY, IDD_PANELBAR));
    EXPECT_TRUE(bar.IsWindowVisible());
    HWND hTabs = bar.GetDlgItem(IDC_PANEL_TABS);
    ASSERT_NE(hTabs, nullptr);

    CRect rcTabs;
    ::GetWindowRect(hTabs, &rcTabs);
    ::SetCursorPos(rcTabs.CenterPoint().x, rcTabs.CenterPoint().y);
    bar.SendMessage(WM_SETCURSOR, (WPARAM)hTabs, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(status.GetPaneText(0), szPrompt);

    // Once the mouse has left the control the idle message comes back.
    ::SetCursorPos(10, 10);
    DWORD dwStart = ::GetTickCount();
    while (status.GetPaneText(0) == szPrompt && ::GetTickCount() - dwStart < 3000) {
        ::Sleep(20);
        PumpLoopMessages();
    }
    EXPECT_EQ(status.GetPaneText(0), "Ready");

    // Over the bar itself there is nothing to prompt.
    bar.SendMessage(WM_SETCURSOR, (WPARAM)hTabs, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(status.GetPaneText(0), szPrompt);
    bar.SendMessage(WM_SETCURSOR, (WPARAM)bar.GetSafeHwnd(), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(status.GetPaneText(0), "Ready");
}
