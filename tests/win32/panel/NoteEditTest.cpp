// The note edit of the Calendar page: the day box limits, the day-number
// line, "Enter" and "Cancel".
#include "PanelFixture.h"

#include <functional>

#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
const char kNoteFull[] = "Day Note full.";
const char kNoMoreLines[] = "No more lines available for Day Note.";
const int kCol = 3, kRow = 1;

class NoteEdit : public CPanelFixture {
protected:
    void SetUp() override {
        CPanelFixture::SetUp();
        WatchMessages();
        View().m_selCol = kCol;
        View().m_selRow = kRow;
        Doc().SetNote("5\r\n", kCol, kRow);
        theApp.ClearEventText();
    }
    CEdit& Note() { return Page().m_editNote; }
    void SetNote(const CString& strText, int nCaret) {
        Note().SetWindowText(strText);
        Note().SetSel(nCaret, nCaret);
    }
    // Typing and pasting both replace the selection; the edit reports the
    // change to the page itself.
    void Type(const char* pszText) { Note().ReplaceSel(pszText, true); }
    int Caret() {
        int nStart = 0, nEnd = 0;
        Note().GetSel(nStart, nEnd);
        return nEnd;
    }
    void ExpectShown(const char* pszText, const CString& strFullText) {
        ASSERT_EQ(1u, m_shown.size());
        const CShownMessage& shown = m_shown.front();
        EXPECT_EQ(CString(pszText), shown.strText);
        EXPECT_EQ(CString("Almanark"), shown.strCaption);
        EXPECT_EQ((UINT)MB_ICONEXCLAMATION, shown.nType & MB_ICONMASK);
        EXPECT_TRUE(shown.bFullTextShown);
        EXPECT_EQ(strFullText, shown.strFullText);
        EXPECT_FALSE(Shown(Page(), IDC_FULL_TEXT));
        m_shown.clear();
    }
    CString& Events() { return theApp.m_strEventText[kCol][kRow]; }
};

int CountBreaks(const CString& str) {
    int n = 0;
    for (int i = str.Find("\r\n"); i >= 0; i = str.Find("\r\n", i + 2))
        ++n;
    return n;
}

TEST_F(NoteEdit, EditsAreSetUpForADayBox) {
    EXPECT_EQ(68, Page().m_cbYear.GetCount());
    EXPECT_EQ(CString("1970"), Page().m_cbYear.GetLBText(0));
    EXPECT_EQ(CString("2037"), Page().m_cbYear.GetLBText(67));
    EXPECT_EQ(12, Page().m_cbMonth.GetCount());
    EXPECT_EQ(120, Note().GetLimitText());
    EXPECT_NE(120, Page().m_editFullText.GetLimitText());
    // The one tab stop puts a day number after a tab well to the right.
    for (CEdit* pEdit : {&Note(), &Page().m_editFullText}) {
        pEdit->SetWindowText("\t5");
        const int x = LOWORD(pEdit->SendMessage(EM_POSFROMCHAR, 1));
        EXPECT_GT(x, pEdit->GetClientRect().Width() / 2);
        EXPECT_LT(x, pEdit->GetClientRect().Width());
    }
}

TEST_F(NoteEdit, The121stCharacterIsRefusedWhileTheWholeNoteIsShown) {
    const CString strNote = "5\r\n" + CString('x', 117);
    SetNote(strNote, strNote.GetLength());
    Type("y");
    EXPECT_EQ(strNote, Note().GetWindowText());
    ExpectShown(kNoteFull, strNote);
}

TEST_F(NoteEdit, EventTextTakesItsShareOfTheBox) {
    Events() = "\r\n" + CString('e', 18);
    const CString strNote = "5\r\n" + CString('x', 97);
    SetNote(strNote, 50);
    Type("y");
    EXPECT_EQ(strNote, Note().GetWindowText());
    EXPECT_EQ(50, Caret());
    ExpectShown(kNoteFull, strNote + Events());

    // A paste keeps what fits of it and takes nothing of the note before it.
    const CString strShorter = strNote.Left(97);
    SetNote(strShorter, 10);
    Type("abcde");
    EXPECT_EQ(strShorter.Left(10) + "abc" + strShorter.Mid(10), Note().GetWindowText());
    EXPECT_EQ(13, Caret());
    ExpectShown(kNoteFull, strShorter.Left(10) + "abc" + strShorter.Mid(10) + Events());

    // Captions that fill the box alone leave no room for a note at all.
    Events() = "\r\n" + CString('e', 130);
    SetNote("5\r\n", 3);
    Type("z");
    EXPECT_EQ(CString(), Note().GetWindowText());
    ExpectShown(kNoteFull, Events());
}

