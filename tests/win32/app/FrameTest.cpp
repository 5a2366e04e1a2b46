#include "common/AppFixture.h"

#include <functional>

#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
class Frame : public CAppFixture {
protected:
    void SetUp() override {
        CAppFixture::SetUp();
        ASSERT_TRUE(Start());
        m_pFrame = theApp.m_pFrame;
        ASSERT_NE(nullptr, m_pFrame);
    }
    // Holds the given keys down (as the key state functions report them)
    // while the frame handles one message, or while the action runs.
    void WithKeysDown(std::initializer_list<int> keys, std::function<void()> action = {}) {
        BYTE state[256];
        ::GetKeyboardState(state);
        BYTE saved[256];
        memcpy(saved, state, sizeof state);
        for (int vk : keys)
            state[vk] |= 0x80;
        ::SetKeyboardState(state);
        if (action)
            action();
        else
            m_pFrame->SendMessage(WM_NULL);
        ::SetKeyboardState(saved);
    }
    // Marks the frame minimised or maximised as the closing code sees it.
    // (Really maximising it under Xvfb, which has no window manager, now and
    // then makes Wine's X driver unmap a window twice and abort.)
    void SetShowStateBit(LONG lBit) {
        HWND hWnd = m_pFrame->GetSafeHwnd();
        ::SetWindowLongA(hWnd, GWL_STYLE, ::GetWindowLongA(hWnd, GWL_STYLE) | lBit);
    }
    int TabSelection() const {
        return (int)::SendMessageA(m_pFrame->m_wndPanelBar.GetDlgItem(IDC_PANEL_TABS),
                                   TCM_GETCURSEL, 0, 0);
    }
    CMainFrame* m_pFrame = nullptr;
};

TEST_F(Frame, FourTabsAndFivePanes) {
    HWND hTabs = m_pFrame->m_wndPanelBar.GetDlgItem(IDC_PANEL_TABS);
    ASSERT_NE(nullptr, hTabs);
    EXPECT_EQ(4, (int)::SendMessageA(hTabs, TCM_GETITEMCOUNT, 0, 0));
    static const char* const s_apszNames[] = {"Calendar", "Style", "Image", "Events"};
    for (int i = 0; i < 4; ++i) {
        char sz[64] = {0};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = sz;
        item.cchTextMax = sizeof sz;
        ::SendMessageA(hTabs, TCM_GETITEMA, i, (LPARAM)&item);
        EXPECT_STREQ(s_apszNames[i], sz);
    }
    EXPECT_EQ(5, (int)m_pFrame->m_wndStatusBar.SendMessage(SB_GETPARTS, 0, 0));
    EXPECT_EQ(&m_pFrame->m_wndCalendarPage, m_pFrame->GetVisiblePage());
    // Pages are children of the tab control.
    EXPECT_EQ(hTabs, ::GetParent(m_pFrame->m_wndEventsPage.GetSafeHwnd()));
}

TEST_F(Frame, TabSelectionShowsThePageAndKeepsControlStates) {
    HWND hTabs = m_pFrame->m_wndPanelBar.GetDlgItem(IDC_PANEL_TABS);
    m_pFrame->m_wndStylePage.m_editTitle.SetWindowText("Our Year");
    ::SendMessageA(hTabs, TCM_SETCURSEL, 1, 0);
    NMHDR nm = {hTabs, IDC_PANEL_TABS, (UINT)TCN_SELCHANGE};
    ::SendMessageA(::GetParent(hTabs), WM_NOTIFY, IDC_PANEL_TABS, (LPARAM)&nm);
    EXPECT_EQ(&m_pFrame->m_wndStylePage, m_pFrame->GetVisiblePage());
    m_pFrame->ShowPage(CMainFrame::kEventsPage);
    m_pFrame->ShowPage(CMainFrame::kStylePage);
    EXPECT_EQ(CString("Our Year"), m_pFrame->m_wndStylePage.m_editTitle.GetWindowText());
    // Any other index only hides the visible page.
    m_pFrame->ShowPage(7);
    EXPECT_EQ(nullptr, m_pFrame->GetVisiblePage());
}

