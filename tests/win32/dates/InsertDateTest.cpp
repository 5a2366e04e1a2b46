// The Insert Date dialog and its three pages, run from the Events page of
// the real program: each dialog run is scripted through the modal seam, and
// the tests check the heading, the caption, pane 1, the event file, the list
// and the captions of the next paint.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "common/AppFixture.h"
#include "dates/DateCalc.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {

using Lines = std::vector<CString>;

void Notify(CWnd& parent, CWnd& ctrl, int nCode) {
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(ctrl.GetDlgCtrlID(), nCode), (LPARAM)ctrl.m_hWnd);
    PumpMessages();
}

void SelectLine(CWnd& page, CListBox& list, int nIndex) {
    list.SetCurSel(nIndex);
    Notify(page, list, LBN_SELCHANGE);
}

void SelectHolidays(CHolidaysPage& page, const std::vector<int>& indexes) {
    page.m_listHolidays.SetSel(-1, false);
    for (int nIndex : indexes)
        page.m_listHolidays.SetSel(nIndex);
    Notify(page, page.m_listHolidays, LBN_SELCHANGE);
}

// A click on the tab, as the user does it: the control sends the changing
// and changed notifications.
void ChooseTab(CInsertDateDlg& dlg, int nTab) {
    CRect rc = dlg.m_tabs.GetItemRect(nTab);
    LPARAM lPoint = MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
    dlg.m_tabs.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, lPoint);
    dlg.m_tabs.SendMessage(WM_LBUTTONUP, 0, lPoint);
    PumpMessages();
}

void ClickRadio(CCalculatedDatePage& page, int nID) {
    ::SendMessageA(page.GetDlgItem(nID), BM_CLICK, 0, 0);
    PumpMessages();
}

void TypeCaption(CInsertDateDlg& dlg, const char* pszCaption) {
    dlg.m_editCaption.SetWindowText(pszCaption);
    PumpMessages();
}

CString Heading(const CInsertDateDlg& dlg) {
    return dlg.GetDlgItemText(IDC_HEADING);
}

CString DateText(const CalDate& date, bool bAnnual) {
    CString str;
    str.Format("%s %02d", g_apszMonthAbbrev[date.m_nMonth - 1], date.m_nDay);
    if (!bAnnual)
        str += ", " + CString::FromInt(date.m_nYear);
    return str;
}

class InsertDateTest : public CStartedAppFixture {
protected:
    CEventsPage& Page() { return theApp.m_pFrame->m_wndEventsPage; }
    CString Pane1() { return theApp.m_pFrame->GetStatusText(1); }

    void TypeName(const char* pszName) {
        Page().m_cbFile.SetWindowText(pszName);
        Notify(Page(), Page().m_cbFile, CBN_EDITCHANGE);
    }
    // Writes an event file and chooses it from the drop-down list.
    void ChooseFile(const char* pszName, const char* pszText) {
        WriteWholeFile(m_dir.File(pszName) + ".evn", pszText);
        Page().FillEventFileCombo();
        Page().m_cbFile.SetCurSel(Page().m_cbFile.FindStringExact(-1, pszName));
        Notify(Page(), Page().m_cbFile, CBN_SELCHANGE);
    }
    // Presses Insert Date; fnScript acts on the open dialog and returns the
    // result the dialog ends with.
    void RunDialog(const std::function<int(CInsertDateDlg&)>& fnScript) {
        bool bRan = false;
        m_answers.OnDialog([&](CModalRequest& request) {
            bRan = request.kind == CModalRequest::dialog;
            return bRan ? fnScript(*static_cast<CInsertDateDlg*>(request.pStruct)) : 0;
        });
        Page().m_btnInsertDate.Click();
        m_answers.OnDialog(nullptr);
        EXPECT_TRUE(bRan) << "the dialog did not open";
    }
    Lines ListLines() {
        Lines lines;
        for (int i = 0; i < Page().m_listDates.GetCount(); ++i)
            lines.push_back(Page().m_listDates.GetText(i));
        return lines;
    }
    // The caption texts that the next paint of the month gives each day.
    CString PaintedCaptions(int nYear, int nMonth, int nDay) {
        theApp.m_pDoc->m_nYear = nYear;
        theApp.m_pDoc->m_nMonth = nMonth;
        ++theApp.m_pView->m_nEvalEvents;
        theApp.InvalidateView();
        theApp.m_pView->UpdateWindow();
        int nSlot = WeekdayOf(nYear, nMonth, 1) + nDay - 1;
        return theApp.m_strEventText[nSlot % 7][nSlot / 7];
    }
};

