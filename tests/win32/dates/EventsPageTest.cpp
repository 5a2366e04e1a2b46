// The Events page's event-file operations on its real controls, with event
// files and the settings file in a fresh folder for every test.
#include <gtest/gtest.h>

#include <windows.h>
#include <algorithm>
#include <map>
#include <set>
#include <vector>

#include "app/AlmanarkApp.h"
#include "common/TestSupport.h"
#include "dates/EventSection.h"
#include "dates/EventsPage.h"
#include "resources/resource.h"

namespace {

using Lines = std::vector<CString>;

void FailOnModal() {
    CModalSeam::SetResponder([](CModalRequest& request) {
        ADD_FAILURE() << "unexpected modal request: " << request.strText.c_str();
        return request.kind == CModalRequest::messageBox ? IDNO : 0;
    });
}

// Every value of the file, keys 0, 1, ... up to the first missing one.
Lines AllValues(const char* pszPath) {
    Lines values;
    for (int nKey = 0;; ++nKey) {
        char szValue[1024] = {0};
        GetPrivateProfileStringA("Events", CString::FromInt(nKey), "END", szValue, sizeof szValue,
                                 pszPath);
        if (CString(szValue) == "END")
            return values;
        values.push_back(szValue);
    }
}

Lines NumberedValues(int nCount) {
    Lines values(nCount);
    for (int i = 0; i < nCount; ++i)
        values[i].Format("Jan 01;Entry %03d", i);
    return values;
}

class EventsPageTest : public testing::Test {
protected:
    void SetUp() override {
        FailOnModal();
        theApp.m_strCurDir = m_dir.Path();
        theApp.m_strEventFileArg.Empty();
        theApp.m_strAllEvents.Empty();
        theApp.SetProfileName(m_dir.File("Almanark.ini"));
        // A child dialog needs a parent window; the main frame is not made here.
        m_host.Attach(CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 600,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    }
    void TearDown() override {
        if (m_page.GetSafeHwnd())
            m_page.DestroyWindow();
        DestroyWindow(m_host.Detach());
        FailOnModal();
    }

    void Open() { ASSERT_TRUE(m_page.Create(IDD_EVENTS_PAGE, &m_host)); }

    // Writes an event file as a text editor would, one key per value.
    CString WriteEvents(const char* pszName, const Lines& values, const char* pszDir = nullptr) {
        CString strText = "[Events]\r\n";
        for (size_t i = 0; i < values.size(); ++i)
            strText += CString::FromInt((int)i) + "=" + values[i] + "\r\n";
        CString strPath = CString(pszDir ? pszDir : m_dir.Path().c_str()) + pszName + ".evn";
        EXPECT_TRUE(WriteWholeFile(strPath, strText));
        return strPath;
    }

    void SetLastEventFileSetting(const char* pszPath) {
        theApp.WriteProfileString("Almanark", "Last Event File", pszPath);
    }
    CString LastEventFileSetting() {
        return theApp.GetProfileString("Almanark", "Last Event File", "<absent>");
    }

    Lines ListLines() const {
        Lines lines;
        for (int i = 0; i < m_page.m_listDates.GetCount(); ++i)
            lines.push_back(m_page.m_listDates.GetText(i));
        return lines;
    }
    Lines ComboItems() const {
        Lines items;
        for (int i = 0; i < m_page.m_cbFile.GetCount(); ++i)
            items.push_back(m_page.m_cbFile.GetLBText(i));
        return items;
    }
    CString SelectedItem() const {
        int n = m_page.m_cbFile.GetCurSel();
        return n < 0 ? CString("<none>") : m_page.m_cbFile.GetLBText(n);
    }
    void Choose(const char* pszName) {
        ASSERT_TRUE(m_page.SelectEventFile(pszName)) << pszName;
        m_page.LoadEventFile();
    }
    void TypeName(const char* pszName) {
        m_page.m_cbFile.SetCurSel(-1);
        m_page.m_cbFile.SetWindowText(pszName);
    }
    // As the user types: the combo tells the page of the changed text.
    void TypeNameAsUser(const char* pszName) {
        TypeName(pszName);
        m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EVENT_FILE, CBN_EDITCHANGE),
                           (LPARAM)m_page.m_cbFile.GetSafeHwnd());
    }
    void ExpectButtonsEnabled(bool bFile, bool bInsert, bool bRemove) const {
        EXPECT_EQ(bFile, m_page.m_btnFile.IsWindowEnabled());
        EXPECT_EQ(bInsert, m_page.m_btnInsertDate.IsWindowEnabled());
        EXPECT_EQ(bRemove, m_page.m_btnRemoveDate.IsWindowEnabled());
    }

    CTempDir m_dir{"evp"};
    CWnd m_host;
    CEventsPage m_page;
};

TEST_F(EventsPageTest, LoadingStopsAtTheFirstMissingKeyAndAfterFiveHundred) {
    WriteWholeFile(m_dir.File("Gaps.evn"),
                   "[Events]\r\n0=Jan 01;One\r\n1=Jan 02;Two\r\n3=Jan 04;Four\r\n");
    WriteEvents("Many", NumberedValues(600));
    Open();

    Choose("Gaps");
    EXPECT_EQ((Lines{"Jan 01\tOne", "Jan 02\tTwo"}), ListLines());
    Choose("Many");
    ASSERT_EQ(500, m_page.m_listDates.GetCount());
    EXPECT_EQ("Jan 01\tEntry 499", m_page.m_listDates.GetText(499));
    // A file that is not there reads as an empty list.
    m_page.m_cbFile.AddString("Missing");
    Choose("Missing");
    EXPECT_TRUE(ListLines().empty());
    EXPECT_TRUE(theApp.m_strAllEvents.IsEmpty());
}

