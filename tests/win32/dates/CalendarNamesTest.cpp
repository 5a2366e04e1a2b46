#include <gtest/gtest.h>

#include "dates/CalendarNames.h"

// The names of a locale named by its id: the platform's own data, whatever
// the user's locale of this test run.
TEST(CalendarNamesTest, EnglishByDefaultAndTheLocalesNamesWhenChosen) {
    const LCID kGerman = MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT);
    const LCID kFrench = MAKELCID(MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), SORT_DEFAULT);
    struct Case {
        bool bLocal;
        LCID lcid;
        const char* pszDecember;
        const char* pszSunday;
        const char* pszMonday;
        const char* pszShortDecember;
        const char* pszShortMonday;
    };
    const Case cases[] = {
        {false, kGerman, "December", "Sunday", "Monday", "Dec", "Mon"},
        {true, kGerman, "Dezember", "Sonntag", "Montag", "Dez", "Mo."},
        // In the program's code page (1252 here): one byte for the accent.
        {true, kFrench,
         "d\xE9"
         "cembre",
         "dimanche", "lundi",
         "d\xE9"
         "c.",
         "lun."},
    };
    for (const Case& c : cases) {
        const CCalendarNames names(c.bLocal, c.lcid);
        SCOPED_TRACE(c.pszDecember);
        EXPECT_EQ(c.bLocal, names.IsLocal());
        EXPECT_EQ(c.pszDecember, names.Month(12));
        EXPECT_EQ(c.pszSunday, names.Weekday(0));
        EXPECT_EQ(c.pszMonday, names.Weekday(1));
        EXPECT_EQ(c.pszShortDecember, names.Month(12, true));
        EXPECT_EQ(c.pszShortMonday, names.Weekday(1, true));
        EXPECT_EQ("", names.Month(0));
        EXPECT_EQ("", names.Month(13));
        EXPECT_EQ("", names.Weekday(7));
    }
    EXPECT_EQ("January", CCalendarNames::Of(false).Month(1));
    EXPECT_EQ("Saturday", CCalendarNames::Of(false).Weekday(6));
}