TEST_F(NoteEdit, EightLineBreaksFitTheNinthIsRefused) {
    CString strNote = "5";
    for (int i = 0; i < 7; ++i)
        strNote += "\r\na";
    SetNote(strNote, strNote.GetLength());
    Type("\r\n");
    const CString strEight = strNote + "\r\n";
    EXPECT_EQ(strEight, Note().GetWindowText());
    EXPECT_TRUE(m_shown.empty());

    Type("\r\n");
    EXPECT_EQ(strEight, Note().GetWindowText());
    EXPECT_EQ(strEight.GetLength(), Caret());
    ExpectShown(kNoMoreLines, strEight);

    // The captions' lines count too.
    Events() = "\r\nHoliday";
    SetNote(strNote, strNote.GetLength());
    Type("\r\n");
    EXPECT_EQ(strNote, Note().GetWindowText());
    ExpectShown(kNoMoreLines, strNote + Events());
}

// While "Day Note full." is up the full text lies over the note edit, on
// screen: the note edit, repainting what was typed, does not draw over it.
TEST_F(NoteEdit, FullTextStaysAboveTheNoteEditWhileTheMessageIsUp) {
    ASSERT_TRUE(::IsWindowVisible(Note()));
    COLORREF crOverNote = CLR_INVALID, crBelowNote = CLR_INVALID;
    CModalSeam::SetResponder([&](CModalRequest&) {
        // The paints the message box's loop would run: the full text's, then
        // the note edit's.
        ::UpdateWindow(Page().m_editFullText);
        ::RedrawWindow(Note(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        const CRect rcNote = Note().GetWindowRect();
        const CRect rcFull = Page().m_editFullText.GetWindowRect();
        // Corners where the full text has no characters: over the note edit
        // and below it.
        HDC hDC = ::GetDC(nullptr);
        crOverNote = ::GetPixel(hDC, rcNote.right - 8, rcNote.bottom - 8);
        crBelowNote = ::GetPixel(hDC, rcFull.right - 8, rcFull.bottom - 8);
        ::ReleaseDC(nullptr, hDC);
        return IDOK;
    });
    const CString strNote = "5\r\n" + CString('x', 117);
    SetNote(strNote, strNote.GetLength());
    Type("y");
    // Unread (no message, or no screen to read) both would be equal and not
    // the window's colour.
    ASSERT_NE(CLR_INVALID, crOverNote) << "the screen was not read";
    ASSERT_NE(CLR_INVALID, crBelowNote) << "the screen was not read";
    EXPECT_EQ(crBelowNote, crOverNote);
    EXPECT_NE(::GetSysColor(COLOR_WINDOW), crOverNote) << "the note edit's own background";
}

TEST_F(NoteEdit, PastedLinesAreJoinedUntilTheBoxHoldsThem) {
    SetNote("5\r\na", 4);
    Type("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9");
    const CString strText = Note().GetWindowText();
    EXPECT_EQ(8, CountBreaks(strText));
    EXPECT_EQ(CString("5\r\na1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n89"), strText);
    ASSERT_EQ(1u, m_shown.size());
    EXPECT_EQ(CString(kNoMoreLines), m_shown.front().strText);
}

TEST_F(NoteEdit, DelIsDroppedAndTypingOnTheDayLineGoesBelowIt) {
    View().m_nNoteDirty = 0;
    SetNote("5\r\nabc", 6);
    Type("\x7f");
    EXPECT_EQ(CString("5\r\nabc"), Note().GetWindowText());
    EXPECT_EQ(6, Caret());
    EXPECT_NE(0, View().m_nNoteDirty);

    SetNote("5\r\nabc", 1);
    Type("x");
    EXPECT_EQ(CString("5x\r\n\r\nabc"), Note().GetWindowText());
    EXPECT_EQ(4, Caret());
    EXPECT_TRUE(m_shown.empty());
}

TEST_F(NoteEdit, EnterStoresTheTextAndCancelReloadsItWithTheDaySwapTab) {
    theApp.m_nDaySwap = 2;
    Doc().SetNote("5\r\nold", kCol, kRow);
    Click(Page(), IDC_NOTE_CANCEL);
    EXPECT_EQ(CString("\t5\r\nold"), Note().GetWindowText());

    Note().SetWindowText("\t5\r\nnew");
    View().m_nNoteDirty = 1;
    Click(Page(), IDC_NOTE_ENTER);
    EXPECT_EQ(CString("\t5\r\nnew"), Doc().GetNote(kCol, kRow));
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(0, View().m_nNoteDirty);

    // Unchanged text changes nothing.
    Doc().SetModifiedFlag(false);
    Click(Page(), IDC_NOTE_ENTER);
    EXPECT_FALSE(Doc().IsModified());

    // Without a selected box the text goes nowhere.
    View().m_selCol = 7;
    View().m_selRow = 6;
    Note().SetWindowText("stray");
    Click(Page(), IDC_NOTE_ENTER);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(CString("\t5\r\nnew"), Doc().GetNote(kCol, kRow));
    EXPECT_TRUE(m_shown.empty());
}

// A note typed without "Enter" belongs to the calendar as soon as anything
// saves, prints or replaces it: Save writes it, and every command that would
// drop the calendar asks first whether to save it.
TEST_F(NoteEdit, TypingNotEnteredIsKeptBySaveAndAskedAboutBeforeItIsReplaced) {
    m_shown.clear();
    WatchMessages(IDCANCEL);
    const CString strPath = m_dir.File("Note.kal");
    Doc().SetPathName(strPath, false);
    struct Case {
        const char* pszAction;
        std::function<void()> fnAct;
        bool bAsks; // "Save changes to Note.kal?", answered Cancel
    } const cases[] = {
        {"Save", [&] { Frame().SendMessage(WM_COMMAND, ID_FILE_SAVE); }, false},
        {"Close", [&] { Frame().SendMessage(WM_CLOSE); }, true},
        {"File New", [&] { Frame().SendMessage(WM_COMMAND, ID_FILE_NEW); }, true},
        {"File Open", [&] { theApp.OpenDocumentFile(m_dir.File("Other.kal")); }, true},
        {"month", [&] { Choose(IDC_MONTH, (Doc().m_nMonth % 12)); }, true},
        {"year", [&] { Choose(IDC_YEAR, 1); }, true},
        {"preview",
         [&] {
             Frame().SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
             View().ClosePrintPreview();
         },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszAction);
        Doc().SetNote("5\r\n", kCol, kRow);
        Doc().SetModifiedFlag(false);
        Click(Page(), IDC_NOTE_CANCEL);
        EXPECT_EQ(0, View().m_nNoteDirty) << "a reload leaves nothing to store";
        const int nEnd = Note().GetWindowText().GetLength();
        Note().SetSel(nEnd, nEnd);
        Type("Dentist");
        c.fnAct();
        PumpMessages();
        // (A paint, such as the preview's, puts the box's own day number first.)
        EXPECT_NE(-1, Doc().GetNote(kCol, kRow).Find("5\r\nDentist"));
        EXPECT_EQ(0, View().m_nNoteDirty);
        ASSERT_EQ(c.bAsks ? 1u : 0u, m_shown.size());
        if (c.bAsks)
            EXPECT_EQ(CString("Save changes to Note.kal?"), m_shown.front().strText);
        m_shown.clear();
    }
    EXPECT_NE(-1, ReadWholeFile(strPath).Find("5\r\nDentist"));
    // Nothing typed, nothing asked: a reloaded note is not a change.
    Doc().SetModifiedFlag(false);
    Click(Page(), IDC_NOTE_CANCEL);
    Frame().SendMessage(WM_COMMAND, ID_FILE_NEW);
    EXPECT_TRUE(m_shown.empty());
}
} // namespace