TEST_F(EventsPageTest, LoadedValuesBecomeSortedLinesAndTheEventText) {
    WriteEvents("Year", {"Dec 25;Xmas", "EASTER;Brunch", "Jan 01;New; Year", "Feb-Mon #3;Pres",
                         "Apr 01;Fools", "Jan 5;Lunch", "Nov 7, 2001;Vote", "Just a note"});
    WriteEvents("Empty", {});
    SetLastEventFileSetting(m_dir.File("Year.evn"));
    Open();

    Lines expected = {"\tJust a note",      "Jan 01\tNew; Year", "Jan 05\tLunch",
                      "Feb-Mon #3\tPres",   "Apr 01\tFools",     "EASTER\tBrunch",
                      "Nov 07, 2001\tVote", "Dec 25\tXmas"};
    EXPECT_EQ(expected, ListLines());
    CString strText;
    for (const CString& strLine : expected)
        strText += strLine + "\r\n";
    EXPECT_EQ(strText, theApp.m_strAllEvents);
    EXPECT_EQ(1, m_page.m_listDates.GetSelCount());
    EXPECT_TRUE(m_page.m_listDates.GetSel(0));
    EXPECT_TRUE(m_page.m_btnRemoveDate.IsWindowEnabled());
    EXPECT_GT(m_page.m_listDates.GetHorizontalExtent(), 0);

    Choose("Empty");
    EXPECT_TRUE(theApp.m_strAllEvents.IsEmpty());
    EXPECT_FALSE(m_page.m_btnRemoveDate.IsWindowEnabled());
    EXPECT_EQ(0, m_page.m_listDates.GetHorizontalExtent());
}

TEST_F(EventsPageTest, SavedListReadsBackUnchanged) {
    CString strPath = WriteEvents("Party", {"Feb 14;Flowers"});
    SetLastEventFileSetting(strPath);
    Open();
    m_page.m_listDates.AddString("Jan 01\tLunch; then a nap; then tea");
    m_page.m_listDates.AddString("\tNo date");
    // A line break would end the key's line and start keys or sections of its own.
    m_page.m_listDates.AddString("May 01\tOne\r\n7=Jun 01;Two\r\n[Other]\r\nx=y");
    m_page.SortEventList();
    m_page.SaveEventFile();

    Lines values = AllValues(strPath);
    ASSERT_EQ(4u, values.size());
    EXPECT_EQ((Lines{";No date", "Jan 01;Lunch; then a nap; then tea", "Feb 14;Flowers"}),
              Lines(values.begin(), values.begin() + 3));
    char szSections[64] = {0};
    GetPrivateProfileSectionNamesA(szSections, sizeof szSections, strPath);
    EXPECT_EQ(CString("Events\0", 8), CString(szSections, 8)); // one section only

    m_page.LoadEventFile();
    Lines lines = ListLines();
    ASSERT_EQ(4u, lines.size());
    EXPECT_EQ((Lines{"\tNo date", "Jan 01\tLunch; then a nap; then tea", "Feb 14\tFlowers"}),
              Lines(lines.begin(), lines.begin() + 3));
    EXPECT_EQ(0, lines[3].Find("May 01\tOne"));
}

TEST_F(EventsPageTest, SavingUnderATypedNameCreatesAndSelectsTheFile) {
    SetLastEventFileSetting(WriteEvents("Home", {"Mar 03;Home day"}));
    Open();

    TypeName("Trip ");
    m_page.SaveEventFile();
    EXPECT_EQ((Lines{"Home", "Trip"}), ComboItems());
    EXPECT_EQ("Trip", SelectedItem());
    EXPECT_EQ(m_dir.File("Trip.evn"), LastEventFileSetting());
    EXPECT_EQ((Lines{"Mar 03;Home day"}), AllValues(m_dir.File("Trip.evn")));

    // "Default" typed as a name is a file of that name, not the last file.
    TypeName("Default");
    m_page.m_listDates.AddString("Apr 04\tNew");
    m_page.SaveEventFile();
    EXPECT_EQ("Default", SelectedItem());
    EXPECT_EQ(2u, AllValues(m_dir.File("Default.evn")).size());
    EXPECT_EQ(1u, AllValues(m_dir.File("Trip.evn")).size());

    TypeName("  ");
    m_page.SaveEventFile();
    EXPECT_EQ(3, m_page.m_cbFile.GetCount());
}

TEST_F(EventsPageTest, EntriesPastFiveHundredSurviveLongerAndShorterSaves) {
    Lines original = NumberedValues(600);
    CString strPath = WriteEvents("Many", original);
    SetLastEventFileSetting(strPath);
    Open();

    m_page.m_listDates.AddString("Dec 31\tNew");
    m_page.SaveEventFile();
    Lines values = AllValues(strPath);
    std::multiset<CString> expected(original.begin(), original.end());
    expected.insert("Dec 31;New");
    EXPECT_EQ(expected, std::multiset<CString>(values.begin(), values.end()));

    // A removal rewrites the whole section: still only the removed entry goes.
    m_page.LoadEventFile();
    ASSERT_EQ("Jan 01\tEntry 000", m_page.m_listDates.GetText(0));
    m_page.m_listDates.SetSel(-1, false);
    m_page.m_listDates.SetSel(0);
    m_page.m_btnRemoveDate.Click();
    values = AllValues(strPath);
    expected.erase(expected.find("Jan 01;Entry 000"));
    EXPECT_EQ(expected, std::multiset<CString>(values.begin(), values.end()));
    m_page.LoadEventFile();
    EXPECT_EQ("Dec 31\tNew", m_page.m_listDates.GetText(499));

    // Another file gets the shown list only.
    TypeName("Copy");
    m_page.SaveEventFile();
    EXPECT_EQ(500u, AllValues(m_dir.File("Copy.evn")).size());
}

