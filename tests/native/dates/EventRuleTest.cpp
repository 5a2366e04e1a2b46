#include "dates/DateCalc.h"
#include "dates/EventList.h"
#include "dates/EventRule.h"
#include "dates/EventRules.h"

#include <gtest/gtest.h>

#include "DayCaptions.h"

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// Julian day numbers (Fliegel and Van Flandern), for a date arithmetic of
// the test's own.
long JdnFromGregorian(int y, int m, int d) {
    long a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - yy / 100 + yy / 400 - 32045;
}

long JdnFromJulian(int y, int m, int d) {
    long a = (14 - m) / 12, yy = y + 4800 - a, mm = m + 12 * a - 3;
    return d + (153 * mm + 2) / 5 + 365 * yy + yy / 4 - 32083;
}

CalDate GregorianFromJdn(long jdn) {
    long a = jdn + 32044, b = (4 * a + 3) / 146097, c = a - 146097 * b / 4;
    long d = (4 * c + 3) / 1461, e = c - 1461 * d / 4, m = (5 * e + 2) / 153;
    return CalDate{int(100 * b + d - 4800 + m / 10), int(m + 3 - 12 * (m / 10)),
                   int(e - (153 * m + 2) / 5 + 1)};
}

// Gauss's Easter algorithm, Gregorian, with its two exceptions.
long GaussEaster(int y) {
    int k = y / 100, p = (13 + 8 * k) / 25, q = k / 4;
    int M = (15 - p + k - q) % 30, N = (4 + k - q) % 7;
    int a = y % 19, b = y % 4, c = y % 7;
    int d = (19 * a + M) % 30, e = (2 * b + 4 * c + 6 * d + N) % 7;
    if (d == 29 && e == 6)
        return JdnFromGregorian(y, 4, 19);
    if (d == 28 && e == 6 && (11 * M + 11) % 30 < 19)
        return JdnFromGregorian(y, 4, 18);
    return JdnFromGregorian(y, 3, 22) + d + e;
}

// Gauss's algorithm with the Julian constants, then the Julian date's day.
long GaussOrthodoxEaster(int y) {
    int a = y % 19, b = y % 4, c = y % 7;
    int d = (19 * a + 15) % 30, e = (2 * b + 4 * c + 6 * d + 6) % 7;
    return JdnFromJulian(y, 3, 22) + d + e;
}

CString EventText(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& line : lines)
        s += line + "\r\n";
    return CString(s);
}

std::vector<std::string> Sorted(std::vector<std::string> lines) {
    CEventList list;
    for (const std::string& line : lines)
        list.AddLine(line.c_str());
    list.Sort();
    lines.clear();
    for (const CString& str : list.GetLines())
        lines.push_back(str.str());
    return lines;
}

} // namespace

