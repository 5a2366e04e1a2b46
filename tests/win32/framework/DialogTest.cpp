#include <gtest/gtest.h>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Button.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/DialogTemplate.h"
#include "framework/Edit.h"
#include "framework/TestFrame.h"

namespace {
const WORD IDC_NAME = 1001;
const WORD IDC_APPLY = 1002;
const WORD IDC_MISSING = 1999;
const WORD IDC_THROW = 1003;
const WORD IDC_FINISH = 1004;
const WORD IDC_ANNUAL = 1005;

CDialogTemplate MakeTemplate(DWORD dwStyle) {
    CDialogTemplate t(dwStyle, 120, 60, "Test");
    t.AddControl(CDialogTemplate::edit, "", IDC_NAME, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 5, 5,
                 100, 12);
    t.AddControl(CDialogTemplate::button, "Apply", IDC_APPLY, BS_PUSHBUTTON | WS_TABSTOP, 5, 22, 40,
                 14);
    t.AddControl(CDialogTemplate::button, "Throw", IDC_THROW, BS_PUSHBUTTON, 50, 22, 40, 14);
    t.AddControl(CDialogTemplate::button, "Finish", IDC_FINISH, BS_PUSHBUTTON, 50, 40, 40, 14);
    t.AddControl(CDialogTemplate::button, "Annual", IDC_ANNUAL, BS_AUTOCHECKBOX, 5, 40, 40, 10);
    return t;
}

// Test windows stay unmapped or unmanaged by the X window manager: hiding a
// managed window waits seconds for the manager, which Xvfb lacks.
const DWORD kPopup = WS_POPUP | WS_CAPTION | WS_SYSMENU;
// Without DS_CONTROL: a page is a dialog of its own, not a control of the
// dialog around it.
const DWORD kChild = WS_CHILD | WS_VISIBLE;

// A dialog that binds its controls, records what reaches it and, like the
// program's pages, can make Return and Esc do nothing.
class CProbeDialog : public CDialog {
public:
    bool m_bPageKeys = false;
    bool m_bBindMissing = false;
    int m_nOK = 0, m_nCancel = 0, m_nApply = 0, m_nChanges = 0;
    CRect m_rcAtFinish;
    CString m_strName;
    int m_nAnnual = BST_UNCHECKED;
    CEdit m_edit;
    CButton m_apply;
    HWND m_hEditAtInit = nullptr;
    UINT m_nPostAtInit = 0;
    const char* m_pszTypeAtInit = nullptr;

    // Makes DoModal run a template in memory.
    void UseTemplate(const DLGTEMPLATE* pTemplate, CWnd* pParent = nullptr) {
        m_pTemplate = pTemplate;
        if (pParent)
            m_pParentWnd = pParent;
    }

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_NAME, m_edit);
        DDX_Control(pDX, IDC_APPLY, m_apply);
        DDX_Text(pDX, IDC_NAME, m_strName);
        DDX_Check(pDX, IDC_ANNUAL, m_nAnnual);
        if (m_bBindMissing) {
            CEdit missing;
            DDX_Control(pDX, IDC_MISSING, missing);
        }
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_hEditAtInit = m_edit.GetSafeHwnd();
        if (m_pszTypeAtInit)
            m_edit.SetWindowText(m_pszTypeAtInit);
        if (m_nPostAtInit)
            PostMessage(WM_COMMAND, MAKEWPARAM(m_nPostAtInit, BN_CLICKED));
        return TRUE;
    }
    bool OnCmdMsg(unsigned nID, int nCode) override {
        switch (nID) {
        case IDC_APPLY:
            if (nCode == BN_CLICKED) {
                ++m_nApply;
                return true;
            }
            break;
        case IDC_NAME:
            if (nCode == EN_CHANGE) {
                ++m_nChanges;
                return true;
            }
            break;
        case IDC_THROW:
            throw std::runtime_error("handler failed");
        case IDC_FINISH:
            m_rcAtFinish = GetWindowRect();
            EndDialog(42);
            return true;
        }
        return false;
    }
    void OnOK() override {
        ++m_nOK;
        if (!m_bPageKeys)
            CDialog::OnOK();
    }
    void OnCancel() override {
        ++m_nCancel;
        if (!m_bPageKeys)
            CDialog::OnCancel();
    }
};

void PressKey(HWND hWnd, WPARAM vk) {
    ::PostMessageA(hWnd, WM_KEYDOWN, vk, 1);
    ::PostMessageA(hWnd, WM_KEYUP, vk, 0xC0000001);
    PumpLoopMessages();
}
} // namespace