TEST_F(EventsPageTest, ComboListsTheEventFilesAndSelectsWithoutRegardToCase) {
    WriteEvents("gamma", {});
    WriteEvents("alpha", {"Jan 01;A"});
    WriteEvents("Beta", {"Feb 02;B", "Feb 01;C"});
    WriteWholeFile(m_dir.File("notes.txt"), "x");
    WriteWholeFile(m_dir.File("other.evnx"), "x");
    WriteWholeFile(m_dir.File(".evn"), "x");
    CreateDirectoryA(m_dir.File("Folder.evn"), nullptr);
    Open();

    EXPECT_EQ((Lines{"alpha", "Beta", "gamma"}), ComboItems());
    // No last event file: nothing is selected and nothing can be done yet.
    EXPECT_EQ("<none>", SelectedItem());
    EXPECT_EQ("", m_page.m_cbFile.GetWindowText());
    ExpectButtonsEnabled(false, false, false);

    // Chosen from the drop-down list.
    m_page.m_cbFile.SetCurSel(1);
    m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EVENT_FILE, CBN_SELCHANGE),
                       (LPARAM)m_page.m_cbFile.GetSafeHwnd());
    EXPECT_EQ("Feb 01\tC\r\nFeb 02\tB\r\n", theApp.m_strAllEvents);
    EXPECT_EQ(m_dir.File("Beta.evn"), LastEventFileSetting());
    ExpectButtonsEnabled(true, true, true);

    EXPECT_FALSE(m_page.SelectEventFile(""));
    EXPECT_FALSE(m_page.SelectEventFile("delta"));
    EXPECT_EQ("Beta", SelectedItem());
    EXPECT_TRUE(m_page.SelectEventFile("ALPHA"));
    EXPECT_EQ("alpha", SelectedItem());
    EXPECT_EQ(m_dir.File("alpha.evn"), LastEventFileSetting());

    // The next start selects the last event file.
    m_page.DestroyWindow();
    Open();
    EXPECT_EQ("alpha", m_page.m_cbFile.GetWindowText());
    EXPECT_EQ((Lines{"Jan 01\tA"}), ListLines());
}

TEST_F(EventsPageTest, CommandLineFileIsListedSelectedLoadedAndDeletable) {
    WriteEvents("Home", {"Jul 04;Home"});
    CreateDirectoryA(m_dir.File("elsewhere"), nullptr);
    CString strArg = WriteEvents("Party", {"Aug 08;Cake"}, m_dir.File("elsewhere\\"));
    theApp.m_strEventFileArg = strArg;
    Open();

    // With no setting, "Default" falls back to the command-line file.
    EXPECT_EQ((Lines{"Home", "Party"}), ComboItems());
    EXPECT_EQ("Party", SelectedItem());
    EXPECT_EQ((Lines{"Aug 08\tCake"}), ListLines());
    EXPECT_EQ(strArg, LastEventFileSetting());
    EXPECT_EQ(m_dir.File("Home.evn"), m_page.ResolveEventFilePath("Home"));

    // Chosen under another case, it is still the command-line file.
    ASSERT_TRUE(m_page.SelectEventFile("Home"));
    ASSERT_TRUE(m_page.SelectEventFile("PARTY"));
    EXPECT_EQ(strArg, LastEventFileSetting());

    CScopedAnswers answers(IDYES);
    m_page.DeleteEventFile();
    EXPECT_FALSE(FileExistsOnDisk(strArg));
    EXPECT_TRUE(theApp.m_strEventFileArg.IsEmpty());
    EXPECT_EQ("", LastEventFileSetting());
    EXPECT_EQ((Lines{"Home"}), ComboItems());
    EXPECT_EQ("<none>", SelectedItem());
    EXPECT_TRUE(ListLines().empty());
}

TEST_F(EventsPageTest, DeletingAsksFirstAndForgetsTheLastEventFile) {
    CString strHome = WriteEvents("Home", {"Mar 03;Home day"});
    CString strWork = WriteEvents("Work", {"Oct 10;Review"});
    SetLastEventFileSetting(strWork);
    Open();
    {
        CScopedAnswers answers(IDNO);
        m_page.DeleteEventFile();
        ASSERT_EQ(1u, answers.Asked().size());
        EXPECT_EQ("Please confirm that you want to delete the file:\n\n     Work.evn",
                  answers.Asked()[0].strText);
        EXPECT_EQ("Almanark", answers.Asked()[0].strCaption);
        EXPECT_EQ((UINT)(MB_YESNO | MB_TOPMOST), answers.Asked()[0].nType);
    }
    EXPECT_TRUE(FileExistsOnDisk(strWork));
    EXPECT_EQ(strWork, LastEventFileSetting());
    EXPECT_EQ((Lines{"Oct 10\tReview"}), ListLines());

    // Another file than the last: the last stays selected and loaded.
    m_page.m_cbFile.SetWindowText(" home  ");
    CScopedAnswers answers(IDYES);
    m_page.DeleteEventFile();
    EXPECT_FALSE(FileExistsOnDisk(strHome));
    EXPECT_EQ("Work", SelectedItem());
    EXPECT_EQ((Lines{"Oct 10\tReview"}), ListLines());
    ExpectButtonsEnabled(true, true, true);

    m_page.DeleteEventFile();
    EXPECT_FALSE(FileExistsOnDisk(strWork));
    EXPECT_EQ("", LastEventFileSetting());
    EXPECT_TRUE(ComboItems().empty());
    EXPECT_EQ("", m_page.m_cbFile.GetWindowText());
    EXPECT_TRUE(ListLines().empty());
    EXPECT_TRUE(theApp.m_strAllEvents.IsEmpty());
    ExpectButtonsEnabled(false, false, false);

    // Without a name nothing is asked.
    m_page.DeleteEventFile();
    EXPECT_EQ(2u, answers.Messages().size());
}