TEST_F(InsertDateTest, SpecificDateFitsTheDayListToMonthYearAndAnnual) {
    struct Row {
        int nYear;
        bool bAnnual;
        int nMonthTo; // the day list's month after 31 January was chosen
        int nLines;
        const char* pszHeading;
        const char* pszDate;
    } rows[] = {
        {1999, false, 2, 28, "February 28, 1999", "Feb 28, 1999"},
        {2000, false, 2, 29, "February 29, 2000", "Feb 29, 2000"},
        {1999, true, 2, 29, "February 29", "Feb 29"},
        {2001, false, 4, 30, "April 30, 2001", "Apr 30, 2001"},
        {2001, true, 12, 31, "December 31", "Dec 31"},
    };
    RunDialog([&](CInsertDateDlg& dlg) {
        CSpecificDatePage& page = dlg.m_pageSpecific;
        CalDate today = GetToday();
        EXPECT_EQ(DateText(today, false), theApp.m_strPendingDate);
        EXPECT_EQ(today.m_nYear - FIRST_YEAR, page.m_listYear.GetCurSel());
        EXPECT_EQ(today.m_nYear - FIRST_YEAR - 2, page.m_listYear.GetTopIndex());
        EXPECT_FALSE(dlg.m_btnOK.IsWindowEnabled());
        EXPECT_FALSE(dlg.m_btnApply.IsWindowEnabled());
        for (const Row& row : rows) {
            if (page.IsAnnual() != row.bAnnual)
                page.m_chkAnnual.Click();
            if (!row.bAnnual)
                SelectLine(page, page.m_listYear, row.nYear - FIRST_YEAR);
            SelectLine(page, page.m_listMonth, 0);
            SelectLine(page, page.m_listDay, 30);
            SelectLine(page, page.m_listMonth, row.nMonthTo - 1);
            EXPECT_EQ(row.nLines, page.m_listDay.GetCount()) << row.pszHeading;
            EXPECT_EQ(row.nLines - 1, page.m_listDay.GetCurSel()) << row.pszHeading;
            EXPECT_EQ(row.pszHeading, Heading(dlg));
            EXPECT_EQ(row.pszDate, theApp.m_strPendingDate);
            EXPECT_EQ(!row.bAnnual, page.m_listYear.IsWindowEnabled());
        }
        // 29 February chosen as an annual date becomes the 28th of a common year.
        SelectLine(page, page.m_listMonth, 1);
        SelectLine(page, page.m_listDay, 28);
        page.m_chkAnnual.Click();
        PumpMessages();
        EXPECT_EQ("February 28, 2001", Heading(dlg));
        EXPECT_EQ(28, page.m_listDay.GetCount());

        page.m_btnToday.Click();
        PumpMessages();
        EXPECT_EQ(DateText(today, false), theApp.m_strPendingDate);
        EXPECT_EQ(today.m_nDay - 1, page.m_listDay.GetCurSel());
        return IDCANCEL;
    });
}

TEST_F(InsertDateTest, CalculatedAndHolidayPagesComposeDateHeadingAndCaption) {
    RunDialog([&](CInsertDateDlg& dlg) {
        auto expect = [&](const char* pszDate, const char* pszHeading, const char* pszCaption) {
            PumpMessages();
            EXPECT_EQ(pszDate, theApp.m_strPendingDate);
            EXPECT_EQ(pszHeading, Heading(dlg));
            EXPECT_EQ(pszCaption, dlg.m_editCaption.GetWindowText());
        };
        ChooseTab(dlg, 1);
        expect("Jan-Mon #1", "1st Monday in January", "");
        ClickRadio(dlg.m_pageCalculated, IDC_ORD_LAST);
        ClickRadio(dlg.m_pageCalculated, IDC_WD_SUNDAY);
        ClickRadio(dlg.m_pageCalculated, IDC_CM_OCTOBER);
        expect("Oct-Sun #L", "Last Sunday in October", "");

        ChooseTab(dlg, 2);
        SelectHolidays(dlg.m_pageHolidays, {7});
        expect("EASTER", "Easter (EASTER)", "Easter");
        SelectHolidays(dlg.m_pageHolidays, {19});
        expect("Dec 25", "Christmas Day (Dec 25)", "Christmas Day");
        EXPECT_TRUE(dlg.m_btnApply.IsWindowEnabled());
        SelectHolidays(dlg.m_pageHolidays, {0, 13, 19});
        expect("", "multiple selection", "multiple selection");

        // Back on the calculated page: its own date, and no holiday caption.
        ChooseTab(dlg, 1);
        expect("Oct-Sun #L", "Last Sunday in October", "");
        return IDCANCEL;
    });
}