TEST(Dialog, ModelessBindsControlsAndDispatchesByIdAndCode) {
    CDialogTemplate t = MakeTemplate(kPopup);
    CProbeDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    ASSERT_EQ(dlg.m_edit.GetSafeHwnd(), dlg.GetDlgItem(IDC_NAME));
    ASSERT_EQ(dlg.m_apply.GetSafeHwnd(), dlg.GetDlgItem(IDC_APPLY));
    EXPECT_EQ(CWnd::FromHandlePermanent(dlg.GetSafeHwnd()), &dlg);
    dlg.m_nChanges = 0; // filling the edit at start counts as a change

    dlg.m_edit.SetWindowText("Dates");
    EXPECT_EQ(dlg.m_nChanges, 1);
    EXPECT_EQ(dlg.m_nApply, 0);
    dlg.m_apply.Click();
    EXPECT_EQ(dlg.m_nApply, 1);
    EXPECT_EQ(dlg.m_nChanges, 1);

    dlg.CheckDlgButton(IDC_ANNUAL, BST_CHECKED);
    EXPECT_TRUE(dlg.UpdateData(true));
    EXPECT_EQ(dlg.m_strName, "Dates");
    EXPECT_EQ(dlg.m_nAnnual, BST_CHECKED);
    dlg.m_strName = "Holidays";
    dlg.m_nAnnual = BST_UNCHECKED;
    EXPECT_TRUE(dlg.UpdateData(false));
    EXPECT_EQ(dlg.m_edit.GetWindowText(), "Holidays");
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_ANNUAL), (UINT)BST_UNCHECKED);

    dlg.m_bBindMissing = true;
    EXPECT_FALSE(dlg.UpdateData(true));
}

TEST(Dialog, PageIgnoresReturnAndEscapeFromTheLoop) {
    CTestFrame frame;
    ASSERT_TRUE(frame.Create());
    CDialogTemplate t = MakeTemplate(kChild);
    CProbeDialog page;
    page.m_bPageKeys = true;
    ASSERT_TRUE(page.CreateIndirect(t.Get(), &frame));
    page.m_edit.SetWindowText("note");
    page.m_edit.SetFocus();

    PressKey(page.m_edit, VK_RETURN);
    PressKey(page.m_edit, VK_ESCAPE);
    EXPECT_EQ(page.m_nOK, 1);
    EXPECT_EQ(page.m_nCancel, 1);
    EXPECT_TRUE(::IsWindow(page.GetSafeHwnd()));
    EXPECT_TRUE(page.IsWindowVisible());
    EXPECT_EQ(page.m_edit.GetWindowText(), "note");
    EXPECT_TRUE(frame.m_commands.empty());

    // Without the page's own handlers a child dialog still outlives Esc.
    page.m_bPageKeys = false;
    PressKey(page.m_edit, VK_ESCAPE);
    PressKey(page.m_edit, VK_RETURN);
    EXPECT_TRUE(page.IsWindowVisible());
}

TEST(Dialog, TopLevelModelessClosesOnEscapeButNotOnReturn) {
    CDialogTemplate t = MakeTemplate(kPopup);
    CProbeDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    dlg.ShowWindow(SW_SHOWNA);
    PressKey(dlg.m_edit, VK_RETURN);
    EXPECT_EQ(dlg.m_nOK, 1);
    EXPECT_TRUE(dlg.IsWindowVisible());
    PressKey(dlg.m_edit, VK_ESCAPE);
    EXPECT_EQ(dlg.m_nCancel, 1);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    // The window's end releases the bound controls.
    EXPECT_EQ(dlg.m_edit.GetSafeHwnd(), nullptr);
    // A destroyed dialog no longer takes part in the loop.
    MSG msg = {};
    msg.message = WM_KEYDOWN;
    msg.hwnd = ::GetDesktopWindow();
    EXPECT_FALSE(CDialog::PreTranslateModeless(&msg));
}