TEST_F(EventsPageTest, AFileThatCannotBeDeletedStaysListed) {
    CString strPath = WriteEvents("Locked", {"Sep 09;Kept"});
    SetLastEventFileSetting(strPath);
    Open();
    HANDLE hLock = CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hLock);
    CScopedAnswers answers(IDYES);
    m_page.DeleteEventFile();
    CloseHandle(hLock);

    EXPECT_TRUE(FileExistsOnDisk(strPath));
    ASSERT_EQ(2u, answers.Messages().size());
    EXPECT_EQ("The file could not be deleted:\n\n     Locked.evn", answers.Messages()[1]);
    EXPECT_EQ("Locked", SelectedItem());
    EXPECT_EQ(strPath, LastEventFileSetting());
    EXPECT_EQ((Lines{"Sep 09\tKept"}), ListLines());
}

TEST_F(EventsPageTest, AFileThatRefusesTheWriteIsKeptAndTheUserTold) {
    struct Row {
        const char* pszName;
        bool bReadOnly;
        bool bOpenElsewhere; // by a program that shares it for reading only
    } rows[] = {{"ReadOnly", true, false}, {"InUse", false, true}};
    Open();
    for (const Row& row : rows) {
        CString strPath = WriteEvents(row.pszName, {"Jan 01;A", "Jan 02;B"});
        const CString strOld = ReadWholeFile(strPath);
        if (row.bReadOnly)
            ASSERT_TRUE(SetFileAttributesA(strPath, FILE_ATTRIBUTE_READONLY));
        HANDLE hOther = row.bOpenElsewhere
                            ? CreateFileA(strPath, GENERIC_READ, FILE_SHARE_READ, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)
                            : INVALID_HANDLE_VALUE;
        m_page.m_cbFile.AddString(row.pszName);
        Choose(row.pszName);
        CScopedAnswers answers(IDOK);
        m_page.m_btnRemoveDate.Click();
        if (hOther != INVALID_HANDLE_VALUE)
            CloseHandle(hOther);
        SetFileAttributesA(strPath, FILE_ATTRIBUTE_NORMAL);

        EXPECT_EQ(strOld, ReadWholeFile(strPath)) << row.pszName;
        EXPECT_FALSE(FileExistsOnDisk(strPath + ".tmp")) << row.pszName;
        EXPECT_EQ(
            (Lines{"The event file could not be saved:\n\n     " + CString(row.pszName) + ".evn"}),
            answers.Messages());
        EXPECT_EQ((Lines{"Jan 01\tA", "Jan 02\tB"}), ListLines()) << row.pszName;
    }
}

TEST_F(EventsPageTest, ListExtentLetsTheLongestLineBeScrolledIntoView) {
    CString strCaption(std::string(60, 'W'));
    SetLastEventFileSetting(WriteEvents("Wide", {"Jan 01;" + strCaption, "Feb 02;x"}));
    Open();

    // The list draws the caption after its tab stop of 45 dialog units.
    RECT rcTab = {0, 0, 45, 0};
    MapDialogRect(m_page.GetSafeHwnd(), &rcTab);
    HDC hdc = GetDC(m_page.m_listDates);
    HGDIOBJ hOld = SelectObject(hdc, (HGDIOBJ)m_page.m_listDates.SendMessage(WM_GETFONT));
    SIZE size = {0, 0};
    GetTextExtentPoint32A(hdc, strCaption, strCaption.GetLength(), &size);
    SelectObject(hdc, hOld);
    ReleaseDC(m_page.m_listDates, hdc);
    int nExtent = m_page.m_listDates.GetHorizontalExtent();
    EXPECT_GE(nExtent, rcTab.right + size.cx);
    EXPECT_LT(nExtent, rcTab.right + size.cx + 40);

    m_page.UpdateListExtent("Mar 03\tshort");
    EXPECT_EQ(nExtent, m_page.m_listDates.GetHorizontalExtent());
}

// A load after others leaves the list as a load into a fresh page does: its
// lines, scroll extent, selection, top line and the Remove Date button.
TEST_F(EventsPageTest, EachLoadLeavesTheListAsAFreshPageLoadsIt) {
    WriteEvents("Wide", {"Jan 01;" + CString('W', 70), "Feb 02;x", "Mar 03;y"});
    WriteEvents("Many", NumberedValues(40));
    WriteEvents("Narrow", {"Apr 04;a"});
    WriteEvents("Empty", {});
    Open();
    for (const char* pszName : {"Wide", "Many", "Narrow", "Empty", "Many", "Wide"}) {
        SCOPED_TRACE(pszName);
        // The list being replaced has every line selected and its last on top.
        m_page.m_listDates.SetSel(-1);
        m_page.m_listDates.SetTopIndex(m_page.m_listDates.GetCount() - 1);
        Choose(pszName);
        CEventsPage fresh;
        ASSERT_TRUE(fresh.Create(IDD_EVENTS_PAGE, &m_host));
        ASSERT_TRUE(fresh.SelectEventFile(pszName));
        fresh.LoadEventFile();
        const CListBox& list = m_page.m_listDates;
        const CListBox& freshList = fresh.m_listDates;
        Lines freshLines;
        for (int i = 0; i < freshList.GetCount(); ++i)
            freshLines.push_back(freshList.GetText(i));
        EXPECT_EQ(freshLines, ListLines());
        EXPECT_EQ(freshList.GetHorizontalExtent(), list.GetHorizontalExtent());
        EXPECT_EQ(freshList.GetSelItems(100), list.GetSelItems(100));
        EXPECT_EQ(freshList.GetTopIndex(), list.GetTopIndex());
        EXPECT_EQ(freshList.GetCaretIndex(), list.GetCaretIndex());
        EXPECT_EQ(fresh.m_btnRemoveDate.IsWindowEnabled(),
                  m_page.m_btnRemoveDate.IsWindowEnabled());
        fresh.DestroyWindow();
    }
}

