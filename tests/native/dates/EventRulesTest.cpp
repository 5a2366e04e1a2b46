#include "dates/EventRules.h"

#include "dates/DateCalc.h"

#include <gtest/gtest.h>

#include "DayCaptions.h"

#include <initializer_list>
#include <vector>

namespace {

CString EventText(std::initializer_list<const char*> entries) {
    CString strText;
    for (const char* pszEntry : entries) {
        strText += pszEntry;
        strText += "\r\n";
    }
    return strText;
}

// Asks for one day's captions the way the month view does.
// The days of a month whose captions are not empty.
std::vector<int> DaysWithCaptions(const CString& strEvents, int nYear, int nMonth) {
    std::vector<int> days;
    for (int d = 1; d <= DaysInMonth(nYear, nMonth); ++d)
        if (!CaptionsOn(strEvents, nYear, nMonth, d).IsEmpty())
            days.push_back(d);
    return days;
}

} // namespace

TEST(EventRules, LastMondayOfMayWithFiveAndWithFourMondays) {
    CString strEvents = EventText({"May-Mon #L\tMemorial Day"});
    // May 1999 has Mondays 3, 10, 17, 24 and 31; May 2024 has 6, 13, 20, 27.
    EXPECT_EQ(DaysWithCaptions(strEvents, 1999, 5), std::vector<int>{31});
    EXPECT_EQ(DaysWithCaptions(strEvents, 2024, 5), std::vector<int>{27});
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 5, 31), "Memorial Day\r\n");
}

TEST(EventRules, FourthAndLastThursdayOfNovember) {
    CString strFourth = EventText({"Nov-Thu #4\tFourth"});
    CString strLast = EventText({"Nov-Thu #L\tLast"});
    // November 2018 has five Thursdays (1 .. 29), November 2024 four (7 .. 28).
    EXPECT_EQ(DaysWithCaptions(strFourth, 2018, 11), std::vector<int>{22});
    EXPECT_EQ(DaysWithCaptions(strLast, 2018, 11), std::vector<int>{29});
    EXPECT_EQ(DaysWithCaptions(strFourth, 2024, 11), std::vector<int>{28});
    EXPECT_EQ(DaysWithCaptions(strLast, 2024, 11), std::vector<int>{28});

    CString strBoth = EventText({"Nov-Thu #L\tLast", "Nov-Thu #4\tFourth"});
    EXPECT_STREQ(CaptionsOn(strBoth, 2024, 11, 28), "Fourth\r\nLast\r\n");
}

TEST(EventRules, EasterShowsTheFixedWordOnceAndNeverItsCaption) {
    CString strEvents = EventText({"EASTER\tSunrise service", "EASTER\tBrunch"});
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 4, 4), "Easter\r\n");
    EXPECT_STREQ(CaptionsOn(strEvents, 2008, 3, 23), "Easter\r\n");
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(DaysWithCaptions(strEvents, 1999, m),
                  m == 4 ? std::vector<int>{4} : std::vector<int>{})
            << m;
    // "Easter" is not compared with the note.
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 4, 4, "\r\nEaster\r\nlunch"), "Easter\r\n");
    // Without an Easter key (no month paint yet) no day is Easter.
    EXPECT_STREQ(CEventRules(strEvents, "").CaptionsForDay(1999, 4, 0, "4", "\r\n", 0, false), "");
}

TEST(EventRules, AnnualAndOneYearEntriesBothMatch) {
    CString strEvents = EventText({"Jul 04\tParade", "Jul 04, 1999\tParade"});
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 7, 4), "Parade\r\nParade\r\n");
    EXPECT_STREQ(CaptionsOn(strEvents, 2000, 7, 4), "Parade\r\n");
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 7, 5), "");
}

TEST(EventRules, CaptionsAreOrderedAnnualEasterOneYearCalculated) {
    // 4 April 1999 is Easter Sunday and the first Sunday of April.
    CString strEvents =
        EventText({"Apr-Sun #1\tCalculated", "Apr 04, 1999\tOne year", "EASTER\tignored",
                   "Apr 04\tFirst annual", "Apr 04\tSecond annual"});
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 4, 4),
                 "First annual\r\nSecond annual\r\nEaster\r\nOne year\r\nCalculated\r\n");
}