// While a modal loop runs (here the filter call every modal loop makes),
// a top-level modeless dialog still takes its keys.
TEST(Dialog, ModelessKeysReachTheDialogDuringAModalLoop) {
    CDialogTemplate t = MakeTemplate(kPopup);
    CProbeDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));
    dlg.ShowWindow(SW_SHOWNA);
    MSG msg = {dlg.m_edit.GetSafeHwnd(), WM_KEYDOWN, VK_ESCAPE, 0};
    for (int nCode : {MSGF_DIALOGBOX, MSGF_MESSAGEBOX}) {
        msg.wParam = nCode == MSGF_DIALOGBOX ? VK_RETURN : VK_ESCAPE;
        EXPECT_TRUE(::CallMsgFilterA(&msg, nCode)) << nCode;
    }
    EXPECT_EQ(dlg.m_nOK, 1);
    EXPECT_EQ(dlg.m_nCancel, 1);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    // Keys of other windows are left to the modal loop.
    msg.hwnd = ::GetDesktopWindow();
    EXPECT_FALSE(::CallMsgFilterA(&msg, MSGF_DIALOGBOX));
}

TEST(Dialog, InnermostVisibleModelessDialogGetsTheKeys) {
    CTestFrame frame;
    ASSERT_TRUE(frame.Create());
    CDialogTemplate outerTemplate(kChild, 200, 120);
    CProbeDialog outer;
    outer.m_bPageKeys = true;
    ASSERT_TRUE(outer.CreateIndirect(outerTemplate.Get(), &frame));
    CDialogTemplate t = MakeTemplate(kChild);
    CProbeDialog inner;
    inner.m_bPageKeys = true;
    ASSERT_TRUE(inner.CreateIndirect(t.Get(), &outer));

    PressKey(inner.m_edit, VK_RETURN);
    EXPECT_EQ(inner.m_nOK, 1);
    EXPECT_EQ(outer.m_nOK, 0);

    // A hidden inner dialog leaves its keys to the visible one around it.
    inner.ShowWindow(SW_HIDE);
    PressKey(inner.m_edit, VK_RETURN);
    EXPECT_EQ(inner.m_nOK, 1);
    EXPECT_EQ(outer.m_nOK, 1);

    // Only keyboard messages are translated.
    MSG msg = {};
    msg.hwnd = inner.m_edit;
    msg.message = WM_LBUTTONDOWN;
    EXPECT_FALSE(CDialog::PreTranslateModeless(&msg));
}

TEST(Dialog, ModalEndsWithPostedCommandAndReadsControls) {
    CDialogTemplate t = MakeTemplate(kPopup);
    CProbeDialog dlg;
    dlg.m_strName = "Easter";
    dlg.m_pszTypeAtInit = "Mother's Day";
    dlg.m_nPostAtInit = IDOK;
    dlg.UseTemplate(t.Get());
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(dlg.m_nOK, 1);
    EXPECT_EQ(dlg.m_strName, "Mother's Day");
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);

    // Cancel leaves the members as they were.
    dlg.m_pszTypeAtInit = "Flag Day";
    dlg.m_nPostAtInit = IDCANCEL;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(dlg.m_nCancel, 1);
    EXPECT_EQ(dlg.m_strName, "Mother's Day");

    dlg.m_nPostAtInit = IDC_FINISH;
    EXPECT_EQ(dlg.DoModal(), 42);
}

TEST(Dialog, ModalOpensCentredOverItsOwner) {
    CTestFrame owner;
    ASSERT_TRUE(owner.Create(500, 400));
    ::SetWindowPos(owner.GetSafeHwnd(), nullptr, 100, 80, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CDialogTemplate t = MakeTemplate(kPopup);
    CProbeDialog dlg;
    dlg.m_nPostAtInit = IDC_FINISH;
    dlg.UseTemplate(t.Get(), &owner);
    ASSERT_EQ(dlg.DoModal(), 42);
    const CPoint ptOwner = owner.GetWindowRect().CenterPoint();
    const CPoint ptDialog = dlg.m_rcAtFinish.CenterPoint();
    EXPECT_LE(std::abs(ptOwner.x - ptDialog.x), 1);
    EXPECT_LE(std::abs(ptOwner.y - ptDialog.y), 1);
}

TEST(Dialog, EachModalRunBindsTheControlsToItsOwnWindows) {
    CDialogTemplate t = MakeTemplate(kPopup);
    CProbeDialog dlg;
    dlg.m_nPostAtInit = IDCANCEL;
    dlg.UseTemplate(t.Get());
    ASSERT_EQ(dlg.DoModal(), IDCANCEL);
    HWND hFirst = dlg.m_hEditAtInit;
    EXPECT_NE(hFirst, nullptr);
    EXPECT_EQ(dlg.m_edit.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(::IsWindow(hFirst));

    ASSERT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_NE(dlg.m_hEditAtInit, nullptr);
    EXPECT_EQ(dlg.m_edit.GetSafeHwnd(), nullptr);
}

TEST(Dialog, ExceptionsStayInsideTheDialog) {
    CDialogTemplate t = MakeTemplate(kPopup);
    CProbeDialog modeless;
    ASSERT_TRUE(modeless.CreateIndirect(t.Get()));
    ::SendMessageA(modeless, WM_COMMAND, MAKEWPARAM(IDC_THROW, BN_CLICKED), 0);
    modeless.m_apply.Click();
    EXPECT_EQ(modeless.m_nApply, 1);

    class CThrowingInit : public CProbeDialog {
        BOOL OnInitDialog() override {
            PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED));
            throw std::runtime_error("init failed");
        }
    } modal;
    modal.UseTemplate(t.Get());
    EXPECT_EQ(modal.DoModal(), IDCANCEL);
}

