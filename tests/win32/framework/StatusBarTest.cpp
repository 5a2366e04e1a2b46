#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/ClientDC.h"
#include "framework/StatusBar.h"
#include "framework/TestFrame.h"

namespace {
const UINT kIndicators[] = {ID_SEPARATOR, ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                            ID_INDICATOR_SCRL};

// The string table may name the indicators; these are the texts otherwise.
CString IndicatorText(UINT nID, const char* pszDefault) {
    char sz[64] = {0};
    return ::LoadStringA(::GetModuleHandleA(nullptr), nID, sz, sizeof sz) > 0 ? CString(sz)
                                                                              : CString(pszDefault);
}

CString ControlText(const CStatusBar& bar, int nPane) {
    char sz[256] = {0};
    bar.SendMessage(SB_GETTEXTA, nPane, (LPARAM)sz);
    return CString(sz);
}

std::vector<int> PartRights(const CStatusBar& bar) {
    int rights[16] = {0};
    int n = (int)bar.SendMessage(SB_GETPARTS, 16, (LPARAM)rights);
    return std::vector<int>(rights, rights + n);
}

// Sets the toggle state of the lock keys for this thread, restored afterwards.
class CLockKeys {
public:
    CLockKeys() { ::GetKeyboardState(m_saved); }
    ~CLockKeys() { ::SetKeyboardState(m_saved); }
    void Set(bool bCaps, bool bNum, bool bScroll) {
        BYTE keys[256];
        ::GetKeyboardState(keys);
        keys[VK_CAPITAL] = bCaps ? 1 : 0;
        keys[VK_NUMLOCK] = bNum ? 1 : 0;
        keys[VK_SCROLL] = bScroll ? 1 : 0;
        ::SetKeyboardState(keys);
    }

private:
    BYTE m_saved[256];
};

class CStatusBarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_frame.Create(640, 480));
        ASSERT_TRUE(m_bar.Create(&m_frame));
        ASSERT_TRUE(m_bar.SetIndicators(kIndicators, 5));
    }
    CTestFrame m_frame;
    CStatusBar m_bar;
};
} // namespace

TEST_F(CStatusBarTest, FivePanesAtTheBottomWithTheFrameworkId) {
    EXPECT_EQ(m_bar.GetDlgCtrlID(), (int)AFX_IDW_STATUS_BAR);
    EXPECT_TRUE(m_bar.IsWindowVisible());
    EXPECT_EQ(m_bar.GetCount(), 5);
    EXPECT_EQ(PartRights(m_bar).size(), 5u);

    m_bar.SendMessage(WM_SIZE, 0, 0);
    EXPECT_GT(m_bar.GetWindowRect().Height(), 10);
    CRect rcBar = m_bar.GetWindowRect();
    CRect rcClient = m_frame.GetClientRect();
    POINT ptBottom = {rcClient.right, rcClient.bottom};
    m_frame.ClientToScreen(&ptBottom);
    EXPECT_EQ(rcBar.bottom, ptBottom.y);
    EXPECT_EQ(rcBar.Width(), rcClient.Width());
}

TEST_F(CStatusBarTest, PaneTextsReachTheControl) {
    EXPECT_TRUE(m_bar.SetPaneText(0, "Ready"));
    EXPECT_TRUE(m_bar.SetPaneText(1, "PDF"));
    EXPECT_EQ(m_bar.GetPaneText(0), "Ready");
    EXPECT_EQ(ControlText(m_bar, 0), "Ready");
    EXPECT_EQ(ControlText(m_bar, 1), "PDF");
    EXPECT_TRUE(m_bar.SetPaneText(1, " already listed"));
    EXPECT_EQ(m_bar.GetPaneText(1), " already listed");
    EXPECT_TRUE(m_bar.SetPaneText(1, ""));
    EXPECT_EQ(ControlText(m_bar, 1), "");
    EXPECT_FALSE(m_bar.SetPaneText(5, "x"));
    EXPECT_FALSE(m_bar.SetPaneText(-1, "x"));
    EXPECT_EQ(m_bar.GetPaneText(9), "");
}

TEST_F(CStatusBarTest, IndicatorsFollowTheToggledKeys) {
    const CString strCaps = IndicatorText(ID_INDICATOR_CAPS, "CAP");
    const CString strNum = IndicatorText(ID_INDICATOR_NUM, "NUM");
    const CString strScroll = IndicatorText(ID_INDICATOR_SCRL, "SCRL");
    CLockKeys keys;

    keys.Set(true, false, false);
    m_bar.UpdateIndicators();
    EXPECT_EQ(m_bar.GetPaneText(2), strCaps);
    EXPECT_EQ(ControlText(m_bar, 2), strCaps);
    EXPECT_EQ(m_bar.GetPaneText(3), "");
    EXPECT_EQ(m_bar.GetPaneText(4), "");

    keys.Set(false, true, true);
    m_bar.UpdateIndicators();
    EXPECT_EQ(m_bar.GetPaneText(2), "");
    EXPECT_EQ(ControlText(m_bar, 2), "");
    EXPECT_EQ(m_bar.GetPaneText(3), strNum);
    EXPECT_EQ(m_bar.GetPaneText(4), strScroll);
    EXPECT_EQ(ControlText(m_bar, 4), strScroll);

    // Text panes are left alone.
    m_bar.SetPaneText(0, "Position graphic");
    keys.Set(false, false, false);
    m_bar.UpdateIndicators();
    EXPECT_EQ(m_bar.GetPaneText(0), "Position graphic");
    EXPECT_EQ(m_bar.GetPaneText(3), "");

    // An indicator pane is wide enough for its text.
    CClientDC dc(&m_bar);
    HGDIOBJ hOld = dc.SelectObject((HGDIOBJ)m_bar.SendMessage(WM_GETFONT));
    EXPECT_GE(m_bar.GetPaneWidth(4), dc.GetTextExtent(strScroll).cx);
    dc.SelectObject(hOld);
}

TEST_F(CStatusBarTest, PaneWidthsAndTheStretchingFirstPane) {
    // Wider than the bar: panes keep their widths and run off the right edge.
    m_bar.SetPaneWidth(0, 300);
    m_bar.SetPaneWidth(1, 1000);
    std::vector<int> rights = PartRights(m_bar);
    ASSERT_EQ(rights.size(), 5u);
    EXPECT_EQ(rights[0], 300);
    EXPECT_EQ(rights[1], 1300);
    EXPECT_EQ(rights[2], 1300 + m_bar.GetPaneWidth(2));
    EXPECT_EQ(m_bar.GetPaneWidth(1), 1000);

    // Narrower: the first pane takes what is left and the last ends at the edge.
    m_bar.SetPaneWidth(0, 50);
    m_bar.SetPaneWidth(1, 100);
    rights = PartRights(m_bar);
    EXPECT_EQ(rights[4], m_bar.GetClientRect().Width());
    EXPECT_GT(rights[0], 50);
    EXPECT_EQ(rights[1] - rights[0], 100);

    // A resized frame resizes the bar, and the first pane follows.
    m_frame.MoveWindow(0, 0, 800, 480);
    m_bar.SendMessage(WM_SIZE, 0, 0);
    EXPECT_EQ(PartRights(m_bar)[4], m_bar.GetClientRect().Width());
}
