// What an import adds to a list, and what it tells the user.
#include "dates/EventImport.h"

#include <gtest/gtest.h>

namespace {

CICalendarReader Read(const std::string& strEvents) {
    CICalendarReader reader;
    EXPECT_TRUE(reader.Read("BEGIN:VCALENDAR\r\n" + strEvents + "END:VCALENDAR\r\n", 2026));
    return reader;
}

std::string Event(const char* pszStart, const char* pszSummary, const char* pszRule = "") {
    return std::string("BEGIN:VEVENT\r\nDTSTART;VALUE=DATE:") + pszStart +
           "\r\nSUMMARY:" + pszSummary + "\r\n" + pszRule + "END:VEVENT\r\n";
}

} // namespace

TEST(EventImport, AddsOnlyNewLinesUpToTheListsLimitAndSaysWhatHappened) {
    CICalendarReader reader =
        Read(Event("20270704", "Picnic") + Event("20270704", "Picnic") +
             Event("18790314", "Albert", "RRULE:FREQ=YEARLY\r\nCATEGORIES:BIRTHDAY\r\n") +
             Event("20271224", "Eve") + Event("20270101", "Gym", "RRULE:FREQ=WEEKLY\r\n") +
             Event("19601225", "Old"));
    std::vector<CString> listed = {"Dec 24, 2027\tEve", "Dec 24, 2027\teve"};
    CEventImport import;
    EXPECT_EQ((std::vector<CString>{"Jul 04, 2027\tPicnic", "Mar 14 *1879\tAlbert"}),
              import.Merge(listed, reader));
    EXPECT_EQ("Events of Family.ics in the event file \"Family\":\n\n"
              "2 events added\n2 events already listed\n2 events skipped\n"
              "    1 repeating other than every year on one day, or with an end or exceptions\n"
              "    1 without a summary or a date from 1970 to 2037",
              import.Message("Family.ics", "Family", reader));

    // A list one short of full takes the first new line; the next is skipped.
    listed.resize(499);
    for (int i = 2; i < 499; ++i)
        listed[i] = "Jan 01, 2000\tLine " + CString::FromInt(i);
    EXPECT_EQ(std::vector<CString>{"Jul 04, 2027\tPicnic"}, import.Merge(listed, reader));
    EXPECT_EQ(1, import.m_nFull);
    EXPECT_EQ("Events of a.ics in the event file \"a\":\n\n"
              "1 event added\n2 events already listed\n3 events skipped\n"
              "    1 repeating other than every year on one day, or with an end or exceptions\n"
              "    1 without a summary or a date from 1970 to 2037\n"
              "    1 beyond the 500 entries an event file holds",
              import.Message("a.ics", "a", reader));
}