TEST_F(Frame, AltShortcutsChoosePagesAndAltEWins) {
    WithKeysDown({VK_MENU, 'S'});
    EXPECT_EQ(&m_pFrame->m_wndStylePage, m_pFrame->GetVisiblePage());
    EXPECT_EQ(1, TabSelection());
    WithKeysDown({VK_MENU, 'C', 'S', 'I', 'E'});
    EXPECT_EQ(&m_pFrame->m_wndEventsPage, m_pFrame->GetVisiblePage());
    EXPECT_EQ(3, TabSelection());
    WithKeysDown({VK_MENU, 'C', 'S', 'I'});
    EXPECT_EQ(&m_pFrame->m_wndImagePage, m_pFrame->GetVisiblePage());
    WithKeysDown({VK_MENU, 'C', 'S'});
    EXPECT_EQ(&m_pFrame->m_wndStylePage, m_pFrame->GetVisiblePage());
    WithKeysDown({VK_MENU, 'C'});
    EXPECT_EQ(&m_pFrame->m_wndCalendarPage, m_pFrame->GetVisiblePage());
    // AltGr (Ctrl and Alt) types a character: no page.
    WithKeysDown({VK_MENU, VK_CONTROL, 'E'}, [] { theApp.OnIdle(0); });
    EXPECT_EQ(&m_pFrame->m_wndCalendarPage, m_pFrame->GetVisiblePage());
    // The letters without Alt do nothing.
    WithKeysDown({'E'});
    EXPECT_EQ(&m_pFrame->m_wndCalendarPage, m_pFrame->GetVisiblePage());
}

TEST_F(Frame, ImagePageEntersPicturePositioningOnlyWithAPicture) {
    CAlmanarkView* pView = theApp.m_pView;
    m_pFrame->ShowPage(CMainFrame::kImagePage);
    EXPECT_EQ(0, pView->m_nImgPositioning);
    m_pFrame->ShowPage(CMainFrame::kCalendarPage);
    theApp.m_pDoc->m_bHasImage = 1;
    m_pFrame->ShowPage(CMainFrame::kImagePage);
    EXPECT_EQ(1, pView->m_nImgPositioning);
    EXPECT_EQ(1, pView->m_nPictureFirst);
    theApp.OnIdle(0);
    EXPECT_EQ(CString("Position graphic"), m_pFrame->GetStatusText(0));
    // Leaving the page ends positioning.
    m_pFrame->ShowPage(CMainFrame::kCalendarPage);
    EXPECT_EQ(0, pView->m_nImgPositioning);
    EXPECT_EQ(0, pView->m_nPictureFirst);
    theApp.m_pDoc->m_bHasImage = 0;
}

// The key goes to a control of the page, not to the frame: the frame sees it
// down at the idle moment that follows.
TEST_F(Frame, DeleteKeyWhilePositioningThePictureRemovesIt) {
    theApp.m_pDoc->m_bHasImage = 1;
    m_pFrame->ShowPage(CMainFrame::kImagePage);
    ASSERT_EQ(1, theApp.m_pView->m_nImgPositioning);
    WithKeysDown({VK_DELETE}, [] { theApp.OnIdle(0); });
    EXPECT_EQ(0, theApp.m_pDoc->m_bHasImage);
    EXPECT_EQ(0, theApp.m_pView->m_nImgPositioning);
}

// A modal dialog of the frame (the picture's file dialog, Insert Date) and
// any other window of the program keep their keys; the frame still hears of
// the idle moments.
TEST_F(Frame, KeysTypedIntoAnotherWindowAreNotShortcuts) {
    theApp.m_pDoc->m_bHasImage = 1;
    m_pFrame->ShowPage(CMainFrame::kImagePage);
    m_pFrame->EnableWindow(false);
    WithKeysDown({VK_DELETE, VK_MENU, 'S'},
                 [&] { m_pFrame->SendMessage(WM_ENTERIDLE, MSGF_DIALOGBOX, 0); });
    m_pFrame->EnableWindow(true);
    EXPECT_EQ(1, theApp.m_pDoc->m_bHasImage);
    EXPECT_EQ(&m_pFrame->m_wndImagePage, m_pFrame->GetVisiblePage());
    // Another window of the program active: the help window's Alt+C.
    HWND hOther = ::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                                    nullptr, nullptr, nullptr);
    ::SetActiveWindow(hOther);
    WithKeysDown({VK_DELETE, VK_MENU, 'C'}, [] { theApp.OnIdle(0); });
    ::DestroyWindow(hOther);
    EXPECT_EQ(1, theApp.m_pDoc->m_bHasImage);
    EXPECT_EQ(&m_pFrame->m_wndImagePage, m_pFrame->GetVisiblePage());
    m_pFrame->ShowPage(CMainFrame::kCalendarPage);
    theApp.m_pDoc->m_bHasImage = 0;
}

