// The Style page: the four font buttons, the title edit, the "Large" boxes,
// the heading's alignment and order, and look values from the settings
// file that no font or colour accepts.
#include "PanelFixture.h"

#include <functional>

#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
const COLORREF kChosenColor = RGB(200, 0, 0);
const unsigned kPageFlags = CF_SCREENFONTS | CF_EFFECTS | CF_SELECTSCRIPT | CF_SCALABLEONLY;

class StylePage : public CPanelFixture {
protected:
    void SetUp() override {
        CPanelFixture::SetUp();
        // The title's font button works only while there is a title.
        Style().m_editTitle.SetWindowText("T");
        Paint();
        Doc().SetModifiedFlag(false);
    }
    // The font dialog as a user answers it: browses to bold italic Times
    // New Roman in red, then presses OK or Cancel.
    void AnswerFontDialog(bool bOK) {
        m_answers.OnDialog([this, bOK](CModalRequest& request) {
            auto* pCf = static_cast<CHOOSEFONTA*>(request.pStruct);
            m_nFlags = pCf->Flags;
            m_nHeightShown = pCf->lpLogFont->lfHeight;
            m_crShown = pCf->rgbColors;
            strcpy(pCf->lpLogFont->lfFaceName, "Times New Roman");
            pCf->lpLogFont->lfWeight = FW_BOLD;
            pCf->lpLogFont->lfItalic = 1;
            pCf->rgbColors = kChosenColor;
            return bOK ? 1 : 0;
        });
    }
    bool ViewWaitsForPaint() { return ::GetUpdateRect(View(), nullptr, FALSE) != 0; }

    DWORD m_nFlags = 0;
    LONG m_nHeightShown = 0;
    COLORREF m_crShown = 0;
};

TEST_F(StylePage, FontButtonsTakeTheChoiceOnOkAndOnlyTheHeightOnCancel) {
    // Where each button's choice belongs, written out element by element.
    struct Element {
        int nButton;
        LOGFONT* plf;
        CString* pstrFace;
        COLORREF* pcrColor;
        int* pnWeight;
        BYTE* pbItalic;
        const char* pszName;
    } const elements[] = {
        {IDC_WEEKDAY_FONT, &Doc().m_lfWeekday, &theApp.m_strWeekdayFont, &theApp.m_crWeekdayColor,
         &theApp.m_nWeekdayWeight, &theApp.m_bWeekdayItalic, "Weekday"},
        {IDC_NOTES_FONT, &Doc().m_lfNotes, &theApp.m_strNotesFont, &theApp.m_crNotesColor,
         &theApp.m_nNotesWeight, &theApp.m_bNotesItalic, "Notes"},
        {IDC_TITLE_FONT, &Doc().m_lfTitle, &theApp.m_strTitleFont, &theApp.m_crTitleColor,
         &theApp.m_nTitleWeight, &theApp.m_bTitleItalic, "Title"},
        {IDC_DATE_FONT, &Doc().m_lfDate, &theApp.m_strDateFont, &theApp.m_crDateColor,
         &theApp.m_nDateWeight, &theApp.m_bDateItalic, "Date"},
    };
    for (const Element& element : elements) {
        SCOPED_TRACE(element.pszName);
        const CString strName = CString(element.pszName) + " ";
        *element.pcrColor = RGB(1, 2, 3);
        LOGFONT lfBefore = *element.plf;
        const CString strFaceBefore = *element.pstrFace;

        AnswerFontDialog(false);
        Click(Style(), element.nButton);
        EXPECT_EQ(kPageFlags, m_nFlags & kPageFlags);
        EXPECT_EQ(18, m_nHeightShown);
        EXPECT_EQ(RGB(1, 2, 3), m_crShown);
        lfBefore.lfHeight = 18;
        EXPECT_EQ(0, memcmp(&lfBefore, element.plf, sizeof lfBefore));
        EXPECT_EQ(strFaceBefore, *element.pstrFace);
        EXPECT_EQ(RGB(1, 2, 3), *element.pcrColor);
        EXPECT_EQ(CString("<none>"), IniValue("Almanark", strName + "Font"));
        EXPECT_FALSE(Doc().IsModified());

        ::ValidateRect(View(), nullptr);
        AnswerFontDialog(true);
        Click(Style(), element.nButton);
        const LOGFONT& lf = *element.plf;
        EXPECT_STREQ("Times New Roman", lf.lfFaceName);
        EXPECT_EQ(FW_BOLD, lf.lfWeight);
        EXPECT_EQ(1, lf.lfItalic);
        EXPECT_EQ(CString("Times New Roman"), *element.pstrFace);
        EXPECT_EQ(kChosenColor, *element.pcrColor);
        EXPECT_EQ(FW_BOLD, *element.pnWeight);
        EXPECT_EQ(1, *element.pbItalic);
        EXPECT_EQ(CString("Times New Roman"), IniValue("Almanark", strName + "Font"));
        EXPECT_EQ(CString::FromInt(kChosenColor), IniValue("Almanark", strName + "Color"));
        EXPECT_EQ(CString("700"), IniValue("Almanark", strName + "Weight"));
        EXPECT_EQ(CString("1"), IniValue("Almanark", strName + "Italic"));
        EXPECT_TRUE(Doc().IsModified());
        EXPECT_TRUE(ViewWaitsForPaint());
        Doc().SetModifiedFlag(false);
    }
}