TEST_F(InsertDateTest, ApplyThenCancelKeepsEveryEntryInTheFileTheListAndTheCalendar) {
    TypeName("Family");
    RunDialog([&](CInsertDateDlg& dlg) {
        ChooseTab(dlg, 2);
        SelectHolidays(dlg.m_pageHolidays, {19, 0, 13});
        dlg.m_btnApply.Click();
        EXPECT_EQ(0, dlg.m_pageHolidays.m_listHolidays.GetSelCount());
        EXPECT_EQ("", Heading(dlg));

        // A tab round trip keeps the one-year date of the specific page.
        ChooseTab(dlg, 0);
        SelectLine(dlg.m_pageSpecific, dlg.m_pageSpecific.m_listYear, 1999 - FIRST_YEAR);
        SelectLine(dlg.m_pageSpecific, dlg.m_pageSpecific.m_listMonth, 9);
        SelectLine(dlg.m_pageSpecific, dlg.m_pageSpecific.m_listDay, 4);
        ChooseTab(dlg, 1);
        ChooseTab(dlg, 0);
        TypeCaption(dlg, "Party");
        dlg.m_btnApply.Click();
        EXPECT_FALSE(dlg.m_btnApply.IsWindowEnabled());
        EXPECT_EQ(4, Page().m_nAppliedCount);
        return IDCANCEL;
    });

    Lines expected = {"Jan 01\tNew Year's Day", "Jul 04\tIndependence Day", "Oct 05, 1999\tParty",
                      "Dec 25\tChristmas Day"};
    EXPECT_EQ(expected, ListLines());
    EXPECT_EQ("[Events]\r\n0=Jan 01;New Year's Day\r\n1=Jul 04;Independence Day\r\n"
              "2=Oct 05, 1999;Party\r\n3=Dec 25;Christmas Day\r\n",
              ReadWholeFile(m_dir.File("Family.evn")));
    EXPECT_EQ(m_dir.File("Family.evn"), IniValue("Almanark", "Last Event File"));
    EXPECT_EQ("Family", Page().m_cbFile.GetLBText(Page().m_cbFile.GetCurSel()));
    EXPECT_EQ("Delete", Page().m_btnFile.GetWindowText());
    EXPECT_TRUE(Page().m_btnRemoveDate.IsWindowEnabled());
    EXPECT_EQ(0, Page().m_nAppliedCount);
    EXPECT_EQ("\r\nChristmas Day\r\n", PaintedCaptions(1999, 12, 25));
    EXPECT_EQ("\r\nParty\r\n", PaintedCaptions(1999, 10, 5));
    EXPECT_EQ("", PaintedCaptions(2000, 10, 5));
}