// A sort that moves one line, or none, keeps the other lines in the list;
// it must leave the list as putting all the sorted lines into it again does:
// the same lines, extent, scroll position, selection, caret and anchor.
TEST_F(EventsPageTest, SortLeavesTheListAsARefillDoes) {
    Lines sorted;
    for (int i = 0; i < 40; ++i)
        sorted.push_back("Jun " + CString::FromInt(10 + i) + "\tEntry " + CString::FromInt(i));
    const CString strWide = "\tNo date " + CString('W', 60);
    Lines wide = sorted;
    wide.insert(wide.begin(), strWide);
    auto Moved = [](Lines lines, size_t nFrom, size_t nTo) {
        const CString strLine = lines[nFrom];
        lines.erase(lines.begin() + nFrom);
        lines.insert(lines.begin() + nTo, strLine);
        return lines;
    };
    const struct Row {
        const char* pszCase;
        Lines lines, expected;
    } rows[] = {
        {"in order", sorted, sorted},
        {"one appended", Moved(sorted, 17, 39), sorted},
        {"one moved up", Moved(sorted, 2, 25), sorted},
        {"the last moved down", Moved(sorted, 39, 0), sorted},
        {"two moved", Moved(Moved(sorted, 3, 30), 20, 0), sorted},
        {"a wide line at the end", Moved(wide, 0, 40), wide},
        {"one line", {"May 01\tOnly"}, {"May 01\tOnly"}},
        {"none", {}, {}},
    };
    Open();
    CListBox& list = m_page.m_listDates;
    struct State {
        Lines lines;
        std::vector<int> selected;
        int nTop, nCaret, nAnchor, cxExtent, nScroll;
    };
    auto Capture = [&] {
        return State{ListLines(),
                     list.GetSelItems(100),
                     list.GetTopIndex(),
                     list.GetCaretIndex(),
                     (int)list.SendMessage(LB_GETANCHORINDEX),
                     list.GetHorizontalExtent(),
                     GetScrollPos(list, SB_HORZ)};
    };
    // Lines selected from the middle down, the view scrolled down and right.
    auto Prepare = [&](const Lines& lines) {
        m_page.SetListLines({});
        list.SetHorizontalExtent(0);
        list.AddStrings(lines);
        list.SetHorizontalExtent(400);
        list.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 30));
        for (int i = (int)lines.size() / 2; i < (int)lines.size(); i += 3)
            list.SetSel(i);
        list.SetTopIndex((int)lines.size() - 1);
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pszCase);
        Prepare(row.lines);
        m_page.SortEventList();
        const State sortedState = Capture();
        Prepare(row.lines);
        m_page.SetListLines(row.expected);
        const State refilled = Capture();
        EXPECT_EQ(row.expected, sortedState.lines);
        EXPECT_EQ(refilled.selected, sortedState.selected);
        EXPECT_EQ(refilled.nTop, sortedState.nTop);
        EXPECT_EQ(refilled.nCaret, sortedState.nCaret);
        EXPECT_EQ(refilled.nAnchor, sortedState.nAnchor);
        EXPECT_EQ(refilled.cxExtent, sortedState.cxExtent);
        EXPECT_EQ(refilled.nScroll, sortedState.nScroll);
    }
}

// The list shrinks to whole lines when its horizontal scroll bar comes or
// goes; going back and forth between narrow and wide lists must not take a
// line off it each time.
TEST_F(EventsPageTest, ListKeepsItsHeightWhateverItsScrollBarsDo) {
    WriteEvents("Wide", {"Jan 01;" + CString('W', 70), "Feb 02;x"});
    WriteEvents("Many", NumberedValues(40));
    WriteEvents("Narrow", {"Apr 04;a"});
    Open();
    auto Height = [&] {
        CRect rc;
        GetWindowRect(m_page.m_listDates, &rc);
        return rc.Height();
    };
    std::map<CString, int> heights;
    for (int nRound = 0; nRound < 3; ++nRound)
        for (const char* pszName : {"Wide", "Narrow", "Many"}) {
            Choose(pszName);
            if (nRound == 0)
                heights[pszName] = Height();
            EXPECT_EQ(heights[pszName], Height()) << pszName << ", round " << nRound;
        }
    // Removing a line and saving sets the extent anew.
    Choose("Wide");
    m_page.m_listDates.SetSel(-1, false);
    m_page.m_listDates.SetSel(1);
    m_page.SendMessage(WM_COMMAND, IDC_REMOVE_DATE);
    EXPECT_EQ(heights["Wide"], Height());
}