TEST(EventRules, CaptionStandingAsAWholeNoteLineIsLeftOut) {
    CString strEvents = EventText({"Mar 17\tParty", "Mar 17\tDinner"});
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 3, 17, "\r\nbring cake\r\nParty\r\nat 8"),
                 "Dinner\r\n");
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 3, 17, "\r\nParty\r\n"), "Dinner\r\n");
    // A substring of a line, or a last line without its line break, is no match.
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 3, 17, "\r\nParty time\r\n"), "Party\r\nDinner\r\n");
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 3, 17, "\r\nThe Party\r\n"), "Party\r\nDinner\r\n");
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 3, 17, "\r\nParty"), "Party\r\nDinner\r\n");
}

TEST(EventRules, MatchingIsCaseSensitive) {
    CString strEvents = EventText(
        {"jul 04\tLower", "JUL 04\tUpper", "easter\tLower easter", "May-mon #L\tLower weekday"});
    for (int m = 1; m <= 12; ++m)
        EXPECT_TRUE(DaysWithCaptions(strEvents, 1999, m).empty()) << m;
}

TEST(EventRules, EmptyEventTextGivesNothing) {
    for (int m = 1; m <= 12; ++m)
        EXPECT_TRUE(DaysWithCaptions("", 1999, m).empty()) << m;
}

TEST(EventRules, DateTextMustBeAWholeDateText) {
    // Neither the tail of another date text nor a piece of a caption matches.
    CString strEvents = EventText({"Sun Jul 04\tTail", "Jan 01\tA\tJul 04\tB", "xEASTER\tE"});
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 7, 4), "");
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 4, 4), "");
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 1, 1), "A\tJul 04\tB\r\n");
    // The annual form does not pick up one-year entries of other years.
    EXPECT_STREQ(CaptionsOn(EventText({"Jul 04, 1998\tOld"}), 1999, 7, 4), "");
}

TEST(EventRules, LastLineWithoutLineBreakStillCounts) {
    CString strEvents = "Jan 01\tFirst\r\nJan 01\tUnterminated";
    EXPECT_STREQ(CaptionsOn(strEvents, 1999, 1, 1), "First\r\nUnterminated\r\n");
    EXPECT_STREQ(CaptionsOn("EASTER\tx", 1999, 4, 4), "Easter\r\n");
}

TEST(EventRules, DayTextGetsItsLeadingZero) {
    CString strEvents = EventText({"Jan 05\tFive", "Jan 5\tUnpadded", "Jan 15\tFifteen"});
    EXPECT_STREQ(CaptionsOn(strEvents, 2000, 1, 5), "Five\r\n");
    EXPECT_STREQ(CaptionsOn(strEvents, 2000, 1, 15), "Fifteen\r\n");
}

TEST(EventRules, FindsTheEntryAtTheEndOfALongList) {
    CString strEvents;
    for (int i = 0; i < 499; ++i)
        strEvents += "Feb 02\tFiller " + CString::FromInt(i) + "\r\n";
    strEvents += "Dec 31\tLast entry\r\n";
    EXPECT_STREQ(CaptionsOn(strEvents, 2037, 12, 31), "Last entry\r\n");
    CString strFeb = CaptionsOn(strEvents, 2037, 2, 2);
    EXPECT_EQ(strFeb.Left(10), "Filler 0\r\n");
    EXPECT_EQ(strFeb.Right(12), "Filler 498\r\n");
}

TEST(EventRules, OutOfRangeArgumentsGiveNothing) {
    CString strEvents = EventText({"Jan 01\tA", "Jan-Sun #1\tB"});
    const CEventRules events(strEvents, "");
    EXPECT_STREQ(events.CaptionsForDay(2000, 0, 0, "1", "", 0, false), "");
    EXPECT_STREQ(events.CaptionsForDay(2000, 13, 0, "1", "", 0, false), "");
    EXPECT_STREQ(events.CaptionsForDay(2000, 1, 7, "1", "", 0, false), "");
    EXPECT_STREQ(events.CaptionsForDay(2000, 1, -1, "1", "", 0, false), "");
    EXPECT_STREQ(events.CaptionsForDay(2000, 1, 0, "1", "", 5, false), "");
    EXPECT_STREQ(events.CaptionsForDay(2000, 1, 0, "1", "", 0, false), "A\r\nB\r\n");
}