// The sets beside the program: United States (the built-in table) first,
// then the countries; choosing one lists its file, and every selected line
// of it is inserted, however many.
TEST_F(InsertDateTest, HolidaySetsListTheirFilesAndInsertEverySelectedLine) {
    TypeName("Feiertage");
    int nGermanLines = 0;
    RunDialog([&](CInsertDateDlg& dlg) {
        ChooseTab(dlg, 2);
        CHolidaysPage& page = dlg.m_pageHolidays;
        EXPECT_EQ("United States", page.m_cbSet.GetLBText(0));
        EXPECT_EQ(0, page.m_cbSet.GetCurSel());
        EXPECT_EQ(28, page.m_cbSet.GetCount());
        page.m_cbSet.SetCurSel(page.m_cbSet.FindStringExact(-1, "Germany"));
        Notify(page, page.m_cbSet, CBN_SELCHANGE);
        nGermanLines = page.m_listHolidays.GetCount();
        EXPECT_GT(nGermanLines, 100);
        EXPECT_GE(page.m_listHolidays.FindStringExact(-1, "EASTER+39\tChristi Himmelfahrt"), 0);
        SelectHolidays(page, {page.m_listHolidays.FindStringExact(-1, "Dec 26\t2. Weihnachtstag")});
        EXPECT_EQ("2. Weihnachtstag (Dec 26)", Heading(dlg));
        page.m_listHolidays.SetSel(-1, true);
        dlg.m_btnApply.Click();

        page.m_cbSet.SetCurSel(0);
        Notify(page, page.m_cbSet, CBN_SELCHANGE);
        EXPECT_EQ("Jan 01\tNew Year's Day", page.m_listHolidays.GetText(0));
        EXPECT_EQ(20, page.m_listHolidays.GetCount());
        page.m_cbSet.SetCurSel(page.m_cbSet.FindStringExact(-1, "Norway"));
        Notify(page, page.m_cbSet, CBN_SELCHANGE);
        return IDCANCEL;
    });
    EXPECT_EQ(nGermanLines, (int)ListLines().size());
    // The next opening shows the set chosen last.
    RunDialog([&](CInsertDateDlg& dlg) {
        ChooseTab(dlg, 2);
        CHolidaysPage& page = dlg.m_pageHolidays;
        EXPECT_EQ("Norway", page.m_cbSet.GetLBText(page.m_cbSet.GetCurSel()));
        EXPECT_GE(page.m_listHolidays.FindStringExact(-1, "May 17\tGrunnlovsdagen"), 0);
        return IDCANCEL;
    });
    EXPECT_EQ("\r\n2. Weihnachtstag\r\n", PaintedCaptions(2030, 12, 26));
    EXPECT_EQ("\r\nVolkstrauertag\r\n", PaintedCaptions(2024, 11, 17));
}

// Almanark.ini keeps the set chosen last, even in a cancelled dialog, and
// the next start offers it first; a set no longer shipped, the built-in one.
TEST_F(InsertDateTest, HolidaySetChosenLastIsOfferedFirstNextTime) {
    struct Row {
        const char* pszStored; // "Holiday Set" as an earlier run left it
        const char* pszOffered;
        const char* pszFirstLine;
    } rows[] = {
        {nullptr, "United States", "Jan 01\tNew Year's Day"},
        {"Germany", "Germany", "Jan 01\tNeujahr"},
        {"Atlantis", "United States", "Jan 01\tNew Year's Day"},
    };
    TypeName("Feiertage");
    for (const Row& row : rows) {
        SetIniValue("Almanark", "Holiday Set", row.pszStored);
        RunDialog([&](CInsertDateDlg& dlg) {
            ChooseTab(dlg, 2);
            CHolidaysPage& page = dlg.m_pageHolidays;
            EXPECT_EQ(row.pszOffered, page.m_cbSet.GetLBText(page.m_cbSet.GetCurSel()));
            EXPECT_EQ(row.pszFirstLine, page.m_listHolidays.GetText(0));
            return IDCANCEL;
        });
    }
    RunDialog([&](CInsertDateDlg& dlg) {
        ChooseTab(dlg, 2);
        CHolidaysPage& page = dlg.m_pageHolidays;
        page.m_cbSet.SetCurSel(page.m_cbSet.FindStringExact(-1, "Norway"));
        Notify(page, page.m_cbSet, CBN_SELCHANGE);
        return IDCANCEL;
    });
    EXPECT_EQ("Norway", IniValue("Almanark", "Holiday Set"));
}

TEST_F(InsertDateTest, CalculatedDateFromOkReachesTheFileAndTheLastSundayOfOctober) {
    ChooseFile("Clocks", "[Events]\r\n0=Dec 25;Christmas Day\r\n");
    RunDialog([&](CInsertDateDlg& dlg) {
        ChooseTab(dlg, 1);
        ClickRadio(dlg.m_pageCalculated, IDC_ORD_LAST);
        ClickRadio(dlg.m_pageCalculated, IDC_WD_SUNDAY);
        ClickRadio(dlg.m_pageCalculated, IDC_CM_OCTOBER);
        TypeCaption(dlg, "Clocks back");
        dlg.m_btnOK.Click();
        return IDOK;
    });
    EXPECT_EQ((Lines{"Oct-Sun #L\tClocks back", "Dec 25\tChristmas Day"}), ListLines());
    EXPECT_EQ("\r\nClocks back\r\n", PaintedCaptions(2026, 10, 25));
    EXPECT_EQ("", PaintedCaptions(2026, 10, 18));
}