TEST_F(EventsPageTest, FileButtonFollowsTheTypedNameAndCarriesItOut) {
    SetLastEventFileSetting(WriteEvents("Home", {"Mar 03;Home day"}));
    WriteEvents("Work", {});
    Open();
    struct Step {
        const char* pszTyped; // nullptr: the file button is pressed
        const char* pszButton;
        bool bFile, bInsert, bRemove;
        int nLines;
    } steps[] = {
        {"WORK", "Load", true, false, false, 1},  {"Trip", "Save", true, true, false, 1},
        {"Trip  ", "Save", true, true, false, 1}, {"", "Delete", false, false, false, 0},
        {"home", "Load", true, false, false, 0},  {nullptr, "Delete", true, true, true, 1},
        {"Trip", "Save", true, true, false, 1},   {nullptr, "Delete", true, true, true, 1},
    };
    for (const Step& step : steps) {
        if (step.pszTyped)
            TypeNameAsUser(step.pszTyped);
        else
            m_page.m_btnFile.Click();
        CString strStep = step.pszTyped ? CString(step.pszTyped) : CString("<pressed>");
        EXPECT_EQ(step.pszButton, m_page.m_btnFile.GetWindowText()) << strStep;
        EXPECT_EQ(step.nLines, m_page.m_listDates.GetCount()) << strStep;
        ExpectButtonsEnabled(step.bFile, step.bInsert, step.bRemove);
        if (step.pszTyped && !*step.pszTyped)
            EXPECT_EQ("", LastEventFileSetting());
    }
    // Save wrote the shown entries into the new file and chose it.
    EXPECT_EQ((Lines{"Mar 03;Home day"}), AllValues(m_dir.File("Trip.evn")));
    EXPECT_EQ("Trip", SelectedItem());
    EXPECT_EQ(m_dir.File("Trip.evn"), LastEventFileSetting());
    CScopedAnswers answers(IDNO);
    m_page.m_btnFile.Click();
    EXPECT_EQ(1u, answers.Messages().size());
}

TEST_F(EventsPageTest, TypedNameLosesWhatFileNamesCannotHold) {
    Open();
    CString strLong(std::string(60, 'n'));
    struct Row {
        CString strTyped, strKept;
        int nCaret;
    } rows[] = {
        {"Tr:ip", "Trip", 2},
        {"  Trip", "Trip", 0},
        {"\\/:*?\"<>|\x7f", "", 0},
        {"a\\b/c:d*e?f\"g<h>i|j" + strLong.Left(44) + "\x7fz",
         "abcdefghij" + strLong.Left(44) + "z", 54},
    };
    for (const Row& row : rows) {
        TypeNameAsUser(row.strTyped);
        EXPECT_EQ(row.strKept, m_page.m_cbFile.GetWindowText());
        int nStart = -1, nEnd = -1;
        m_page.m_cbFile.GetEditSel(nStart, nEnd);
        EXPECT_EQ(row.nCaret, nStart) << row.strKept.c_str();
        EXPECT_EQ(!row.strKept.IsEmpty(), m_page.m_btnInsertDate.IsWindowEnabled());
    }
    // What reaches the disk is the cleaned name.
    m_page.m_listDates.AddString("Jan 01\tA");
    m_page.SaveEventFile();
    WIN32_FIND_DATAA fd;
    HANDLE hFind = FindFirstFileA(m_dir.File("*.evn"), &fd);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFind);
    EXPECT_EQ(rows[3].strKept + ".evn", CString(fd.cFileName));
    EXPECT_FALSE(FindNextFileA(hFind, &fd));
    FindClose(hFind);
}

TEST_F(EventsPageTest, RemovingSelectsTheLineAboveAndRewritesTheFile) {
    const Lines file = {"Jan 01;A", "Jan 02;B", "Jan 03;C", "Jan 04;D", "Jan 05;E", "Jan 06;F"};
    struct Row {
        std::vector<int> removed;
        Lines kept;
        int nSelected; // -1: the list is empty
    } rows[] = {
        {{2, 3, 4}, {"Jan 01;A", "Jan 02;B", "Jan 06;F"}, 1},
        {{0}, {"Jan 02;B", "Jan 03;C", "Jan 04;D", "Jan 05;E", "Jan 06;F"}, 0},
        {{0, 1, 2, 3, 4, 5}, {}, -1},
    };
    Open();
    for (const Row& row : rows) {
        CString strPath = WriteEvents("Six", file);
        m_page.m_cbFile.AddString("Six");
        Choose("Six");
        m_page.m_listDates.SetSel(-1, false);
        for (int nLine : row.removed)
            m_page.m_listDates.SetSel(nLine);
        m_page.m_btnRemoveDate.Click();
        EXPECT_EQ(row.kept, AllValues(strPath));
        EXPECT_EQ(row.kept.size(), (size_t)m_page.m_listDates.GetCount());
        EXPECT_EQ(row.nSelected >= 0 ? 1 : 0, m_page.m_listDates.GetSelCount());
        if (row.nSelected >= 0)
            EXPECT_TRUE(m_page.m_listDates.GetSel(row.nSelected));
        else
            ExpectButtonsEnabled(true, true, false);
        CString strText;
        for (int i = 0; i < m_page.m_listDates.GetCount(); ++i)
            strText += m_page.m_listDates.GetText(i) + "\r\n";
        EXPECT_EQ(strText, theApp.m_strAllEvents);
    }
}