TEST_F(Frame, IdleShowsCalendarPositioningOverPicturePositioning) {
    theApp.m_pView->m_nImgPositioning = 1;
    theApp.m_pView->m_nCalPositioning = 1;
    theApp.OnIdle(0);
    EXPECT_EQ(CString("Position calendar"), m_pFrame->GetStatusText(0));
    theApp.m_pView->m_nImgPositioning = 0;
    theApp.m_pView->m_nCalPositioning = 0;
}

TEST_F(Frame, IdleKeepsTheNoteCaretOutOfTheFirstLine) {
    CEdit& note = m_pFrame->m_wndCalendarPage.m_editNote;
    note.SetWindowText("12\r\nDentist\r\nmore");
    note.SetSel(1, 1);
    theApp.OnIdle(0);
    int nStart = -1, nEnd = -1;
    note.GetSel(nStart, nEnd);
    EXPECT_EQ(4 + 7, nStart);
    EXPECT_EQ(nStart, nEnd);
}

TEST_F(Frame, IdleRepaintsOnceAfterDragSizing) {
    RECT rc = m_pFrame->GetWindowRect();
    m_pFrame->SendMessage(WM_SIZING, WMSZ_RIGHT, (LPARAM)&rc);
    EXPECT_EQ(1, theApp.m_nResizeCount);
    theApp.OnIdle(0);
    EXPECT_EQ(0, theApp.m_nResizeCount);
}

// The page is drawn to the window's scale: maximising or restoring the frame
// must redraw what was already on show, not only the strips it uncovers.
TEST_F(Frame, ASizeChangeRepaintsTheWholeView) {
    HWND hView = theApp.m_pView->GetSafeHwnd();
    ::UpdateWindow(m_pFrame->GetSafeHwnd());
    ::ValidateRect(hView, nullptr);
    CRect rc = m_pFrame->GetWindowRect();
    ::SetWindowPos(m_pFrame->GetSafeHwnd(), nullptr, 0, 0, rc.Width() + 120, rc.Height() + 90,
                   SWP_NOMOVE | SWP_NOZORDER);
    HRGN hUpdate = ::CreateRectRgn(0, 0, 0, 0);
    ::GetUpdateRgn(hView, hUpdate, FALSE);
    EXPECT_TRUE(::PtInRegion(hUpdate, 5, 5));
    ::DeleteObject(hUpdate);
}

TEST_F(Frame, MinimumTrackingSize) {
    MINMAXINFO info = {};
    m_pFrame->SendMessage(WM_GETMINMAXINFO, 0, (LPARAM)&info);
    EXPECT_EQ(640, info.ptMinTrackSize.x);
    EXPECT_EQ(456, info.ptMinTrackSize.y);
}

TEST_F(Frame, ClosingWritesPlacementAndShowState) {
    ::SetWindowPos(m_pFrame->GetSafeHwnd(), nullptr, 30, 40, 700, 500, SWP_NOZORDER);
    m_pFrame->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
    EXPECT_EQ(CString("30"), IniValue("Almanark", "Window PosX"));
    EXPECT_EQ(CString("40"), IniValue("Almanark", "Window PosY"));
    EXPECT_EQ(CString("700"), IniValue("Almanark", "Window SizeX"));
    EXPECT_EQ(CString("500"), IniValue("Almanark", "Window SizeY"));
    EXPECT_EQ(CString("5"), IniValue("Almanark", "Show Window"));
    EXPECT_TRUE(m_answers.Messages().empty());
}

TEST_F(Frame, ClosingMinimisedKeepsTheSavedPosition) {
    SetIniValue("Almanark", "Window PosX", "11");
    SetShowStateBit(WS_MINIMIZE);
    m_pFrame->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_EQ(CString("11"), IniValue("Almanark", "Window PosX"));
    EXPECT_EQ(CString("5"), IniValue("Almanark", "Show Window"));
}

TEST_F(Frame, ClosingMaximisedRemembersIt) {
    SetShowStateBit(WS_MAXIMIZE);
    m_pFrame->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_EQ(CString("3"), IniValue("Almanark", "Show Window"));
}