TEST_F(InsertDateTest, DaysFromEasterAndYearsSinceReachTheFileAndTheCalendar) {
    TypeName("World");
    RunDialog([&](CInsertDateDlg& dlg) {
        auto expect = [&](const char* pszDate, const char* pszHeading) {
            PumpMessages();
            EXPECT_EQ(pszDate, theApp.m_strPendingDate);
            EXPECT_EQ(pszHeading, Heading(dlg));
        };
        CCalculatedDatePage& calculated = dlg.m_pageCalculated;
        ChooseTab(dlg, 1);
        EXPECT_FALSE(calculated.m_editEasterDays.IsWindowEnabled());
        ClickRadio(calculated, IDC_EASTER);
        expect("EASTER+1", "1 day after Easter");
        EXPECT_TRUE(calculated.m_editEasterDays.IsWindowEnabled());
        struct {
            int nButton;
            const char* pszDays;
            const char* pszDate;
            const char* pszHeading;
        } steps[] = {
            {IDC_EASTER, "-2", "EASTER-2", "2 days before Easter"},
            {IDC_EASTER, "0", "EASTER", "Easter"},
            {IDC_EASTER, "-150", "EASTER-99", "99 days before Easter"},
            {IDC_ORTHODOX_EASTER, "39", "OEASTER+39", "39 days after Orthodox Easter"},
            {IDC_ORTHODOX_EASTER, "0", "OEASTER", "Orthodox Easter"},
            {IDC_ORTHODOX_EASTER, "-1", "OEASTER-1", "1 day before Orthodox Easter"},
            // A weekday's radio button brings the weekday back, with its click.
            {IDC_CM_MARCH, nullptr, "Mar-Mon #1", "1st Monday in March"},
            {IDC_EASTER, "39", "EASTER+39", "39 days after Easter"},
        };
        for (const auto& step : steps) {
            ClickRadio(calculated, step.nButton);
            if (step.pszDays)
                calculated.m_editEasterDays.SetWindowText(step.pszDays);
            expect(step.pszDate, step.pszHeading);
        }
        TypeCaption(dlg, "Ascension");
        dlg.m_btnApply.Click();

        CSpecificDatePage& specific = dlg.m_pageSpecific;
        ChooseTab(dlg, 0);
        EXPECT_FALSE(specific.m_chkYearsSince.IsWindowEnabled());
        specific.m_chkAnnual.Click();
        SelectLine(specific, specific.m_listMonth, 2);
        SelectLine(specific, specific.m_listDay, 13);
        expect("Mar 14", "March 14");
        specific.m_chkYearsSince.Click();
        specific.m_editSinceYear.SetWindowText("18");
        CString strYear = CString::FromInt(GetToday().m_nYear);
        expect(("Mar 14 *" + strYear).c_str(), ("March 14, since " + strYear).c_str());
        specific.m_editSinceYear.SetWindowText("1879");
        expect("Mar 14 *1879", "March 14, since 1879");
        // Tabs there and back keep it; Annual off gives the one-year date.
        ChooseTab(dlg, 1);
        ChooseTab(dlg, 0);
        expect("Mar 14 *1879", "March 14, since 1879");
        specific.m_chkAnnual.Click();
        expect(("Mar 14, " + strYear).c_str(), ("March 14, " + strYear).c_str());
        EXPECT_FALSE(specific.m_editSinceYear.IsWindowEnabled());
        specific.m_chkAnnual.Click();
        expect("Mar 14 *1879", "March 14, since 1879");
        TypeCaption(dlg, "Albert");
        dlg.m_btnOK.Click();
        return IDOK;
    });
    EXPECT_EQ((Lines{"Mar 14 *1879\tAlbert", "EASTER+39\tAscension"}), ListLines());
    EXPECT_EQ("[Events]\r\n0=Mar 14 *1879;Albert\r\n1=EASTER+39;Ascension\r\n",
              ReadWholeFile(m_dir.File("World.evn")));
    EXPECT_EQ("\r\nAlbert (147)\r\n", PaintedCaptions(2026, 3, 14));
    EXPECT_EQ("\r\nAscension\r\n", PaintedCaptions(2025, 5, 29));
    EXPECT_EQ("", PaintedCaptions(2025, 5, 28));
}

