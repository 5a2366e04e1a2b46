// The Calendar page: month and year lists, the switch between month and
// year calendars, day numbers, orientation, block size and arrangement.
#include "PanelFixture.h"

#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
const int kMonthOnly[] = {
    IDC_MONTH,           IDC_NOTE,    IDC_NOTE_ENTER, IDC_NOTE_CANCEL, IDC_DAY_NUMBERS_LABEL,
    IDC_DAY_NOTES_GROUP, IDC_DAY_SWAP};
const int kYearOnly[] = {IDC_ARRANGE_GROUP, IDC_ARRANGE_3X4, IDC_ARRANGE_4X3, IDC_ARRANGE_2X6,
                         IDC_ARRANGE_6X2};

class CalendarPage : public CPanelFixture {
protected:
    void SetUp() override {
        CPanelFixture::SetUp();
        Doc().m_nMonth = 5;
        Doc().m_nYear = 1999;
        Doc().m_bResetOnNew = 0;
    }
    void ExpectMonthControls() {
        for (int nID : kMonthOnly)
            EXPECT_TRUE(Shown(Page(), nID)) << nID;
        for (int nID : kYearOnly)
            EXPECT_FALSE(Shown(Page(), nID)) << nID;
        EXPECT_EQ(CString("Year"), Text(Page(), IDC_DOC_KIND));
        EXPECT_EQ(CString("Days of the Week"), Text(Style(), IDC_WEEKDAY_GROUP));
        EXPECT_EQ(CString("Day Notes"), Text(Style(), IDC_NOTES_GROUP));
        for (int nID : {IDC_DATE_SPLIT, IDC_DATE_SWAP, IDC_NOTES_LARGE})
            EXPECT_TRUE(Enabled(Style(), nID)) << nID;
    }
    void ExpectYearControls() {
        for (int nID : kMonthOnly)
            EXPECT_FALSE(Shown(Page(), nID)) << nID;
        for (int nID : kYearOnly)
            EXPECT_TRUE(Shown(Page(), nID)) << nID;
        EXPECT_EQ(CString("Month"), Text(Page(), IDC_DOC_KIND));
        EXPECT_EQ(CString("Months"), Text(Style(), IDC_WEEKDAY_GROUP));
        EXPECT_EQ(CString("Days"), Text(Style(), IDC_NOTES_GROUP));
        EXPECT_EQ(CString("Year"), Text(Style(), IDC_DATE_GROUP));
        for (int nID : {IDC_DATE_SPLIT, IDC_DATE_SWAP, IDC_NOTES_LARGE})
            EXPECT_FALSE(Enabled(Style(), nID)) << nID;
    }
    void SaveAs(const CString& strPath) {
        ASSERT_TRUE(Doc().DoSave(strPath));
        EXPECT_EQ(0, Doc().GetPathName().CompareNoCase(strPath));
    }
    void SetTitle(const char* pszTitle) {
        Doc().m_strTitle = pszTitle;
        Style().ShowTitle(pszTitle);
    }
    bool AllNotesEmpty() {
        for (int c = 0; c < 7; ++c)
            for (int r = 0; r < 6; ++r)
                if (!Doc().GetNote(c, r).IsEmpty())
                    return false;
        return true;
    }
};

TEST_F(CalendarPage, ListsStartACalendarOfTheChosenMonthAndYear) {
    Doc().SetNote("5\r\nx", 3, 1);
    Doc().SetPathName(m_dir.File("May.kal"), false);
    SetTitle("Ours");
    theApp.m_strEventText[3][1] = "\r\nParty";
    Page().m_editNote.SetWindowText("5\r\nx");
    View().m_nRefreshNote = View().m_nEvalEvents = 0;
    Choose(IDC_MONTH, 6);
    EXPECT_EQ(7, Doc().m_nMonth);
    EXPECT_EQ(1999, Doc().m_nYear);
    EXPECT_TRUE(AllNotesEmpty());
    EXPECT_TRUE(theApp.m_strEventText[3][1].IsEmpty());
    EXPECT_EQ(CString(), Page().m_editNote.GetWindowText());
    EXPECT_EQ(7, View().m_selCol);
    EXPECT_EQ(6, View().m_selRow);
    EXPECT_EQ(1, View().m_selDay);
    EXPECT_NE(0, View().m_nRefreshNote);
    EXPECT_NE(0, View().m_nEvalEvents);
    // A calendar of another month is a new, untitled one with the same design.
    EXPECT_TRUE(Doc().GetPathName().IsEmpty());
    EXPECT_EQ(CString("Ours"), Doc().m_strTitle);
    EXPECT_EQ(1, Doc().m_bResetOnNew);

    // A second choice before any repaint, as quick keys in a list give.
    Choose(IDC_YEAR, 30);
    EXPECT_EQ(2000, Doc().m_nYear);
    EXPECT_EQ(7, Doc().m_nMonth);
    EXPECT_EQ(CString("Ours"), Doc().m_strTitle);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_TRUE(m_answers.Messages().empty());
}

