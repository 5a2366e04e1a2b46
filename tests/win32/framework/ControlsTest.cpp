#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Dialog.h"
#include "framework/DialogTemplate.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"
#include "framework/Static.h"
#include "framework/TabCtrl.h"

namespace {
enum : WORD {
    IDC_NOTE = 1004,
    IDC_MONTH = 1001,
    IDC_FILE = 1038,
    IDC_DATES = 1040,
    IDC_TABS = 1000,
    IDC_LARGE = 1019,
    IDC_LABEL = 1031,
};

// A hidden dialog holding one control of each kind, bound to the members.
class CControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        CDialogTemplate t(WS_POPUP, 200, 200);
        t.AddControl(CDialogTemplate::edit, "", IDC_NOTE,
                     WS_BORDER | ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL, 5, 5,
                     80, 30);
        t.AddControl(CDialogTemplate::comboBox, "", IDC_MONTH, CBS_DROPDOWNLIST | WS_VSCROLL, 90, 5,
                     60, 80);
        t.AddControl(CDialogTemplate::comboBox, "", IDC_FILE, CBS_DROPDOWN | CBS_AUTOHSCROLL, 90,
                     25, 60, 80);
        t.AddControl(CDialogTemplate::listBox, "", IDC_DATES,
                     LBS_EXTENDEDSEL | LBS_USETABSTOPS | LBS_NOTIFY | WS_HSCROLL | WS_VSCROLL |
                         WS_BORDER,
                     5, 40, 120, 60);
        t.AddControl(WC_TABCONTROLA, "", IDC_TABS, TCS_FIXEDWIDTH, 5, 105, 180, 60);
        t.AddControl(CDialogTemplate::button, "Large", IDC_LARGE, BS_AUTOCHECKBOX, 5, 170, 50, 10);
        t.AddControl(CDialogTemplate::stat, "no image loaded", IDC_LABEL, SS_CENTER, 60, 170, 80,
                     10);
        ASSERT_TRUE(m_dlg.CreateIndirect(t.Get()));
        ASSERT_TRUE(m_dlg.BindControl(IDC_NOTE, m_note));
        ASSERT_TRUE(m_dlg.BindControl(IDC_MONTH, m_month));
        ASSERT_TRUE(m_dlg.BindControl(IDC_FILE, m_file));
        ASSERT_TRUE(m_dlg.BindControl(IDC_DATES, m_dates));
        ASSERT_TRUE(m_dlg.BindControl(IDC_TABS, m_tabs));
        ASSERT_TRUE(m_dlg.BindControl(IDC_LARGE, m_large));
        ASSERT_TRUE(m_dlg.BindControl(IDC_LABEL, m_label));
    }

    CDialog m_dlg;
    CEdit m_note;
    CComboBox m_month, m_file;
    CListBox m_dates;
    CTabCtrl m_tabs;
    CButton m_large;
    CStatic m_label;
};
} // namespace

TEST_F(CControlsTest, EditLinesSelectionAndFormattingRectangle) {
    m_note.SetWindowText("12\r\nfirst note\r\nsecond");
    EXPECT_EQ(m_note.LineIndex(1), 4);
    EXPECT_EQ(m_note.LineLength(m_note.LineIndex(1)), 10);
    EXPECT_EQ(m_note.LineFromChar(5), 1);
    EXPECT_EQ(m_note.GetLine(1), "first note");
    EXPECT_EQ(m_note.GetLine(2), "second");
    EXPECT_EQ(m_note.GetLine(7), "");

    m_note.SetSel(4, 9);
    int nStart = -1, nEnd = -1;
    m_note.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 4);
    EXPECT_EQ(nEnd, 9);
    m_note.ReplaceSel("FIRST");
    EXPECT_EQ(m_note.GetWindowText(), "12\r\nFIRST note\r\nsecond");

    // The caret at the end of line 1, as the idle handler puts it.
    int nEndOfLine1 = m_note.LineIndex(1) + m_note.LineLength(m_note.LineIndex(1));
    m_note.SetSel(nEndOfLine1, nEndOfLine1);
    EXPECT_EQ(m_note.LineFromChar(-1), 1);
    m_note.GetSel(nStart, nEnd);
    EXPECT_EQ(nStart, 14);

    // The control keeps its margins inside the rectangle it is given.
    CRect rcOld = m_note.GetRect();
    ASSERT_GT(rcOld.Width(), 10);
    CRect rc = rcOld;
    rc.DeflateRect(5, 5);
    m_note.SetRect(rc);
    CRect rcNew = m_note.GetRect();
    EXPECT_GE(rcNew.left, rc.left);
    EXPECT_GE(rcNew.top, rc.top);
    EXPECT_LE(rcNew.right, rc.right);
    EXPECT_LE(rcNew.bottom, rc.bottom);
    EXPECT_LT(rcNew.Width(), rcOld.Width());
}

TEST_F(CControlsTest, ComboBoxItemsSearchAndEditField) {
    for (const char* psz : {"January", "February", "March", "April"})
        m_month.AddString(psz);
    EXPECT_EQ(m_month.GetCount(), 4);
    EXPECT_EQ(m_month.FindStringExact(-1, "MARCH"), 2);
    EXPECT_EQ(m_month.FindStringExact(-1, "Mar"), CB_ERR);
    EXPECT_EQ(m_month.GetCurSel(), CB_ERR);
    m_month.SetCurSel(2);
    EXPECT_EQ(m_month.GetLBText(m_month.GetCurSel()), "March");
    EXPECT_EQ(m_month.GetLBText(99), "");
    EXPECT_EQ(m_month.SelectString(-1, "Ap"), 3);
    EXPECT_EQ(m_month.GetCurSel(), 3);

    m_file.SetWindowText("Holidays");
    EXPECT_TRUE(m_file.SetEditSel(1, 3));
    int nStart = -1, nEnd = -1;
    m_file.GetEditSel(nStart, nEnd);
    EXPECT_EQ(nStart, 1);
    EXPECT_EQ(nEnd, 3);
}