TEST_F(InsertDateTest, EntriesAlreadyListedAreRefused) {
    struct Row {
        const char* pszFile;       // the event file's one entry
        std::vector<int> holidays; // chosen on the Holidays tab
        bool bDoubleClick;         // else Apply
        const char* pszPane;       // pane 1 after the choice
        Lines expected;            // the list afterwards
    } rows[] = {
        // The list is compared without regard to case ...
        {"Dec 25;christmas day", {19}, true, " already listed", {"Dec 25\tchristmas day"}},
        // ... the event text with it: several holidays bypass the dialog's check.
        {"Dec 25;Christmas Day",
         {0, 19},
         false,
         "",
         {"Jan 01\tNew Year's Day", "Dec 25\tChristmas Day"}},
        {"Dec 25;CHRISTMAS DAY",
         {0, 19},
         false,
         "",
         {"Jan 01\tNew Year's Day", "Dec 25\tCHRISTMAS DAY", "Dec 25\tChristmas Day"}},
        // Only whole lines count.
        {"Dec 25;Christmas Day party",
         {19},
         false,
         "",
         {"Dec 25\tChristmas Day", "Dec 25\tChristmas Day party"}},
    };
    for (const Row& row : rows) {
        ChooseFile("Dup", CString("[Events]\r\n0=") + row.pszFile + "\r\n");
        RunDialog([&](CInsertDateDlg& dlg) {
            ChooseTab(dlg, 2);
            SelectHolidays(dlg.m_pageHolidays, row.holidays);
            EXPECT_EQ(row.pszPane, Pane1()) << row.pszFile;
            EXPECT_EQ(*row.pszPane == 0, dlg.m_btnOK.IsWindowEnabled()) << row.pszFile;
            if (row.bDoubleClick) {
                Notify(dlg.m_pageHolidays, dlg.m_pageHolidays.m_listHolidays, LBN_DBLCLK);
                return IDOK;
            }
            dlg.m_btnApply.Click();
            return IDCANCEL;
        });
        EXPECT_EQ(row.expected, ListLines()) << row.pszFile;
        EXPECT_EQ("", Pane1());
        DeleteFileA(m_dir.File("Dup.evn"));
    }
}

TEST_F(InsertDateTest, ClosingWithATypedNameOffersToSaveTheEntries) {
    ChooseFile("Home", "[Events]\r\n0=Mar 03;Home day\r\n");
    TypeName("Trip");
    ASSERT_EQ("Save", Page().m_btnFile.GetWindowText());
    m_answers.Queue(IDYES);
    theApp.m_pFrame->SendMessage(WM_CLOSE);
    PumpMessages();
    EXPECT_TRUE(m_answers.WasAsked("Save Event file: Trip.evn"));
    EXPECT_EQ("[Events]\r\n0=Mar 03;Home day\r\n", ReadWholeFile(m_dir.File("Trip.evn")));
}

// Assistive tools and automation put text into the caption box with
// WM_SETTEXT, past its limit: the entry takes 30 characters, as typed ones
// would, and the list, the file and the day box agree on them.
TEST_F(InsertDateTest, ACaptionSetPastTheBoxLimitIsTakenAtThirtyCharacters) {
    for (int nLength : {30, 31, 1100, 5000, 65536}) {
        SCOPED_TRACE(nLength);
        CString strCaption;
        for (int i = 0; i < nLength; ++i)
            strCaption += char('a' + i % 26);
        const CString strTaken = strCaption.Left(30);
        ChooseFile("Long", "[Events]\r\n");
        RunDialog([&](CInsertDateDlg& dlg) {
            ChooseTab(dlg, 1);
            TypeCaption(dlg, strCaption);
            EXPECT_EQ(strTaken, dlg.m_editCaption.GetWindowText());
            dlg.m_btnOK.Click();
            return IDOK;
        });
        EXPECT_EQ((Lines{"Jan-Mon #1\t" + strTaken}), ListLines());
        EXPECT_EQ("[Events]\r\n0=Jan-Mon #1;" + strTaken + "\r\n",
                  ReadWholeFile(m_dir.File("Long.evn")));
        EXPECT_EQ("\r\n" + strTaken + "\r\n", PaintedCaptions(2026, 1, 5));
        DeleteFileA(m_dir.File("Long.evn"));
    }
}

} // namespace