// The Large boxes, the alignment radios and Swap, each as a click: the
// value it sets, the profile key it writes, the part of the view repainted.
TEST_F(StylePage, SwitchesSetTheirValueWriteTheirKeyAndRepaint) {
    const CRect rcTitle = View().m_rectTitle;
    ASSERT_FALSE(rcTitle.IsRectEmpty());
    struct Switch {
        int nID;
        std::function<int()> value;
        int nExpected;
        const char* pszKey; // nullptr: the calendar alone keeps it
        bool bTitleOnly;
    } const switches[] = {
        {IDC_NOTES_LARGE, [] { return theApp.m_nNoteSize; }, 0, "Note Size", false},
        {IDC_NOTES_LARGE, [] { return theApp.m_nNoteSize; }, 1, "Note Size", false},
        {IDC_DATE_LARGE, [] { return theApp.m_nDateSize; }, 1, "Date Size", false},
        {IDC_TITLE_LARGE, [this] { return Doc().m_bTitleLarge; }, 1, nullptr, false},
        {IDC_DATE_LEFT, [] { return theApp.m_nDateStyle; }, 0, "Date Style", true},
        {IDC_DATE_RIGHT, [] { return theApp.m_nDateStyle; }, 2, "Date Style", true},
        {IDC_DATE_SPLIT, [] { return theApp.m_nDateStyle; }, -1, "Date Style", true},
        {IDC_DATE_CENTER, [] { return theApp.m_nDateStyle; }, 1, "Date Style", true},
        {IDC_DATE_SWAP, [] { return theApp.m_nDateSwap; }, 1, "Date Swap", true},
        {IDC_DATE_SWAP, [] { return theApp.m_nDateSwap; }, 0, "Date Swap", true},
    };
    for (const Switch& s : switches) {
        SCOPED_TRACE(s.nID);
        ::ValidateRect(View(), nullptr);
        Click(Style(), s.nID);
        EXPECT_EQ(s.nExpected, s.value());
        if (s.pszKey)
            EXPECT_EQ(CString::FromInt(s.nExpected), IniValue("Almanark", s.pszKey));
        EXPECT_TRUE(Doc().IsModified());
        CRect rcUpdate;
        ASSERT_TRUE(::GetUpdateRect(View(), &rcUpdate, FALSE));
        if (s.bTitleOnly)
            EXPECT_EQ(rcTitle, rcUpdate);
        else
            EXPECT_EQ(View().GetClientRect(), rcUpdate);
        Doc().SetModifiedFlag(false);
    }
    EXPECT_EQ(CString("Month and Year"), Text(Style(), IDC_DATE_GROUP));
    Click(Style(), IDC_DATE_SWAP);
    EXPECT_EQ(CString("Year and Month"), Text(Style(), IDC_DATE_GROUP));
    EXPECT_EQ(CString("<none>"), IniValue("Almanark", "Title Large"));
}

