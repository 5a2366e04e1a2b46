#include "common/AppFixture.h"

#include <functional>

#include "frame/MainFrame.h"
#include "resources/resource.h"

namespace {
// What the Options dialog shows, or is set to.
struct Choices {
    int nWeekday;
    bool bWeekNumbers;
    bool bLocal;
};

Choices Shown(HWND hDlg) {
    return {(int)::SendDlgItemMessageA(hDlg, IDC_FIRST_WEEKDAY, CB_GETCURSEL, 0, 0),
            ::IsDlgButtonChecked(hDlg, IDC_WEEK_NUMBERS) == BST_CHECKED,
            ::IsDlgButtonChecked(hDlg, IDC_NAMES_LOCAL) == BST_CHECKED};
}

// As the user does it: each control changed with its notification.
void Choose(HWND hDlg, const Choices& c) {
    ::SendDlgItemMessageA(hDlg, IDC_FIRST_WEEKDAY, CB_SETCURSEL, c.nWeekday, 0);
    ::CheckDlgButton(hDlg, IDC_WEEK_NUMBERS, c.bWeekNumbers ? BST_CHECKED : BST_UNCHECKED);
    ::SendDlgItemMessageA(hDlg, c.bLocal ? IDC_NAMES_LOCAL : IDC_NAMES_ENGLISH, BM_CLICK, 0, 0);
}

class OptionsTest : public CAppFixture {
protected:
    // Tools > Options; fnScript acts on the open dialog and returns the
    // button to press (IDOK or IDCANCEL).
    void RunOptions(const std::function<int(HWND)>& fnScript) {
        bool bRan = false;
        m_answers.OnDialog([&](CModalRequest& request) {
            bRan = request.kind == CModalRequest::dialog && request.strCaption == "Options";
            if (!bRan)
                return 0;
            const int nButton = fnScript(request.hOwner);
            ::SendMessageA(request.hOwner, WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED),
                           (LPARAM)::GetDlgItem(request.hOwner, nButton));
            return nButton;
        });
        ASSERT_TRUE(theApp.HandlesCommand(ID_TOOLS_OPTIONS)) << "the menu item would be grayed";
        theApp.m_pFrame->SendMessage(WM_COMMAND, ID_TOOLS_OPTIONS);
        m_answers.OnDialog(nullptr);
        EXPECT_TRUE(bRan) << "the dialog did not open";
    }
    CString Key(const char* pszKey) const { return IniValue("Almanark", pszKey); }
};

// One user's session: each row opens the dialog, sees what the last OK
// stored, chooses and presses a button.
TEST_F(OptionsTest, OkStoresTheChoicesAndCancelChangesNothing) {
    ASSERT_TRUE(Start());
    struct Row {
        Choices choose;
        int nButton;
        Choices shown;            // at opening
        const char* pszStored[3]; // First Weekday, Week Numbers, Local Names
    };
    const Row rows[] = {
        {{1, true, true}, IDCANCEL, {0, false, false}, {"<none>", "<none>", "<none>"}},
        {{1, true, true}, IDOK, {0, false, false}, {"1", "1", "1"}},
        {{6, false, true}, IDCANCEL, {1, true, true}, {"1", "1", "1"}},
        {{6, false, false}, IDOK, {1, true, true}, {"6", "0", "0"}},
        {{0, true, false}, IDOK, {6, false, false}, {"0", "1", "0"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
        Choices shown{};
        RunOptions([&](HWND hDlg) {
            shown = Shown(hDlg);
            Choose(hDlg, row.choose);
            return row.nButton;
        });
        EXPECT_EQ(row.shown.nWeekday, shown.nWeekday);
        EXPECT_EQ(row.shown.bWeekNumbers, shown.bWeekNumbers);
        EXPECT_EQ(row.shown.bLocal, shown.bLocal);
        EXPECT_EQ(row.pszStored[0], Key("First Weekday"));
        EXPECT_EQ(row.pszStored[1], Key("Week Numbers"));
        EXPECT_EQ(row.pszStored[2], Key("Local Names"));
        const Choices& now = row.nButton == IDOK ? row.choose : row.shown;
        EXPECT_EQ(now.nWeekday, theApp.m_options.m_nFirstWeekday);
        EXPECT_EQ(now.bWeekNumbers, theApp.m_options.m_bWeekNumbers);
        EXPECT_EQ(now.bLocal, theApp.m_options.m_bLocalNames);
    }
}

// A hand-edited file: the dialog opens on the values the program uses. F1
// in it shows its help topic.
TEST_F(OptionsTest, OutOfRangeKeysOpenAsTheirDefaults) {
    SetIniValue("Almanark", "First Weekday", "9");
    SetIniValue("Almanark", "Week Numbers", "-1");
    SetIniValue("Almanark", "Local Names", "1");
    ASSERT_TRUE(Start());
    RunOptions([](HWND hDlg) {
        const Choices shown = Shown(hDlg);
        EXPECT_EQ(0, shown.nWeekday);
        EXPECT_FALSE(shown.bWeekNumbers);
        EXPECT_TRUE(shown.bLocal);
        ::SetFocus(::GetDlgItem(hDlg, IDC_FIRST_WEEKDAY));
        ::SendMessageA(hDlg, WM_HELP, 0, 0);
        EXPECT_EQ(CString("The Options dialog"), theApp.m_wndHelp.GetDlgItemText(IDC_HELP_TITLE));
        theApp.m_wndHelp.SendMessage(WM_COMMAND, IDCANCEL);
        return IDOK;
    });
    EXPECT_EQ("0", Key("First Weekday"));
    EXPECT_EQ("0", Key("Week Numbers"));
}
} // namespace