TEST(EventRule, ParsesExactlyTheNewFormsAndWritesThemBack) {
    struct {
        const char* pszText;
        CEventRule::Kind kind;
        int nOffset, nMonth, nDay, nYear;
    } cases[] = {
        {"EASTER+1", CEventRule::easter, 1, 0, 0, 0},
        {"EASTER-2", CEventRule::easter, -2, 0, 0, 0},
        {"EASTER+99", CEventRule::easter, 99, 0, 0, 0},
        {"EASTER-47", CEventRule::easter, -47, 0, 0, 0},
        {"OEASTER", CEventRule::orthodoxEaster, 0, 0, 0, 0},
        {"OEASTER+39", CEventRule::orthodoxEaster, 39, 0, 0, 0},
        {"OEASTER-7", CEventRule::orthodoxEaster, -7, 0, 0, 0},
        {"Mar 14 *1879", CEventRule::age, 0, 3, 14, 1879},
        {"Dec 31 *2037", CEventRule::age, 0, 12, 31, 2037},
        {"Feb 29 *1980", CEventRule::age, 0, 2, 29, 1980},
        // The forms of before, and near misses, are no rule.
        {"EASTER", CEventRule::none, 0, 0, 0, 0},
        {"EASTER+0", CEventRule::none, 0, 0, 0, 0},
        {"EASTER+05", CEventRule::none, 0, 0, 0, 0},
        {"EASTER+100", CEventRule::none, 0, 0, 0, 0},
        {"EASTER+", CEventRule::none, 0, 0, 0, 0},
        {"EASTER 1", CEventRule::none, 0, 0, 0, 0},
        {"EASTER+1 ", CEventRule::none, 0, 0, 0, 0},
        {"easter+1", CEventRule::none, 0, 0, 0, 0},
        {"OEASTER+0", CEventRule::none, 0, 0, 0, 0},
        {"OEASTER-x", CEventRule::none, 0, 0, 0, 0},
        {"Oeaster", CEventRule::none, 0, 0, 0, 0},
        {"Mar 14", CEventRule::none, 0, 0, 0, 0},
        {"Mar 14, 1879", CEventRule::none, 0, 0, 0, 0},
        {"Mar 14 *879", CEventRule::none, 0, 0, 0, 0},
        {"Mar 14 *18790", CEventRule::none, 0, 0, 0, 0},
        {"Mar 14  *1879", CEventRule::none, 0, 0, 0, 0},
        {"mar 14 *1879", CEventRule::none, 0, 0, 0, 0},
        {"Mar 4 *1879", CEventRule::none, 0, 0, 0, 0},
        {"Mar 00 *1879", CEventRule::none, 0, 0, 0, 0},
        {"Mar 32 *1879", CEventRule::none, 0, 0, 0, 0},
        {"Mar-Mon #1", CEventRule::none, 0, 0, 0, 0},
        {"", CEventRule::none, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        CEventRule rule = CEventRule::Parse(c.pszText);
        EXPECT_EQ(rule.GetKind(), c.kind) << c.pszText;
        if (c.kind == CEventRule::none)
            continue;
        EXPECT_EQ(rule.GetOffset(), c.nOffset) << c.pszText;
        EXPECT_EQ(rule.GetMonth(), c.nMonth) << c.pszText;
        EXPECT_EQ(rule.GetDay(), c.nDay) << c.pszText;
        EXPECT_EQ(rule.GetYear(), c.nYear) << c.pszText;
        EXPECT_EQ(rule.Text(), c.pszText);
    }
}

// Every day of 1970 to 2037 evaluated as the month view does, against dates
// computed here by other algorithms.
TEST(EventRule, DaysFromEasterMatchAnIndependentComputationInEveryYear) {
    struct Holiday {
        const char* pszDate;
        const char* pszCaption;
        int nOffset;
        bool bOrthodox;
    } holidays[] = {
        {"EASTER-2", "Good Friday", -2, false},     {"EASTER+1", "Easter Monday", 1, false},
        {"EASTER+39", "Ascension", 39, false},      {"EASTER+50", "Whit Monday", 50, false},
        {"EASTER+60", "Corpus Christi", 60, false}, {"EASTER-47", "Shrove Tuesday", -47, false},
        {"OEASTER", "Orthodox Easter", 0, true},    {"OEASTER-99", "Far before", -99, true},
    };
    std::vector<std::string> lines;
    std::map<std::string, std::vector<long>> expected, actual;
    for (const Holiday& h : holidays) {
        lines.push_back(std::string(h.pszDate) + "\t" + h.pszCaption);
        for (int y = FIRST_YEAR; y <= LAST_YEAR + 1; ++y) {
            long jdn = (h.bOrthodox ? GaussOrthodoxEaster(y) : GaussEaster(y)) + h.nOffset;
            if (GregorianFromJdn(jdn).m_nYear <= LAST_YEAR)
                expected[h.pszCaption].push_back(jdn);
        }
    }
    const CString strEvents = EventText(lines);
    for (long jdn = JdnFromGregorian(FIRST_YEAR, 1, 1); jdn <= JdnFromGregorian(LAST_YEAR, 12, 31);
         ++jdn) {
        CalDate date = GregorianFromJdn(jdn);
        std::string s = CaptionsOn(strEvents, date.m_nYear, date.m_nMonth, date.m_nDay).str();
        for (size_t pos = 0; pos < s.size(); pos = s.find("\r\n", pos) + 2)
            actual[s.substr(pos, s.find("\r\n", pos) - pos)].push_back(jdn);
    }
    for (const Holiday& h : holidays) {
        EXPECT_EQ(actual[h.pszCaption], expected[h.pszCaption]) << h.pszCaption;
        EXPECT_GE(actual[h.pszCaption].size(), 67u) << h.pszCaption;
    }
    EXPECT_EQ(actual.size(), std::size(holidays));
}

TEST(EventRule, AgesCountTheYearsSinceAndNothingBefore) {
    const CString strEvents =
        EventText({"Mar 14 *1879\tAlbert", "Feb 29 *1980\tLeap", "Jul 04 *2030\tLater"});
    struct {
        int y, m, d;
        const char* pszNote;
        const char* pszCaptions;
    } cases[] = {
        {2026, 3, 14, "\r\n", "Albert (147)\r\n"},
        {1970, 3, 14, "\r\n", "Albert (91)\r\n"},
        {2026, 3, 13, "\r\n", ""},
        {2024, 2, 29, "\r\n", "Leap (44)\r\n"},
        {2023, 2, 28, "\r\n", ""},
        {2023, 3, 1, "\r\n", ""},
        {2029, 7, 4, "\r\n", ""},
        {2030, 7, 4, "\r\n", "Later\r\n"},
        {2031, 7, 4, "\r\n", "Later (1)\r\n"},
        // A caption that stands as a line of the note is not repeated.
        {2026, 3, 14, "\r\nAlbert (147)\r\n", ""},
        {2026, 3, 14, "\r\nAlbert\r\n", "Albert (147)\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaptionsOn(strEvents, c.y, c.m, c.d, c.pszNote), c.pszCaptions)
            << c.y << "-" << c.m << "-" << c.d;
}

TEST(EventRule, CaptionsKeepTheListOrderAndEasterItsFixedLine) {
    // 2025: Easter and Orthodox Easter both on 20 April, a Sunday.
    const std::vector<std::string> lines =
        Sorted({"EASTER+1\tEaster Monday", "Apr 21, 2025\tOne", "Apr-Mon #3\tThird",
                "Apr 21\tAnnual", "Apr 21 *2000\tBorn", "OEASTER\tPascha", "EASTER\tSunrise",
                "OEASTER+1\tBright Monday", "Apr 20\tDay", "Apr 21 *1990\tAlso"});
    const CString strEvents = EventText(lines);
    EXPECT_EQ(CaptionsOn(strEvents, 2025, 4, 21),
              "Also (35)\r\nAnnual\r\nBorn (25)\r\nOne\r\nThird\r\nEaster Monday\r\nBright "
              "Monday\r\n");
    EXPECT_EQ(CaptionsOn(strEvents, 2025, 4, 20), "Day\r\nEaster\r\nPascha\r\n");
    // In 2024 Orthodox Easter is 5 May, five weeks after Easter.
    EXPECT_EQ(CaptionsOn(strEvents, 2024, 5, 5), "Pascha\r\n");
    EXPECT_EQ(CaptionsOn(strEvents, 2024, 5, 6), "Bright Monday\r\n");
    EXPECT_EQ(CaptionsOn(strEvents, 2024, 4, 1), "Easter Monday\r\n");
}

TEST(EventRule, SortPutsEasterDaysAfterEasterAndAgesAmongTheirDay) {
    EXPECT_EQ(
        Sorted({"May 01\tM", "OEASTER+1\tf", "EASTER+10\td", "EASTER-2\tb", "OEASTER\te",
                "EASTER\ta", "EASTER+2\tc", "Apr 30\tz", "Mar 14, 2026\tq", "Mar 14 *1879\tAl",
                "Mar 14\tPi", "Mar 14 *2000\tBe", "Mar 13 *2000\tZed", "Mar-Sun #2\ts"}),
        (std::vector<std::string>{"Mar 13 *2000\tZed", "Mar 14 *1879\tAl", "Mar 14 *2000\tBe",
                                  "Mar 14\tPi", "Mar 14, 2026\tq", "Mar-Sun #2\ts", "Apr 30\tz",
                                  "EASTER\ta", "EASTER-2\tb", "EASTER+2\tc", "EASTER+10\td",
                                  "OEASTER\te", "OEASTER+1\tf", "May 01\tM"}));
}

// The order of the lists of before, as their sorted list box gave it: 13
// passes that each take the lines of one prefix, in any case, and sort them.
TEST(EventListSort, LargeRandomListsKeepTheOrderOfBefore) {
    const char* const apszPrefixes[] = {"jan", "feb", "mar", "apr", "easter", "may", "jun",
                                        "jul", "aug", "sep", "oct", "nov",    "dec"};
    auto fold = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
        return s;
    };
    auto reference = [&](std::vector<std::string> lines) {
        std::vector<std::string> result;
        for (const char* pszPrefix : apszPrefixes) {
            std::vector<std::string> group;
            for (auto it = lines.begin(); it != lines.end();) {
                if (fold(*it).rfind(pszPrefix, 0) == 0) {
                    group.push_back(*it);
                    it = lines.erase(it);
                } else {
                    ++it;
                }
            }
            std::stable_sort(
                group.begin(), group.end(),
                [&](const std::string& a, const std::string& b) { return fold(a) < fold(b); });
            result.insert(result.end(), group.begin(), group.end());
        }
        lines.insert(lines.end(), result.begin(), result.end());
        return lines;
    };
    std::mt19937 random(20261207);
    auto pick = [&](int n) { return (int)(random() % n); };
    const char* const apszDates[] = {
        "Jan 01",     "jan 01",     "Feb 29", "Mar 03, 1999", "APR 30",     "EASTER", "easter",
        "EASTERN",    "May-Mon #L", "Jun 14", "Jul 04, 2000", "Aug-Sun #1", "sep 09", "Oct 31",
        "Nov-Thu #4", "Dec 25",     "",       "Xmas",         "Ja",         "Decimal"};
    const char* const apszCaptions[] = {"A", "a", "B", "Party", "party", "_x", "zoo", "Zoo", ""};
    for (int nRound = 0; nRound < 4; ++nRound) {
        std::vector<std::string> lines;
        for (int i = 0; i < 3000; ++i)
            lines.push_back(std::string(apszDates[pick(20)]) + (pick(9) ? "\t" : ";") +
                            apszCaptions[pick(9)] + std::to_string(pick(3)));
        EXPECT_EQ(Sorted(lines), reference(lines)) << nRound;
    }
}