TEST_F(StylePage, TitleEditKeepsItsLimitAndDropsDel) {
    CEdit& edit = Style().m_editTitle;
    struct Case {
        const char* pszTyped;
        CString strExpected;
    } const cases[] = {
        {"The Smith Family", "The Smith Family"},
        {"The Smith\x7f Family", "The Smith Family"},
        {"0123456789012345678901234567890123456789", "01234567890123456789012345678901"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszTyped);
        edit.SetWindowText("");
        Doc().SetModifiedFlag(false);
        edit.ReplaceSel(c.pszTyped, true);
        EXPECT_EQ(c.strExpected, edit.GetWindowText());
        EXPECT_TRUE(Doc().IsModified());
        Paint();
        EXPECT_EQ(c.strExpected, Doc().m_strTitle);
    }
    // A paste of control characters and more than 32 characters.
    const char szPasted[] = "\tA\x01title\x1b pasted from a file that is far too long";
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    HGLOBAL hText = ::GlobalAlloc(GMEM_MOVEABLE, sizeof szPasted);
    memcpy(::GlobalLock(hText), szPasted, sizeof szPasted);
    ::GlobalUnlock(hText);
    ::SetClipboardData(CF_TEXT, hText);
    ::CloseClipboard();
    edit.SetWindowText("");
    edit.SendMessage(WM_PASTE);
    EXPECT_EQ(CString(szPasted).Left(32), edit.GetWindowText());
}

// The real dialog, answered by nobody: a timer looks at it and cancels it.
struct CRealDialogProbe {
    bool bFound = false;
    bool bSizeLabelShown = true;
    bool bSizeListShown = true;
    int nFaces = 0;
    int nStyles = 0;
};
CRealDialogProbe s_probe;