TEST_F(CControlsTest, ListBoxMultipleSelection) {
    for (const char* psz :
         {"Jan 01\tNew Year", "Jul 04\tIndependence", "EASTER\tEaster", "Dec 25\tChristmas Day"})
        m_dates.AddString(psz);
    ASSERT_EQ(m_dates.GetCount(), 4);
    EXPECT_EQ(m_dates.GetText(2), "EASTER\tEaster");
    EXPECT_EQ(m_dates.GetText(-5), "");
    EXPECT_EQ(m_dates.FindStringExact(-1, "easter\teaster"), 2);
    EXPECT_EQ(m_dates.FindStringExact(-1, "EASTER"), LB_ERR);

    m_dates.SetSel(-1, false);
    EXPECT_EQ(m_dates.GetSelCount(), 0);
    m_dates.SetSel(1);
    m_dates.SetSel(3);
    EXPECT_TRUE(m_dates.GetSel(3));
    EXPECT_FALSE(m_dates.GetSel(2));
    EXPECT_EQ(m_dates.GetSelCount(), 2);
    EXPECT_EQ(m_dates.GetSelItems(20), (std::vector<int>{1, 3}));
    EXPECT_EQ(m_dates.GetSelItems(1), (std::vector<int>{1}));
    EXPECT_TRUE(m_dates.GetSelItems(0).empty());
}

// The texts added and read many at once are those one message at a time
// adds and reads: letters beyond ASCII, empty and long texts alike.
TEST_F(CControlsTest, ListBoxTextsManyAtOnceAsOneByOne) {
    const std::vector<CString> texts = {"Jan 01\tNew Year", "", "Caf\xe9 \x80 \xfc\t\xa7 5",
                                        CString('W', 200) + "\t" + CString('x', 200), "EASTER"};
    m_dates.AddString("first");
    m_dates.AddStrings(texts);
    ASSERT_EQ(m_dates.GetCount(), 6);
    std::vector<CString> oneByOne;
    for (int i = 0; i < 6; ++i)
        oneByOne.push_back(m_dates.GetText(i));
    std::vector<CString> expected = {"first"};
    expected.insert(expected.end(), texts.begin(), texts.end());
    EXPECT_EQ(oneByOne, expected);
    EXPECT_EQ(m_dates.GetTexts(), expected);
    m_dates.ResetContent();
    EXPECT_TRUE(m_dates.GetTexts().empty());
}

TEST_F(CControlsTest, TabControlItemsSizeAndDisplayArea) {
    const char* names[] = {"Calendar", "Style", "Image", "Events"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(m_tabs.InsertItem(i, names[i]), i);
    EXPECT_EQ(m_tabs.GetCurSel(), 0);
    EXPECT_EQ(m_tabs.SetCurSel(3), 0);
    EXPECT_EQ(m_tabs.GetCurSel(), 3);

    m_tabs.SetItemSize(CSize(60, 20));
    CRect rcItem = m_tabs.GetItemRect(1);
    EXPECT_EQ(rcItem.Width(), 60);
    EXPECT_EQ(rcItem.Height(), 20);
    EXPECT_EQ(m_tabs.HitTest(rcItem.CenterPoint()), 1);

    CRect rcClient = m_tabs.GetClientRect();
    CRect rcDisplay = rcClient;
    m_tabs.AdjustRect(false, &rcDisplay);
    EXPECT_GE(rcDisplay.top, rcClient.top + 20);
    EXPECT_LT(rcDisplay.Width(), rcClient.Width());
    m_tabs.AdjustRect(true, &rcDisplay);
    EXPECT_EQ(rcDisplay, rcClient);
}

TEST_F(CControlsTest, CheckBoxAndStatic) {
    m_large.SetCheck(BST_CHECKED);
    EXPECT_EQ(m_large.GetCheck(), BST_CHECKED);
    m_large.Click();
    EXPECT_EQ(m_large.GetCheck(), BST_UNCHECKED);

    EXPECT_EQ(m_label.GetWindowText(), "no image loaded");
}

// The system reads an item for an ANSI caller through a stack buffer of 512
// characters: items of every length, up to 64 KB, come back whole and
// leave the stack alone.
TEST_F(CControlsTest, ListItemsOfAnyLengthAreReadWhole) {
    for (int nLength : {1, 511, 512, 1100, 5000, 65536}) {
        SCOPED_TRACE(nLength);
        CString strItem;
        for (int i = 0; i < nLength; ++i)
            strItem += char(i % 64 == 63 ? '\t' : 'a' + i % 26);
        strItem.SetAt(nLength - 1, '\xe9');
        m_dates.ResetContent();
        m_file.ResetContent();
        m_dates.AddString(strItem);
        m_file.AddString(strItem);
        EXPECT_EQ(strItem, m_dates.GetText(0));
        EXPECT_EQ(strItem, m_file.GetLBText(0));
    }
}