TEST_F(EventsPageTest, HandEditedFilesLoadSafelyAndLoseNothingOnSave) {
    CString strLong(std::string(300, 'x'));
    struct Row {
        const char* pszCase;
        CString strFile;
        Lines lines;       // as loaded
        Lines afterInsert; // the file after one entry is inserted and saved
    } rows[] = {
        {"keys out of order, a value without a separator",
         "[Events]\r\n2=Mar 03;C\r\n0=Jan 01;A\r\n1=just text\r\n",
         {"\tjust text", "Jan 01\tA", "Mar 03\tC"},
         {"just text", "Jan 01;A", "Feb 14;New", "Mar 03;C"}},
        {"a long value",
         "[Events]\r\n0=Jan 01;" + strLong + "\r\n",
         {"Jan 01\t" + strLong.Left(252)},
         {"Jan 01;" + strLong, "Feb 14;New"}},
        {"binary junk",
         CString("[Events]\r\n0=Jan 01;A\r\n\x01\x02\xff junk\r\n1=Feb 02;B\r\n"),
         {"Jan 01\tA", "Feb 02\tB"},
         {"Jan 01;A", "Feb 02;B", "Feb 14;New"}},
        {"CR line ends",
         "[Events]\r0=Jan 01;A\r1=Feb 02;B\r",
         {"Jan 01\tA", "Feb 02\tB"},
         {"Jan 01;A", "Feb 02;B", "Feb 14;New"}},
    };
    Open();
    for (const Row& row : rows) {
        CString strPath = m_dir.File("Edited.evn");
        WriteWholeFile(strPath, row.strFile);
        m_page.m_cbFile.AddString("Edited");
        Choose("Edited");
        EXPECT_EQ(row.lines, ListLines()) << row.pszCase;
        m_page.m_listDates.AddString("Feb 14\tNew");
        m_page.SortEventList();
        m_page.SaveEventFile();
        EXPECT_EQ(row.afterInsert, AllValues(strPath)) << row.pszCase;
    }
}

// Lines the list does not show (a caption far longer than it reads, entries
// past the first 500) go back byte for byte when another line is removed.
TEST_F(EventsPageTest, UnshownContentSurvivesARewriteWhole) {
    const CString strHuge = "Mar 03;" + CString('c', 5 << 20);
    Lines values = NumberedValues(501);
    values[7] = strHuge;
    const CString strPath = WriteEvents("Huge", values);
    SetLastEventFileSetting(strPath);
    Open();
    m_page.m_listDates.SetSel(-1, false);
    m_page.m_listDates.SetSel(0);
    m_page.m_btnRemoveDate.Click();

    const CEventSection section = CEventsPage::ReadEventSection(strPath);
    const Lines kept = section.WholeValues("END");
    ASSERT_EQ(500u, kept.size());
    EXPECT_EQ(1, std::count(kept.begin(), kept.end(), strHuge));
    EXPECT_EQ(values.back(), kept.back());
}

// Two copies of the program on one event file, each with its own list:
// every entry either inserted stays, and a removal is not undone.
TEST_F(EventsPageTest, TwoCopiesOnOneFileKeepEachOthersEntries) {
    const CString strPath = WriteEvents("Shared", {"Jan 01;Start", "Feb 02;Old"});
    SetLastEventFileSetting(strPath);
    Open();
    CEventsPage other;
    ASSERT_TRUE(other.Create(IDD_EVENTS_PAGE, &m_host));
    auto Insert = [](CEventsPage& page, const char* pszLine) {
        page.m_listDates.AddString(pszLine);
        page.SortEventList();
        page.SaveEventFile();
        page.LoadEventFile();
    };
    Insert(m_page, "Mar 01\tA one");
    Insert(other, "Mar 02\tB one");
    Insert(m_page, "Mar 03\tA two");
    Insert(other, "Mar 04\tB two");
    m_page.m_listDates.SetSel(-1, false);
    m_page.m_listDates.SetSel(m_page.m_listDates.FindStringExact(-1, "Feb 02\tOld"));
    m_page.m_btnRemoveDate.Click();
    // The removal shows what the other copy wrote meanwhile.
    EXPECT_EQ((Lines{"Jan 01\tStart", "Mar 01\tA one", "Mar 02\tB one", "Mar 03\tA two",
                     "Mar 04\tB two"}),
              ListLines());
    Insert(other, "Mar 05\tB three");

    EXPECT_EQ((Lines{"Jan 01;Start", "Mar 01;A one", "Mar 02;B one", "Mar 03;A two", "Mar 04;B two",
                     "Mar 05;B three"}),
              AllValues(strPath));
    // The same removal made in both copies is made once, without a word.
    other.m_listDates.SetSel(-1, false);
    other.m_listDates.SetSel(0);
    m_page.m_listDates.SetSel(-1, false);
    m_page.m_listDates.SetSel(0);
    other.m_btnRemoveDate.Click();
    m_page.m_btnRemoveDate.Click();
    EXPECT_EQ(5u, AllValues(strPath).size());
    other.DestroyWindow();
    // A file deleted elsewhere is not made again by removing every entry.
    ASSERT_TRUE(DeleteFileA(strPath));
    m_page.m_listDates.SetSel(-1);
    m_page.m_btnRemoveDate.Click();
    EXPECT_FALSE(FileExistsOnDisk(strPath));
}

// An entry listed twice elsewhere while this copy removed it was changed
// both ways: the user is told, and nothing is lost for it.
TEST_F(EventsPageTest, AnEntryChangedBothWaysIsReported) {
    const CString strPath = WriteEvents("Twice", {"Jan 01;A", "Feb 02;B"});
    SetLastEventFileSetting(strPath);
    Open();
    WriteEvents("Twice", {"Jan 01;A", "Feb 02;B", "Jan 01;A"});
    CScopedAnswers answers(IDOK);
    m_page.m_listDates.SetSel(-1, false);
    m_page.m_listDates.SetSel(0);
    m_page.m_btnRemoveDate.Click();
    ASSERT_EQ(1u, answers.Messages().size());
    EXPECT_NE(-1, answers.Messages()[0].Find("Twice.evn"));
    EXPECT_NE(-1, answers.Messages()[0].Find("\n     Jan 01;A"));
    // This copy's entries first, then those only the file held.
    EXPECT_EQ((Lines{"Feb 02;B", "Jan 01;A"}), AllValues(strPath));
}

