// The iCalendar reader over files shaped like the common calendar programs'
// exports (the fuzzer's seeds), and over each rule of the mapping.
#include "dates/ICalendarReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

const int kThisYear = 2026;

std::string Seed(const char* pszName) {
    std::ifstream file(std::string(ALMANARK_SOURCE_DIR "/fuzz/fuzz_icalendar/seeds/") + pszName,
                       std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Lines(const CICalendarReader& reader) {
    std::vector<std::string> lines;
    for (const ICalendarEntry& entry : reader.Entries())
        lines.push_back((entry.m_strDate + "\t" + entry.m_strCaption).str());
    return lines;
}

// A calendar of one event made of these lines.
std::string OneEvent(const std::string& strLines) {
    return "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\n" + strLines + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

} // namespace

TEST(ICalendarReader, ReadsTheExportsOfCommonCalendarPrograms) {
    struct Case {
        const char* pszFile;
        std::vector<std::string> lines;
        int nRepeating;
        int nNoDate;
    } cases[] = {
        {"birthdays.ics",
         {"Mar 14 *1879\tAlbert", "Feb 29 *1968\tZo\xEB M\xFCller \x96 Geburtstag ?",
          "Nov 02\tGrandpa's birthday", "Jun 18 *2005\tWedding anniversary of Ann and",
          "Dec 05\tBaby Tom's birthday"},
         0,
         0},
        {"holidays.ics",
         {"May 06, 2027\tChristi Himmelfahrt", "May 17, 2027\tPfingstmontag",
          "Oct 03, 2027\tTag der Deutschen Einheit", "Oct 03, 2027\tTag der Deutschen Einheit",
          "Dec 25\t1. Weihnachtstag", "Nov-Thu #4\tThanksgiving", "May-Mon #L\tMemorial Day",
          "May-Sun #2\tMuttertag"},
         0,
         1},
        // Weekly, monthly, counted, with an exception, and a moved instance.
        {"work.ics",
         {"May 06, 2027\tLate call", "Jan 01, 2027\tNew Year party",
          "Sep 20, 2027\tPlanning, budget; and Room 4 w"},
         5,
         1},
        {"lf-bom.ics", {"Jul 04, 2027\tPicnic"}, 0, 0},
    };
    for (const Case& c : cases) {
        CICalendarReader reader;
        EXPECT_TRUE(reader.Read(Seed(c.pszFile), kThisYear)) << c.pszFile;
        EXPECT_EQ(c.lines, Lines(reader)) << c.pszFile;
        EXPECT_EQ(c.nRepeating, reader.Skipped(CICalendarReader::kRepeating)) << c.pszFile;
        EXPECT_EQ(c.nNoDate, reader.Skipped(CICalendarReader::kNoDate)) << c.pszFile;
    }
}

TEST(ICalendarReader, RefusesWhatIsNoWholeCalendar) {
    std::string strWhole = Seed("holidays.ics");
    const std::string damaged[] = {
        Seed("truncated.ics"),
        strWhole.substr(0, strWhole.size() - 4),
        "",
        "BEGIN:VCARD\r\nFN:Albert\r\nEND:VCARD\r\n",
        "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nEND:VCALENDAR\r\nEND:VEVENT\r\n",
        "SUMMARY:x\r\n" + strWhole,
    };
    for (const std::string& strText : damaged) {
        CICalendarReader reader;
        EXPECT_FALSE(reader.Read(strText, kThisYear)) << strText;
        EXPECT_TRUE(reader.Entries().empty());
        EXPECT_EQ(0, reader.Skipped(CICalendarReader::kNoDate));
    }
}

TEST(ICalendarReader, MapsEachRepetitionToItsDateTextOrSkipsIt) {
    const struct {
        const char* pszStart;
        const char* pszRule; // nullptr: none
        const char* pszDate; // nullptr: skipped as repeating, "": skipped as without a date
    } cases[] = {
        {"20270314", nullptr, "Mar 14, 2027"},
        {"20270314T235959Z", nullptr, "Mar 14, 2027"},
        {"19691231", nullptr, ""},
        {"20380101", nullptr, ""},
        {"20270230", nullptr, ""},
        {"2027031", nullptr, ""},
        {"20270314X", nullptr, ""},
        {"20000314", "FREQ=YEARLY", "Mar 14"},
        {"20000314", "freq=yearly;interval=1;wkst=MO", "Mar 14"},
        {"20000101", "FREQ=YEARLY;BYMONTH=7;BYMONTHDAY=4", "Jul 04"},
        {"20000101", "FREQ=YEARLY;BYMONTH=4;BYMONTHDAY=31", nullptr},
        {"20001102", "FREQ=YEARLY;BYMONTH=11;BYDAY=1TU", "Nov-Tue #1"},
        {"20001102", "FREQ=YEARLY;BYMONTH=11;BYDAY=+4TH", "Nov-Thu #4"},
        {"20001102", "FREQ=YEARLY;BYDAY=-1SA", "Nov-Sat #L"},
        {"20001102", "FREQ=YEARLY;BYDAY=FR;BYSETPOS=-1;BYMONTH=3", "Mar-Fri #L"},
        {"20001102", "FREQ=YEARLY;BYMONTH=5;BYDAY=5MO", nullptr},
        {"20001102", "FREQ=YEARLY;BYMONTH=5;BYDAY=-2MO", nullptr},
        {"20001102", "FREQ=YEARLY;BYMONTH=5;BYDAY=1MO,3MO", nullptr},
        {"20001102", "FREQ=YEARLY;BYMONTH=5,6", nullptr},
        {"20001102", "FREQ=YEARLY;BYMONTHDAY=-1", nullptr},
        {"20001102", "FREQ=YEARLY;INTERVAL=2", nullptr},
        {"20001102", "FREQ=YEARLY;UNTIL=20301102", nullptr},
        {"20001102", "FREQ=YEARLY;COUNT=10", nullptr},
        {"20001102", "FREQ=YEARLY;BYWEEKNO=20", nullptr},
        {"20001102", "FREQ=MONTHLY", nullptr},
        {"20001102", "FREQ=DAILY", nullptr},
        {"20001102", "BYMONTH=11", nullptr},
    };
    for (const auto& c : cases) {
        std::string strLines = std::string("DTSTART:") + c.pszStart + "\r\nSUMMARY:Day\r\n";
        if (c.pszRule)
            strLines += std::string("RRULE:") + c.pszRule + "\r\n";
        CICalendarReader reader;
        ASSERT_TRUE(reader.Read(OneEvent(strLines), kThisYear));
        SCOPED_TRACE(strLines);
        if (c.pszDate && *c.pszDate) {
            ASSERT_EQ(1u, reader.Entries().size());
            EXPECT_EQ(c.pszDate, reader.Entries()[0].m_strDate);
        } else {
            EXPECT_TRUE(reader.Entries().empty());
            EXPECT_EQ(c.pszDate ? 0 : 1, reader.Skipped(CICalendarReader::kRepeating));
            EXPECT_EQ(c.pszDate ? 1 : 0, reader.Skipped(CICalendarReader::kNoDate));
        }
    }
}

TEST(ICalendarReader, CaptionsAreOneUnescapedLineInTheCodePage) {
    const struct {
        const char* pszValue;
        const char* pszCaption;
    } cases[] = {
        {"Tea\\, cake\\; and \\\\ more", "Tea, cake; and \\ more"},
        {"Two\\nlines\\Nhere", "Two lines here"},
        {"Tab\there\x01", "Tab here"},
        {"  Blanks around  ", "Blanks around"},
        {"\xE2\x82\xAC 5 \xE2\x80\x9Cquoted\xE2\x80\x9D", "\x80 5 \x93quoted\x94"},
        {"\xC5\x81\xC3\xB3" "d\xC5\xBA", "?\xF3"
                                      "d?"},
        {"Bad \xC3 byte \xF0\x9F\x98", "Bad ? byte ???"},
        {"Overlong \xC0\xAF \xE0\x80\xAF", "Overlong ?? ???"},
        {"Exactly thirty characters, cut", "Exactly thirty characters, cut"},
        {"Thirty-one characters, cut here", "Thirty-one characters, cut her"},
        {"Twenty-nine characters, blank then", "Twenty-nine characters, blank"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.pszCaption, CICalendarReader::CaptionFromText(c.pszValue)) << c.pszValue;
}