TEST_F(CalendarPage, CancelledSavePromptLeavesListsAndKindAsTheyWere) {
    Doc().SetNote("5\r\nx", 3, 1);
    Doc().SetModifiedFlag(true);
    m_answers.Queue(IDCANCEL);
    Choose(IDC_MONTH, 8);
    EXPECT_EQ(4, Page().m_cbMonth.GetCurSel());
    EXPECT_EQ(5, Doc().m_nMonth);

    m_answers.Queue(IDCANCEL);
    Choose(IDC_YEAR, 3);
    EXPECT_EQ(29, Page().m_cbYear.GetCurSel());
    EXPECT_EQ(1999, Doc().m_nYear);

    m_answers.Queue(IDCANCEL);
    Click(Page(), IDC_DOC_KIND);
    EXPECT_EQ(0, Doc().m_bYearDoc);
    ExpectMonthControls();

    EXPECT_EQ(CString("5\r\nx"), Doc().GetNote(3, 1));
    EXPECT_TRUE(Doc().IsModified());
    ASSERT_EQ(3u, m_answers.Messages().size());
    for (const CString& strText : m_answers.Messages())
        EXPECT_EQ(CString("Save changes to "), strText.Left(16));
}

TEST_F(CalendarPage, YearWithoutARememberedFileKeepsTheDesign) {
    SetIniValue("Almanark", "Date Style", "-1");
    theApp.m_nDateStyle = -1;
    theApp.m_nDateSwap = 1;
    Style().CheckDateStyleRadio();
    ASSERT_TRUE(Checked(Style(), IDC_DATE_SPLIT));
    SetTitle("Ours");
    Doc().m_dCalLeft = 0.2;
    Doc().m_dCalTop = 0.3;
    Doc().SetNote("5\r\nx", 3, 1);

    Click(Page(), IDC_DOC_KIND);
    EXPECT_EQ(1, Doc().m_bYearDoc);
    ExpectYearControls();
    // Split has no meaning for a year; the profile keeps the user's choice.
    EXPECT_EQ(1, theApp.m_nDateStyle);
    EXPECT_TRUE(Checked(Style(), IDC_DATE_CENTER));
    EXPECT_FALSE(Checked(Style(), IDC_DATE_SPLIT));
    EXPECT_EQ(CString("-1"), IniValue("Almanark", "Date Style"));
    EXPECT_EQ(CString("Ours"), Doc().m_strTitle);
    EXPECT_EQ(0.2, Doc().m_dCalLeft);
    EXPECT_EQ(0.3, Doc().m_dCalTop);
    EXPECT_EQ(1999, Doc().m_nYear);
    EXPECT_TRUE(AllNotesEmpty());
    EXPECT_TRUE(Doc().GetPathName().IsEmpty());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_NE(0, Doc().m_bResetOnNew);

    Click(Page(), IDC_DOC_KIND);
    EXPECT_EQ(0, Doc().m_bYearDoc);
    EXPECT_EQ(0, Doc().m_nMonth);
    ExpectMonthControls();
    EXPECT_EQ(CString("Year and Month"), Text(Style(), IDC_DATE_GROUP));
    EXPECT_EQ(-1, theApp.m_nDateStyle);
    EXPECT_TRUE(Checked(Style(), IDC_DATE_SPLIT));
    EXPECT_EQ(CString("Ours"), Doc().m_strTitle);
    EXPECT_TRUE(m_answers.Messages().empty());
}