TEST_F(Frame, SavedPlacementIsClampedToTheWorkArea) {
    Close();
    SetIniValue("Almanark", "Window PosX", "-50");
    SetIniValue("Almanark", "Window SizeX", "2000");
    ASSERT_TRUE(Start());
    RECT rcWork;
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &rcWork, 0);
    CRect rc = theApp.m_pFrame->GetWindowRect();
    if (rcWork.right < 2000) {
        EXPECT_EQ(640, rc.Width());
        EXPECT_EQ(rcWork.right - 640, rc.left);
    } else {
        EXPECT_EQ(0, rc.left);
    }
}

TEST_F(Frame, ModifiedCalendarAsksAndCancelKeepsTheProgram) {
    theApp.MarkModified();
    m_answers.Queue(IDCANCEL);
    m_pFrame->SendMessage(WM_CLOSE);
    PumpMessages();
    ASSERT_EQ(1u, m_answers.Messages().size());
    EXPECT_EQ("Save changes to " + theApp.m_pDoc->GetTitle() + "?", m_answers.Messages()[0]);
    EXPECT_NE(nullptr, theApp.m_pMainWnd);
    m_answers.Queue(IDNO);
    m_pFrame->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_EQ(nullptr, theApp.m_pMainWnd);
}

TEST_F(Frame, UnsavedEventFileNameIsOfferedOnClose) {
    CEventsPage& page = m_pFrame->m_wndEventsPage;
    page.m_cbFile.SetWindowText("Trip");
    page.m_btnFile.SetWindowText("Save");
    m_answers.Queue(IDNO);
    m_pFrame->SendMessage(WM_CLOSE);
    PumpMessages();
    ASSERT_FALSE(m_answers.Messages().empty());
    EXPECT_EQ(CString("Save Event file: Trip.evn"), m_answers.Messages()[0]);
}

TEST_F(Frame, DeleteButtonCaptionAsksNothingOnClose) {
    m_pFrame->m_wndEventsPage.m_cbFile.SetWindowText("Trip");
    m_pFrame->m_wndEventsPage.m_btnFile.SetWindowText("Delete");
    m_pFrame->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_TRUE(m_answers.Messages().empty());
}

TEST_F(Frame, NotesOutsideTheGridAreIgnored) {
    CAlmanarkDoc* pDoc = theApp.m_pDoc;
    CString before[7][6];
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 6; ++r)
            before[c][r] = pDoc->GetNote(c, r);
    EXPECT_TRUE(pDoc->SetNote("7\r\nParty", 6, 5));
    EXPECT_EQ(CString("7\r\nParty"), pDoc->GetNote(6, 5));
    EXPECT_TRUE(pDoc->SetNote("x", 7, 0));
    EXPECT_TRUE(pDoc->SetNote("x", 0, 6));
    EXPECT_TRUE(pDoc->SetNote("x", -1, 2));
    EXPECT_EQ(CString(), pDoc->GetNote(7, 0));
    EXPECT_EQ(CString(), pDoc->GetNote(0, 6));
    EXPECT_EQ(CString(), pDoc->GetNote(-1, 2));
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 6; ++r)
            if (c != 6 || r != 5)
                EXPECT_EQ(before[c][r], pDoc->GetNote(c, r));
}

TEST_F(Frame, DroppedFileThatIsNotACalendarIsRefusedCleanly) {
    CString strFile = m_dir.File("notes.txt");
    ASSERT_TRUE(WriteWholeFile(strFile, "hello"));
    EXPECT_EQ(nullptr, theApp.OpenDocumentFile(strFile));
    ASSERT_FALSE(m_answers.Messages().empty());
    EXPECT_EQ(CString("Unexpected file format."), m_answers.Messages().back());
    EXPECT_NE(nullptr, theApp.m_pMainWnd);
}

TEST_F(Frame, MissingFileGivesTheCannotFindMessage) {
    CString strFile = m_dir.File("gone.kal");
    EXPECT_EQ(nullptr, theApp.OpenDocumentFile(strFile));
    ASSERT_FALSE(m_answers.Messages().empty());
    EXPECT_EQ(strFile + "\nCannot find this file.\nPlease verify that the correct path and "
                        "file name are given.",
              m_answers.Messages().back());
}