BOOL CALLBACK FindFontDialog(HWND hWnd, LPARAM lParam) {
    if (::IsWindowVisible(hWnd) && ::GetDlgItem(hWnd, 1136) && ::GetDlgItem(hWnd, 1137)) {
        *reinterpret_cast<HWND*>(lParam) = hWnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK ProbeFontDialog(HWND, UINT, UINT_PTR idTimer, DWORD) {
    HWND hDlg = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindFontDialog, (LPARAM)&hDlg);
    if (!hDlg)
        return;
    ::KillTimer(nullptr, idTimer);
    s_probe.bFound = true;
    s_probe.bSizeLabelShown = ::IsWindowVisible(::GetDlgItem(hDlg, 1090)) != 0;
    s_probe.bSizeListShown = ::IsWindowVisible(::GetDlgItem(hDlg, 1138)) != 0;
    s_probe.nFaces = (int)::SendDlgItemMessageA(hDlg, 1136, CB_GETCOUNT, 0, 0);
    s_probe.nStyles = (int)::SendDlgItemMessageA(hDlg, 1137, CB_GETCOUNT, 0, 0);
    ::PostMessageA(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
}

TEST_F(StylePage, RealFontDialogShowsFacesAndStylesButNoSizes) {
    const LOGFONT lfBefore = Doc().m_lfNotes;
    CModalSeam::SetResponder(nullptr);
    const UINT_PTR idTimer = ::SetTimer(nullptr, 0, 100, ProbeFontDialog);
    Click(Style(), IDC_NOTES_FONT);
    ::KillTimer(nullptr, idTimer);
    ASSERT_TRUE(s_probe.bFound);
    EXPECT_FALSE(s_probe.bSizeLabelShown);
    EXPECT_FALSE(s_probe.bSizeListShown);
    EXPECT_GT(s_probe.nFaces, 0);
    EXPECT_GT(s_probe.nStyles, 0);
    EXPECT_STREQ(lfBefore.lfFaceName, Doc().m_lfNotes.lfFaceName);
    EXPECT_EQ(lfBefore.lfWeight, Doc().m_lfNotes.lfWeight);
    EXPECT_FALSE(Doc().IsModified());
}

// Issue: a title a file carries may hold what the edit box cannot show.
TEST_F(StylePage, TitleOfAnyBytesSurvivesOpenAndSave) {
    const char achTitle[] = "Line 1\r\nLine 2\n\xe9\xff\x80\0after the zero";
    const CString strTitle(achTitle, sizeof achTitle - 1);
    const CString strPath = m_dir.File("Bytes.kal");
    Doc().m_strTitle = strTitle;
    ASSERT_TRUE(Doc().DoSave(strPath));
    const CString strSaved = ReadWholeFile(strPath);
    ASSERT_NE(-1, strSaved.Find("after the zero"));

    ASSERT_NE(nullptr, theApp.OpenDocumentFile(strPath));
    Paint();
    EXPECT_EQ(strTitle, Doc().m_strTitle);
    Frame().SendMessage(WM_COMMAND, ID_FILE_SAVE);
    PumpMessages();
    EXPECT_EQ(strSaved, ReadWholeFile(strPath));

    // Once the user edits the box, the box is the title.
    Style().m_editTitle.SetWindowText("Ours");
    Paint();
    EXPECT_EQ(CString("Ours"), Doc().m_strTitle);
}

// Values a hand-edited settings file may hold.
class StyleBadLook : public CAppFixture {
protected:
    void SetUp() override {
        CAppFixture::SetUp();
        SetIniValue("Almanark", "Notes Font", "No Such Face At All");
        SetIniValue("Almanark", "Notes Color", "-1");
        SetIniValue("Almanark", "Title Color", "16777216");
        SetIniValue("Almanark", "Weekday Weight", "-5");
        SetIniValue("Almanark", "Date Weight", "100000");
        SetIniValue("Almanark", "Title Italic", "7");
        ASSERT_TRUE(Start());
    }
};

TEST_F(StyleBadLook, PageAndPaintWorkWithSensibleFonts) {
    CAlmanarkDoc& doc = *theApp.m_pDoc;
    EXPECT_EQ(0u, theApp.m_crNotesColor);
    EXPECT_EQ(0u, theApp.m_crTitleColor);
    EXPECT_EQ(0, theApp.m_nWeekdayWeight);
    EXPECT_EQ(1000, theApp.m_nDateWeight);
    EXPECT_EQ(1, theApp.m_bTitleItalic);
    HDC hDC = ::GetDC(nullptr);
    for (LOGFONT* plf : {&doc.m_lfWeekday, &doc.m_lfNotes, &doc.m_lfTitle, &doc.m_lfDate}) {
        SCOPED_TRACE(plf->lfFaceName);
        LOGFONT lf = *plf;
        lf.lfHeight = 40;
        HFONT hFont = ::CreateFontIndirectA(&lf);
        ASSERT_NE(nullptr, hFont);
        HGDIOBJ hOld = ::SelectObject(hDC, hFont);
        TEXTMETRICA tm = {};
        ::GetTextMetricsA(hDC, &tm);
        SIZE size = {};
        ::GetTextExtentPoint32A(hDC, "Sunday", 6, &size);
        EXPECT_GE(tm.tmHeight, 30);
        EXPECT_LE(tm.tmHeight, 50);
        EXPECT_GT(size.cx, 40);
        ::SelectObject(hDC, hOld);
        ::DeleteObject(hFont);
    }
    ::ReleaseDC(nullptr, hDC);
    // The window paints and the page's font dialog opens on the same values.
    theApp.m_pView->Invalidate();
    theApp.m_pView->UpdateWindow();
    bool bAsked = false;
    m_answers.OnDialog([&bAsked](CModalRequest& request) {
        bAsked = true;
        auto* pCf = static_cast<CHOOSEFONTA*>(request.pStruct);
        EXPECT_EQ(0u, pCf->rgbColors);
        EXPECT_EQ(CString("No Such Face At All"), CString(pCf->lpLogFont->lfFaceName));
        return 0;
    });
    ::SendMessageA(theApp.m_pFrame->m_wndStylePage.GetDlgItem(IDC_NOTES_FONT), BM_CLICK, 0, 0);
    EXPECT_TRUE(bAsked);
}
} // namespace