TEST_F(CalendarPage, EachKindReopensTheFileLastShownOfThatKind) {
    const CString strMonthFile = m_dir.File("Month.kal"), strYearFile = m_dir.File("Year.kal");
    Doc().m_nMonth = 3;
    Doc().m_nYear = 2001;
    Doc().SetNote("7\r\nDentist", 3, 1);
    SetTitle("Month one");
    theApp.m_nDateStyle = 0;
    SetIniValue("Almanark", "Date Style", "2");
    SaveAs(strMonthFile);

    Click(Page(), IDC_DOC_KIND);
    EXPECT_EQ(0, IniValue("Almanark", "Month Doc").CompareNoCase(strMonthFile));
    EXPECT_TRUE(Doc().GetPathName().IsEmpty());
    SetTitle("Year one");
    SaveAs(strYearFile);

    Click(Page(), IDC_DOC_KIND);
    EXPECT_EQ(0, IniValue("Almanark", "Year Doc").CompareNoCase(strYearFile));
    EXPECT_EQ(0, Doc().GetPathName().CompareNoCase(strMonthFile));
    EXPECT_EQ(0, Doc().m_bYearDoc);
    EXPECT_EQ(3, Doc().m_nMonth);
    EXPECT_EQ(2001, Doc().m_nYear);
    EXPECT_EQ(CString("7\r\nDentist"), Doc().GetNote(3, 1));
    EXPECT_EQ(CString("Month one"), Style().m_editTitle.GetWindowText());
    ExpectMonthControls();
    // Month controls take the heading alignment from the profile.
    EXPECT_EQ(2, theApp.m_nDateStyle);
    EXPECT_TRUE(Checked(Style(), IDC_DATE_RIGHT));
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(0, Doc().m_bResetOnNew);

    Click(Page(), IDC_DOC_KIND);
    EXPECT_EQ(0, Doc().GetPathName().CompareNoCase(strYearFile));
    EXPECT_EQ(1, Doc().m_bYearDoc);
    EXPECT_EQ(CString("Year one"), Style().m_editTitle.GetWindowText());
    ExpectYearControls();
    EXPECT_TRUE(m_answers.Messages().empty());
}

TEST_F(CalendarPage, RememberedFileThatIsGoneLeavesAnUntitledCalendarOfTheNewKind) {
    SetIniValue("Almanark", "Year Doc", m_dir.File("Gone.kal"));
    Doc().SetPathName(m_dir.File("Month.kal"), false);
    Click(Page(), IDC_DOC_KIND);
    ASSERT_EQ(1u, m_answers.Messages().size());
    EXPECT_NE(-1, m_answers.Messages().front().Find("Cannot find this file."));
    EXPECT_EQ(1, Doc().m_bYearDoc);
    EXPECT_TRUE(Doc().GetPathName().IsEmpty());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_NE(0, Doc().m_bResetOnNew);
    ExpectYearControls();
}

TEST_F(CalendarPage, DayNumbersToggleSidesAndWritesDaySwap) {
    ASSERT_EQ(0, theApp.m_nDaySwap);
    View().m_nRefreshNote = 0;
    Click(Page(), IDC_DAY_SWAP);
    EXPECT_EQ(2, theApp.m_nDaySwap);
    EXPECT_EQ(CString("Left"), Text(Page(), IDC_DAY_SWAP));
    EXPECT_EQ(CString("2"), IniValue("Almanark", "Day Swap"));
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_NE(0, View().m_nRefreshNote);

    Click(Page(), IDC_DAY_SWAP);
    EXPECT_EQ(0, theApp.m_nDaySwap);
    EXPECT_EQ(CString("Right"), Text(Page(), IDC_DAY_SWAP));
    EXPECT_EQ(CString("0"), IniValue("Almanark", "Day Swap"));
}