// The context of the topic that the help window shows; 0 while it is closed.
unsigned long HelpContextOnShow() {
    CHelpWindow& help = theApp.m_wndHelp;
    int nTopic = help.GetTopic();
    if (nTopic < 0 || !help.IsWindowVisible())
        return 0;
    // The window shows the topic it says it shows, and the topic says something.
    const CHelpTopic& topic = help.GetTopics().GetAt(nTopic);
    EXPECT_EQ(topic.m_strTitle, help.GetDlgItemText(IDC_HELP_TITLE));
    EXPECT_GT(help.GetDlgItemText(IDC_HELP_TEXT).GetLength(), 200);
    return topic.m_nContext;
}

TEST_F(Frame, F1ShowsTheTopicOfWhatHasTheFocus) {
    m_pFrame->SendMessage(WM_COMMAND, ID_HELP_FINDER);
    EXPECT_EQ(IDH_GETTING_STARTED, (int)HelpContextOnShow());
    CHelpWindow& help = theApp.m_wndHelp;
    EXPECT_EQ(help.GetTopics().GetCount(),
              (int)help.SendDlgItemMessage(IDC_HELP_CONTENTS, LB_GETCOUNT));
    HWND hTabs = m_pFrame->m_wndPanelBar.GetDlgItem(IDC_PANEL_TABS);
    struct Case {
        int nPage;
        HWND hFocus; // null: the page's first control
        int nContext;
    };
    const Case cases[] = {
        {CMainFrame::kCalendarPage, nullptr, IDD_CALENDAR_PAGE},
        {CMainFrame::kStylePage, nullptr, IDD_STYLE_PAGE},
        {CMainFrame::kImagePage, nullptr, IDD_IMAGE_PAGE},
        {CMainFrame::kEventsPage, nullptr, IDD_EVENTS_PAGE},
        // The tabs belong to no page: the page on show.
        {CMainFrame::kStylePage, hTabs, IDD_STYLE_PAGE},
        {CMainFrame::kImagePage, theApp.m_pView->GetSafeHwnd(), IDH_CALENDAR_VIEW},
    };
    for (const Case& c : cases) {
        m_pFrame->ShowPage(c.nPage);
        HWND hPage = m_pFrame->GetPage(c.nPage)->GetSafeHwnd();
        ::SetFocus(c.hFocus ? c.hFocus : ::GetNextDlgTabItem(hPage, nullptr, FALSE));
        m_pFrame->SendMessage(WM_COMMAND, ID_HELP);
        EXPECT_EQ(c.nContext, (int)HelpContextOnShow()) << c.nPage;
    }
    // Choosing from the contents shows that topic; Esc closes the window.
    help.SendDlgItemMessage(IDC_HELP_CONTENTS, LB_SETCURSEL, 1);
    help.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_HELP_CONTENTS, LBN_SELCHANGE),
                     (LPARAM)help.GetDlgItem(IDC_HELP_CONTENTS));
    EXPECT_EQ(help.GetTopics().GetAt(1).m_nContext, HelpContextOnShow());
    help.SendMessage(WM_COMMAND, IDCANCEL);
    EXPECT_EQ(0u, HelpContextOnShow());
}

// The Insert Date dialog runs its own modal loop, out of reach of the frame's
// accelerators: a real F1 key press in one of its date pages shows the
// dialog's topic.
TEST_F(Frame, F1InTheInsertDateDialogShowsItsTopic) {
    m_pFrame->ShowPage(CMainFrame::kEventsPage);
    unsigned long nContextSeen = 0;
    m_answers.OnDialog([&](CModalRequest& request) {
        HWND hDlg = request.hOwner;
        ::SetForegroundWindow(hDlg);
        HWND hTabs = ::GetDlgItem(hDlg, IDC_DATE_TABS);
        for (HWND hPage = ::GetWindow(hTabs, GW_CHILD); hPage;
             hPage = ::GetWindow(hPage, GW_HWNDNEXT))
            if (HWND hMonth = ::GetDlgItem(hPage, IDC_SPEC_MONTH))
                ::SetFocus(hMonth);
        EXPECT_EQ(IDC_SPEC_MONTH, ::GetDlgCtrlID(::GetFocus()));
        keybd_event(VK_F1, 0, 0, 0);
        keybd_event(VK_F1, 0, KEYEVENTF_KEYUP, 0);
        for (int i = 0; i < 100 && !nContextSeen; ++i) {
            ::Sleep(20);
            MSG msg;
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                ::TranslateMessage(&msg);
                ::DispatchMessageA(&msg);
            }
            nContextSeen = HelpContextOnShow();
        }
        return IDCANCEL;
    });
    m_pFrame->m_wndEventsPage.m_dlgInsertDate.DoModal();
    EXPECT_EQ((unsigned long)IDD_INSERT_DATE, nContextSeen);
}

