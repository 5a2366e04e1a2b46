// File > Import Events in the real program: the file dialog (answered
// through the modal seam), the event file the events go into, and the one
// message at the end.
#include <gtest/gtest.h>

#include "common/AppFixture.h"
#include "frame/MainFrame.h"
#include "resources/resource.h"

namespace {

class ImportEventsTest : public CStartedAppFixture {
protected:
    CEventsPage& Page() { return theApp.m_pFrame->m_wndEventsPage; }

    // Runs the command on a copy of a seed file (or the text given) and
    // returns the message it ends with.
    CString Import(const char* pszSeed, const CString& strText = CString()) {
        CString strPath = m_dir.File(pszSeed);
        WriteWholeFile(strPath, strText.IsEmpty() ? ReadWholeFile(ALMANARK_SOURCE_DIR
                                                                  "/fuzz/fuzz_icalendar/seeds/" +
                                                                  CString(pszSeed))
                                                  : strText);
        m_answers.OnDialog([&](CModalRequest& request) {
            if (request.kind != CModalRequest::fileOpen)
                return 0;
            auto* pOfn = static_cast<OPENFILENAMEA*>(request.pStruct);
            EXPECT_NE(std::string::npos, std::string(pOfn->lpstrFilter, 40).find("*.ics"))
                << "the filter";
            lstrcpynA(pOfn->lpstrFile, strPath, pOfn->nMaxFile);
            return 1;
        });
        size_t nAsked = m_answers.Messages().size();
        theApp.m_pFrame->SendMessage(WM_COMMAND, ID_FILE_IMPORT_EVENTS);
        PumpMessages();
        m_answers.OnDialog(nullptr);
        std::vector<CString> messages = m_answers.Messages();
        EXPECT_EQ(nAsked + 1, messages.size());
        return messages.size() > nAsked ? messages.back() : CString();
    }
};

} // namespace

TEST_F(ImportEventsTest, BirthdaysGoIntoAFileNamedAfterThemOnceAndADamagedFileAddsNothing) {
    EXPECT_TRUE(theApp.HandlesCommand(ID_FILE_IMPORT_EVENTS));
    EXPECT_EQ("Events of birthdays.ics in the event file \"birthdays\":\n\n"
              "5 events added\n0 events already listed\n0 events skipped",
              Import("birthdays.ics"));
    CString strFile = ReadWholeFile(m_dir.File("birthdays.evn"));
    EXPECT_NE(-1, strFile.Find("=Mar 14 *1879;Albert\r\n"));
    EXPECT_NE(-1, strFile.Find("=Dec 05;Baby Tom's birthday\r\n"));
    EXPECT_EQ(5, Page().m_listDates.GetCount());
    EXPECT_EQ("birthdays", Page().m_cbFile.GetWindowText());
    EXPECT_EQ(m_dir.File("birthdays.evn"), IniValue("Almanark", "Last Event File"));
    EXPECT_NE(-1,
              theApp.m_strAllEvents.Find("Feb 29 *1968\tZo\xEB M\xFCller \x96 Geburtstag ?\r\n"));

    EXPECT_EQ("Events of birthdays.ics in the event file \"birthdays\":\n\n"
              "0 events added\n5 events already listed\n0 events skipped",
              Import("birthdays.ics"));

    EXPECT_EQ("truncated.ics is not a whole iCalendar file: it may have been cut short or "
              "damaged.\n\nNo events were added.",
              Import("truncated.ics"));
    EXPECT_EQ(strFile, ReadWholeFile(m_dir.File("birthdays.evn")));
    EXPECT_EQ(5, Page().m_listDates.GetCount());
}

TEST_F(ImportEventsTest, HolidaysJoinTheEventFileInUse) {
    WriteWholeFile(m_dir.File("Family.evn"), "[Events]\r\n0=Jul 04;Independence Day\r\n");
    Page().FillEventFileCombo();
    Page().m_cbFile.SetCurSel(Page().m_cbFile.FindStringExact(-1, "Family"));
    theApp.m_pFrame->m_wndEventsPage.SendMessage(
        WM_COMMAND, MAKEWPARAM(IDC_EVENT_FILE, CBN_SELCHANGE), (LPARAM)Page().m_cbFile.m_hWnd);
    EXPECT_EQ("Events of holidays.ics in the event file \"Family\":\n\n"
              "7 events added\n1 event already listed\n1 event skipped\n"
              "    1 without a summary or a date from 1970 to 2037",
              Import("holidays.ics"));
    EXPECT_EQ(8, Page().m_listDates.GetCount());
    CString strFile = ReadWholeFile(m_dir.File("Family.evn"));
    EXPECT_NE(-1, strFile.Find("=May 17, 2027;Pfingstmontag\r\n"));
    EXPECT_NE(-1, strFile.Find("=Jul 04;Independence Day\r\n"));
    EXPECT_LT(strFile.Find("=May 17, 2027;"), strFile.Find("=Jul 04;")) << "calendar order";
    EXPECT_FALSE(FileExistsOnDisk(m_dir.File("holidays.evn")));
}