TEST_F(CalendarPage, OrientationTurnsPrinterPageAndButton) {
    ASSERT_EQ(2, theApp.m_nOrientation);
    ASSERT_GT(View().m_physWidth, View().m_physHeight);
    Click(Page(), IDC_ORIENTATION);
    EXPECT_EQ(1, theApp.m_nOrientation);
    EXPECT_EQ(1, Doc().m_nOrientation);
    EXPECT_EQ(CString("Landscape"), Text(Page(), IDC_ORIENTATION));
    EXPECT_EQ(CString("1"), IniValue(theApp.m_strPrinter, "Orientation"));
    EXPECT_EQ(CString("<none>"), IniValue("Almanark", "Orientation"));
    EXPECT_LT(View().m_physWidth, View().m_physHeight);
    EXPECT_TRUE(Doc().IsModified());
    Paint();
    EXPECT_LT(View().m_pageWidth, View().m_pageHeight);

    Click(Page(), IDC_ORIENTATION);
    EXPECT_EQ(2, theApp.m_nOrientation);
    EXPECT_EQ(2, Doc().m_nOrientation);
    EXPECT_EQ(CString("Portrait"), Text(Page(), IDC_ORIENTATION));
    EXPECT_EQ(CString("2"), IniValue(theApp.m_strPrinter, "Orientation"));
    EXPECT_GT(View().m_physWidth, View().m_physHeight);
    Paint();
    EXPECT_GT(View().m_pageWidth, View().m_pageHeight);
}

TEST_F(CalendarPage, FullAndHalfSizesOfTheCalendarBlock) {
    Paint();
    const CRect rcPrint = theApp.m_rectPrintable;
    const double W = View().m_pageWidth, H = View().m_pageHeight;
    ASSERT_GT(rcPrint.Width(), 0);

    Click(Page(), IDC_CAL_HALF_WIDTH);
    const double dHalfRight = Doc().m_dCalRight;
    EXPECT_EQ((View().m_rectCalFrame.left + rcPrint.Width() / 2) / W, dHalfRight);
    EXPECT_TRUE(Doc().IsModified());
    Paint();
    Click(Page(), IDC_CAL_HALF_WIDTH);
    EXPECT_EQ(dHalfRight, Doc().m_dCalRight);

    // The bottom stays where the frame was drawn.
    const int nBottom = View().m_rectCalFrame.bottom;
    Click(Page(), IDC_CAL_HALF_HEIGHT);
    EXPECT_EQ((nBottom - rcPrint.Height() / 2) / H, Doc().m_dCalTop);
    EXPECT_EQ(nBottom - rcPrint.Height() / 2, View().m_rectCalFrame.top);
    Paint();
    EXPECT_LT(View().m_rectCalFrame.Height(), rcPrint.Height() * 3 / 4);

    Click(Page(), IDC_CAL_FULL_WIDTH);
    EXPECT_EQ(rcPrint.left / W, Doc().m_dCalLeft);
    EXPECT_EQ(rcPrint.right / W, Doc().m_dCalRight);
    Click(Page(), IDC_CAL_FULL_HEIGHT);
    EXPECT_EQ(rcPrint.top / H, Doc().m_dCalTop);
    EXPECT_EQ(rcPrint.bottom / H, Doc().m_dCalBottom);
    Paint();
    EXPECT_GT(View().m_rectCalFrame.Width(), rcPrint.Width() - 2);
}

TEST_F(CalendarPage, ArrangementRadiosSetTheGridOfAYearCalendar) {
    EXPECT_TRUE(Checked(Page(), IDC_ARRANGE_3X4));
    EXPECT_EQ(3, Page().m_nArrangeCols);
    EXPECT_EQ(4, Page().m_nArrangeRows);
    Click(Page(), IDC_DOC_KIND);
    const struct {
        int nID, nCols, nRows;
    } radios[] = {{IDC_ARRANGE_4X3, 4, 3},
                  {IDC_ARRANGE_2X6, 2, 6},
                  {IDC_ARRANGE_6X2, 6, 2},
                  {IDC_ARRANGE_3X4, 3, 4}};
    for (const auto& radio : radios) {
        Click(Page(), radio.nID);
        EXPECT_EQ(radio.nCols, Page().m_nArrangeCols);
        EXPECT_EQ(radio.nRows, Page().m_nArrangeRows);
        EXPECT_TRUE(Checked(Page(), radio.nID));
    }
    // The arrangement belongs to the page, not to the calendar.
    EXPECT_FALSE(Doc().IsModified());
}
} // namespace