// Shift+F1: the next click picks what to explain; Esc leaves the help mode.
TEST_F(Frame, ContextHelpShowsTheTopicOfTheWindowClickedNext) {
    struct Case {
        HWND hTarget;
        UINT nFirstKey; // pressed before the click; Esc cancels
        int nContext;
    };
    m_pFrame->ShowPage(CMainFrame::kImagePage);
    HWND hImageButton = m_pFrame->m_wndImagePage.GetDlgItem(IDC_IMAGE_NEW);
    const Case cases[] = {
        {hImageButton, 0, IDD_IMAGE_PAGE},
        {theApp.m_pView->GetSafeHwnd(), 0, IDH_CALENDAR_VIEW},
        {hImageButton, VK_ESCAPE, 0},
    };
    for (const Case& c : cases) {
        theApp.m_wndHelp.SendMessage(WM_COMMAND, IDCANCEL);
        CRect rc;
        ::GetWindowRect(c.hTarget, &rc);
        POINT pt = {rc.left + 3, rc.top + 3};
        ::ScreenToClient(m_pFrame->GetSafeHwnd(), &pt);
        if (c.nFirstKey)
            m_pFrame->PostMessage(WM_KEYDOWN, c.nFirstKey, 0);
        m_pFrame->PostMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
        m_pFrame->SendMessage(WM_COMMAND, ID_CONTEXT_HELP);
        EXPECT_EQ(c.nContext, (int)HelpContextOnShow()) << c.nContext;
        EXPECT_EQ(nullptr, ::GetCapture());
        EXPECT_EQ(CString("Ready"), m_pFrame->GetStatusText(0));
        PumpMessages(); // the click left over after Esc
    }
}
} // namespace

namespace {
class Menus : public CAppFixture {};

TEST_F(Menus, CommandsWithoutAHandlerAreGrayed) {
    ASSERT_TRUE(Start());
    HMENU hFile = ::GetSubMenu(::GetMenu(theApp.m_pFrame->GetSafeHwnd()), 0);
    theApp.m_pFrame->SendMessage(WM_INITMENUPOPUP, (WPARAM)hFile, 0);
    auto grayed = [hFile](UINT nID) {
        return (::GetMenuState(hFile, nID, MF_BYCOMMAND) & MF_GRAYED) != 0;
    };
    EXPECT_FALSE(grayed(ID_FILE_NEW));
    EXPECT_FALSE(grayed(ID_FILE_OPEN));
    EXPECT_FALSE(grayed(ID_FILE_SAVE));
    EXPECT_FALSE(grayed(ID_FILE_SAVE_AS));
    EXPECT_FALSE(grayed(ID_APP_EXIT));
    EXPECT_TRUE(grayed(ID_FILE_MRU_FILE1)); // the list is empty
    // Each grayed item is one that no part of the program carries out.
    for (UINT nID : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT_SETUP})
        EXPECT_EQ(!theApp.m_pFrame->IsCommandAvailable(nID), grayed(nID)) << nID;
}
} // namespace

namespace {
class CursorHint : public CAppFixture {};

TEST_F(CursorHint, FontButtonsShowTheirFaceOtherwiseThePrinter) {
    ASSERT_TRUE(Start());
    CMainFrame* pFrame = theApp.m_pFrame;
    theApp.m_strTitleFont = "Times New Roman";
    pFrame->ShowPage(CMainFrame::kStylePage);
    PumpMessages();
    RECT rc;
    ASSERT_TRUE(::GetWindowRect(pFrame->m_wndStylePage.GetDlgItem(IDC_TITLE_FONT), &rc));
    ASSERT_TRUE(::SetCursorPos((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2));
    pFrame->SendMessage(WM_SETCURSOR, (WPARAM)pFrame->GetSafeHwnd(), MAKELPARAM(HTCLIENT, 0));
    EXPECT_EQ(CString("Times New Roman"), pFrame->GetStatusText(1));
    ::SetCursorPos(1, 1);
    pFrame->SendMessage(WM_SETCURSOR, (WPARAM)pFrame->GetSafeHwnd(), MAKELPARAM(HTCLIENT, 0));
    EXPECT_EQ(theApp.m_pDoc->m_strPrinter, pFrame->GetStatusText(1));
}
} // namespace