// A list of as many entries as a file shows takes no more: the entry would
// be saved but never appear.
TEST_F(EventsPageTest, AFullListRefusesAnEntryAndSaysSo) {
    const CString strPath = WriteEvents("Full", NumberedValues(500));
    SetLastEventFileSetting(strPath);
    Open();
    const CString strBefore = ReadWholeFile(strPath);
    CScopedAnswers answers(IDOK);
    theApp.m_strPendingDate = "Dec 24";
    m_page.m_dlgInsertDate.m_strCaption = "Eve";
    // One Apply of two holidays is told once.
    m_page.SendMessage(WM_INSERT_PENDING);
    m_page.SendMessage(WM_INSERT_PENDING);
    m_page.m_btnInsertDate.Click();
    ASSERT_EQ(1u, answers.Messages().size());
    EXPECT_EQ(0, answers.Messages()[0].Find("The event list is full"));
    PumpMessages();
    m_page.m_btnInsertDate.Click(); // the dialog is not opened
    EXPECT_EQ(2u, answers.Messages().size());
    EXPECT_EQ(500, m_page.m_listDates.GetCount());
    EXPECT_EQ(strBefore, ReadWholeFile(strPath));
}

// A new name typed while a file's entries are shown, then another file chosen
// from the list: the user is asked about the new name's file, and the file
// chosen is neither asked about nor rewritten.
TEST_F(EventsPageTest, ChoosingAnotherFileOffersTheTypedNameNotTheChosenFile) {
    SetLastEventFileSetting(WriteEvents("Home", {"Mar 03;Home day"}));
    const CString strSort = WriteEvents("Sort", {"Dec 25;Xmas", "Just a caption", "Jan 5;Lunch"});
    const CString strSortBytes = ReadWholeFile(strSort);
    Open();
    for (int nAnswer : {IDNO, IDYES}) {
        Choose("Home");
        TypeNameAsUser("Trip");
        ASSERT_EQ("Save", m_page.m_btnFile.GetWindowText());
        CScopedAnswers answers(nAnswer);
        if (nAnswer == IDNO) {
            m_page.m_cbFile.SetCurSel(m_page.m_cbFile.FindStringExact(-1, "Sort"));
            m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EVENT_FILE, CBN_SELCHANGE),
                               (LPARAM)m_page.m_cbFile.GetSafeHwnd());
        } else {
            Choose("Sort"); // as a calendar that names the file selects it
        }
        EXPECT_EQ((Lines{"Save Event file: Trip.evn"}), answers.Messages());
        EXPECT_EQ(nAnswer == IDYES, FileExistsOnDisk(m_dir.File("Trip.evn")));
        EXPECT_EQ("Sort", SelectedItem());
        EXPECT_EQ(3u, ListLines().size());
        EXPECT_EQ("Delete", m_page.m_btnFile.GetWindowText());
        EXPECT_EQ("", m_page.PendingSaveName());
        // Inserting nothing new leaves the file as it was, byte for byte.
        m_page.SaveEventFile();
        EXPECT_EQ(strSortBytes, ReadWholeFile(strSort));
    }
    EXPECT_EQ((Lines{"Mar 03;Home day"}), AllValues(m_dir.File("Trip.evn")));
    // A change keeps the lines not changed as they were written.
    m_page.m_listDates.AddString("Feb 14\tNew");
    m_page.SortEventList();
    m_page.SaveEventFile();
    EXPECT_EQ((Lines{"Just a caption", "Jan 5;Lunch", "Feb 14;New", "Dec 25;Xmas"}),
              AllValues(strSort));
}

// Delete acts only on a click the user made on the button while it read
// "Delete": not on the second click of a double click on "Load", nor on a
// click made before Load turned it into "Delete".
TEST_F(EventsPageTest, OnlyAClickAimedAtDeleteDeletes) {
    const CString strPath = WriteEvents("Holidays", {"Jan 01;New Year"});
    Open();
    HWND hButton = m_page.m_btnFile.GetSafeHwnd();
    const LPARAM lInside = MAKELPARAM(5, 5);
    auto PostClick = [&](UINT nDown) {
        PostMessageA(hButton, nDown, MK_LBUTTON, lInside);
        PostMessageA(hButton, WM_LBUTTONUP, 0, lInside);
    };
    struct Row {
        const char* pszCase;
        bool bDoubleClick; // else a second click queued with the first
        bool bAsked;
    } rows[] = {{"double click on Load", true, false}, {"click queued behind Load", false, false}};
    for (const Row& row : rows) {
        TypeNameAsUser("HOLIDAYS");
        ASSERT_EQ("Load", m_page.m_btnFile.GetWindowText());
        CScopedAnswers answers(IDNO);
        PostClick(WM_LBUTTONDOWN);
        PostClick(row.bDoubleClick ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN);
        Sleep(20);
        PumpMessages();
        EXPECT_EQ("Delete", m_page.m_btnFile.GetWindowText()) << row.pszCase;
        EXPECT_EQ(1u, ListLines().size()) << row.pszCase;
        EXPECT_TRUE(answers.Messages().empty()) << row.pszCase;
    }
    // A click made once it reads "Delete" asks; Enter on the page does not.
    CScopedAnswers answers(IDNO);
    m_page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FILE_BUTTON, BN_CLICKED), (LPARAM)hButton);
    EXPECT_TRUE(answers.Messages().empty());
    Sleep(20);
    PostClick(WM_LBUTTONDOWN);
    PumpMessages();
    ASSERT_EQ(1u, answers.Messages().size());
    EXPECT_EQ(0, answers.Messages()[0].Find("Please confirm"));
    EXPECT_TRUE(FileExistsOnDisk(strPath));
}

} // namespace