TEST(Dialog, MissingTemplateFailsCleanly) {
    CDialog dlg(31999);
    EXPECT_EQ(dlg.DoModal(), -1);
    EXPECT_FALSE(dlg.Create(31999));
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
}

TEST(Dialog, InitialisationDataFillsTheControls) {
    CDialogTemplate t(WS_POPUP, 100, 100);
    t.AddControl(CDialogTemplate::comboBox, "", 1001, CBS_DROPDOWNLIST, 5, 5, 60, 80);
    t.AddControl(CDialogTemplate::listBox, "", 1002, 0, 5, 25, 60, 60);
    CDialog dlg;
    ASSERT_TRUE(dlg.CreateIndirect(t.Get()));

    // Records of id, message, byte count and bytes; the last string has no
    // terminating zero of its own.
    std::vector<BYTE> data;
    auto add = [&](WORD nID, WORD nMsg, const std::string& bytes) {
        DWORD cb = (DWORD)bytes.size();
        data.insert(data.end(), (BYTE*)&nID, (BYTE*)&nID + 2);
        data.insert(data.end(), (BYTE*)&nMsg, (BYTE*)&nMsg + 2);
        data.insert(data.end(), (BYTE*)&cb, (BYTE*)&cb + 4);
        data.insert(data.end(), bytes.begin(), bytes.end());
    };
    add(1001, CB_ADDSTRING, std::string("January\0", 8));
    add(1001, CB_ADDSTRING, std::string("February\0", 9));
    add(1002, LB_ADDSTRING, "Dec 25");
    data.push_back(0);
    data.push_back(0);
    EXPECT_TRUE(dlg.ExecuteDlgInit(data.data(), data.size()));
    EXPECT_EQ(dlg.SendDlgItemMessage(1001, CB_GETCOUNT), 2);
    char sz[32] = {0};
    dlg.SendDlgItemMessage(1002, LB_GETTEXT, 0, (LPARAM)sz);
    EXPECT_STREQ(sz, "Dec 25");

    // Cut short: the complete records are sent, the rest is refused.
    std::vector<BYTE> cut(data.begin(), data.end() - 5);
    EXPECT_FALSE(dlg.ExecuteDlgInit(cut.data(), cut.size()));
    EXPECT_EQ(dlg.SendDlgItemMessage(1001, CB_GETCOUNT), 4);
    EXPECT_EQ(dlg.SendDlgItemMessage(1002, LB_GETCOUNT), 1);
    EXPECT_FALSE(dlg.ExecuteDlgInit(data.data(), 1));
}

// The program's own templates, as the module's resources hold them.
TEST(Dialog, PageFromTheModuleResourcesRunsItsInitialisationData) {
    CTestFrame frame;
    ASSERT_TRUE(frame.Create());
    const UINT IDD_CALENDAR_PAGE = 130;
    if (!::FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_CALENDAR_PAGE), (LPCSTR)RT_DIALOG))
        GTEST_SKIP() << "built without the program's resources";
    CDialog page;
    ASSERT_TRUE(page.Create(IDD_CALENDAR_PAGE, &frame));
    EXPECT_EQ(page.GetTemplateID(), IDD_CALENDAR_PAGE);
    EXPECT_TRUE(::GetWindowLongA(page, GWL_STYLE) & WS_CHILD);
    ASSERT_EQ(page.SendDlgItemMessage(1001, CB_GETCOUNT), 12);
    char sz[32] = {0};
    page.SendDlgItemMessage(1001, CB_GETLBTEXT, 11, (LPARAM)sz);
    EXPECT_STREQ(sz, "December");
}
