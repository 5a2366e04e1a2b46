// File New, which the view handles ahead of the framework.
#include "PanelFixture.h"

#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "native/common/SampleFont.h"
#include "framework/AfxRes.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
class FileNew : public CPanelFixture {
protected:
    void SetUp() override {
        // The event file the Events page finds at start-up and returns to.
        WriteWholeFile(m_dir.File("Family.evn"), "[Events]\r\n0=Jul 04;Picnic\r\n");
        SetIniValue("Almanark", "Last Event File", m_dir.File("Family.evn"));
        CPanelFixture::SetUp();
    }
    void NewCalendar() { Frame().SendMessage(WM_COMMAND, ID_FILE_NEW); }
    void FillCalendar() {
        Doc().m_nMonth = 5;
        Doc().m_nYear = 1999;
        Doc().m_dCalTop = 0.3;
        Doc().SetNote("5\r\nx", 3, 1);
        Doc().m_strTitle = "Ours";
        Style().ShowTitle("Ours");
        Doc().m_bTitleLarge = 1;
        Style().m_btnTitleLarge.SetCheck(BST_CHECKED);
        Doc().m_bHasImage = 1;
        Doc().m_strImageFile = "Lake.bmp";
        Doc().m_bResetOnNew = 0;
        SetIniValue("Almanark", "Year Doc", m_dir.File("Year.kal"));
        SetIniValue("Almanark", "Month Doc", m_dir.File("Month.kal"));
    }
};

TEST_F(FileNew, AfterAYearCalendarGivesAFreshMonthCalendarWithTheSameFonts) {
    Click(Page(), IDC_DOC_KIND);
    ASSERT_EQ(1, Doc().m_bYearDoc);
    FillCalendar();
    // Fonts chosen in this run.
    lstrcpyA(Doc().m_lfNotes.lfFaceName, "Courier New");
    Doc().m_lfNotes.lfWeight = 700;
    Doc().m_lfTitle.lfItalic = 1;
    const LOGFONT lfDate = Doc().m_lfDate, lfNotes = Doc().m_lfNotes;
    const LOGFONT lfTitle = Doc().m_lfTitle, lfWeekday = Doc().m_lfWeekday;
    Frame().m_wndEventsPage.m_cbFile.SetCurSel(-1);
    theApp.m_strAllEvents.Empty();
    View().m_selCol = 3;
    View().m_selRow = 1;

    NewCalendar();
    EXPECT_TRUE(SameFont(lfDate, Doc().m_lfDate));
    EXPECT_TRUE(SameFont(lfNotes, Doc().m_lfNotes));
    EXPECT_TRUE(SameFont(lfTitle, Doc().m_lfTitle));
    EXPECT_TRUE(SameFont(lfWeekday, Doc().m_lfWeekday));
    EXPECT_EQ(0, Doc().m_bYearDoc);
    EXPECT_EQ(0, Doc().m_nMonth);
    EXPECT_EQ(-1.0, Doc().m_dCalTop);
    EXPECT_TRUE(Doc().GetNote(3, 1).IsEmpty());
    EXPECT_TRUE(Doc().m_strTitle.IsEmpty());
    EXPECT_EQ(0, Doc().m_bTitleLarge);
    EXPECT_EQ(0, Doc().m_bHasImage);
    EXPECT_EQ(CString("no image loaded"), Doc().m_strImageFile);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_NE(0, Doc().m_bResetOnNew);
    EXPECT_EQ(-1, View().m_selCol);
    EXPECT_EQ(-1, View().m_selRow);
    EXPECT_EQ(CString(""), IniValue("Almanark", "Year Doc"));
    EXPECT_EQ(CString(""), IniValue("Almanark", "Month Doc"));
    EXPECT_EQ(CString("Year"), Text(Page(), IDC_DOC_KIND));
    EXPECT_TRUE(Shown(Page(), IDC_NOTE));
    EXPECT_EQ(CString("Day Notes"), Text(Style(), IDC_NOTES_GROUP));
    EXPECT_EQ(CString("Family"), Frame().m_wndEventsPage.m_cbFile.GetWindowText());
    EXPECT_NE(-1, theApp.m_strAllEvents.Find("Picnic"));

    // The pages must not hand the old title back at the next paint.
    EXPECT_FALSE(Checked(Style(), IDC_TITLE_LARGE));
    Paint();
    EXPECT_TRUE(Doc().m_strTitle.IsEmpty());
    EXPECT_GE(Doc().m_nMonth, 1);
    EXPECT_EQ(CString(" [unsaved]"), Doc().GetTitle().Right(10));
    EXPECT_TRUE(m_answers.Messages().empty());
}

TEST_F(FileNew, ModifiedCalendarStaysWhenThePromptIsCancelled) {
    FillCalendar();
    Doc().SetModifiedFlag(true);
    m_answers.Queue(IDCANCEL);
    NewCalendar();
    ASSERT_EQ(1u, m_answers.Messages().size());
    EXPECT_EQ(CString("Save changes to "), m_answers.Messages().front().Left(16));
    EXPECT_EQ(5, Doc().m_nMonth);
    EXPECT_EQ(0.3, Doc().m_dCalTop);
    EXPECT_EQ(CString("5\r\nx"), Doc().GetNote(3, 1));
    EXPECT_EQ(CString("Ours"), Doc().m_strTitle);
    EXPECT_EQ(1, Doc().m_bHasImage);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(0, IniValue("Almanark", "Year Doc").CompareNoCase(m_dir.File("Year.kal")));

    // "No" lets the new calendar come.
    m_answers.Queue(IDNO);
    NewCalendar();
    EXPECT_EQ(0, Doc().m_nMonth);
    EXPECT_TRUE(Doc().GetNote(3, 1).IsEmpty());
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(CString(""), IniValue("Almanark", "Year Doc"));
}
} // namespace
