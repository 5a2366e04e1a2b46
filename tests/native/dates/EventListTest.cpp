#include "dates/EventFileNames.h"
#include "dates/EventList.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// An event file's "Events" section as the private-profile reader sees it:
// a missing key reads as the default "END".
struct FakeSection {
    std::map<int, CString> m_values;
    std::vector<int> m_anAsked;

    CString Fetch(int nKey) {
        m_anAsked.push_back(nKey);
        auto it = m_values.find(nKey);
        return it == m_values.end() ? CString("END") : it->second;
    }
    void Store(int nKey, const CString& strValue) { m_values[nKey] = strValue; }
};

CEventList ReadFrom(FakeSection& section) {
    CEventList list;
    list.Read([&](int nKey) { return section.Fetch(nKey); });
    return list;
}

CEventList ListOf(const std::vector<const char*>& apszLines) {
    CEventList list;
    for (const char* psz : apszLines)
        list.AddLine(psz);
    return list;
}

std::vector<std::string> LinesOf(const CEventList& list) {
    std::vector<std::string> lines;
    for (const CString& strLine : list.GetLines())
        lines.push_back(strLine.str());
    return lines;
}

} // namespace

TEST(EventListRead, StopsAtTheFirstMissingKey) {
    FakeSection section;
    section.m_values = {{0, "Jan 01;A"}, {1, "Feb 02;B"}, {3, "Mar 03;C"}};
    CEventList list = ReadFrom(section);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"Jan 01\tA", "Feb 02\tB"}));
    EXPECT_EQ(section.m_anAsked, (std::vector<int>{0, 1, 2}));
}

TEST(EventListRead, ReadsAtMostFiveHundredEntries) {
    FakeSection section;
    for (int i = 0; i < 600; ++i)
        section.m_values[i] = CString::FromInt(i) + ";x";
    CEventList list = ReadFrom(section);
    EXPECT_EQ(list.GetCount(), 500);
    EXPECT_EQ(section.m_anAsked.back(), 499);
    // Lines of no month keep the order of the file.
    EXPECT_EQ(list.GetLine(499), "499\tx");
}

TEST(EventListRead, ValueEndEndsTheListAndEmptyFileGivesNothing) {
    FakeSection section;
    section.m_values = {{0, "Jan 01;A"}, {1, "END"}, {2, "Feb 02;B"}};
    EXPECT_EQ(ReadFrom(section).GetCount(), 1);

    FakeSection empty;
    CEventList list = ListOf({"Jan 01\told"});
    list.Read([&](int nKey) { return empty.Fetch(nKey); });
    EXPECT_TRUE(list.IsEmpty());
}

TEST(EventListRead, TruncatesValuesAndKeepsDuplicatesAndSorts) {
    FakeSection section;
    CString strLong = "Jan 01;" + CString('c', 400);
    section.m_values = {{0, "Dec 25;X"}, {1, strLong}, {2, "Dec 25;X"}, {3, "Jan 5;Lunch"}};
    CEventList list = ReadFrom(section);
    ASSERT_EQ(list.GetCount(), 4);
    EXPECT_EQ(list.GetLine(0), "Jan 01\t" + CString('c', 259 - 7));
    EXPECT_EQ(list.GetLine(1), "Jan 05\tLunch");
    EXPECT_EQ(list.GetLine(2), "Dec 25\tX");
    EXPECT_EQ(list.GetLine(3), "Dec 25\tX");
}

TEST(EventListValue, PadsOneDigitDayOnly) {
    struct {
        const char* pszIn;
        const char* pszOut;
    } cases[] = {
        {"Jan 5;Lunch", "Jan 05;Lunch"},
        {"Jan 5, 1999;Party", "Jan 05, 1999;Party"},
        {"Jan 5", "Jan 05"},
        {"Jan 05;Lunch", "Jan 05;Lunch"},
        {"Jan 05, 1999;Party", "Jan 05, 1999;Party"},
        {"EASTER;Brunch", "EASTER;Brunch"},
        {"Jun-Sun #3;Dad", "Jun-Sun #3;Dad"},
        {"Jun-Sun #L;Dad", "Jun-Sun #L;Dad"},
        // Short values: nothing is read or written past their end.
        {"", ""},
        {"J", "J"},
        {"Jan", "Jan"},
        {"Jan ", "Jan "},
        // Values that are not a date keep their text.
        {";Party", ";Party"},
        {"Birthday;Bob", "Birthday;Bob"},
        {"Jan x;y", "Jan x;y"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CEventList::PadOneDigitDay(c.pszIn), c.pszOut) << c.pszIn;
}

TEST(EventListValue, SplitsAtTheFirstSemicolonAndJoinsBack) {
    EXPECT_EQ(CEventList::LineFromValue("Jan 05;Lunch"), "Jan 05\tLunch");
    EXPECT_EQ(CEventList::LineFromValue("Jan 05;Lunch;then;tea"), "Jan 05\tLunch;then;tea");
    EXPECT_EQ(CEventList::LineFromValue("Jan 05;"), "Jan 05\t");
    EXPECT_EQ(CEventList::LineFromValue("no date"), "\tno date");
    EXPECT_EQ(CEventList::LineFromValue(""), "\t");

    EXPECT_EQ(CEventList::ValueFromLine("Jan 05\tLunch;then;tea"), "Jan 05;Lunch;then;tea");
    EXPECT_EQ(CEventList::ValueFromLine("Jan 05\tA\tB"), "Jan 05;A\tB");
    EXPECT_EQ(CEventList::ValueFromLine("\tno date"), ";no date");
    EXPECT_EQ(CEventList::ValueFromLine("no tab"), ";no tab");
}

TEST(EventListValue, CaptionsWithSemicolonsSurviveWriteAndRead) {
    CEventList list = ListOf({"Mar 17\tGreen; beer; parade", "\tloose", "Jan 01\tA"});
    FakeSection section;
    list.Write([&](int nKey, const CString& strValue) { section.Store(nKey, strValue); });
    EXPECT_EQ(section.m_values.size(), 3u);
    EXPECT_EQ(section.m_values[0], "Mar 17;Green; beer; parade");
    EXPECT_EQ(section.m_values[1], ";loose");

    CEventList reread = ReadFrom(section);
    EXPECT_EQ(LinesOf(reread),
              (std::vector<std::string>{"\tloose", "Jan 01\tA", "Mar 17\tGreen; beer; parade"}));
}

TEST(EventListSort, PutsLinesInCalendarOrder) {
    CEventList list = ListOf({"Dec 25\tX", "EASTER\tE", "Jan 01\tN", "Feb-Mon #3\tP", "Apr 01\tF"});
    list.Sort();
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"Jan 01\tN", "Feb-Mon #3\tP", "Apr 01\tF",
                                                       "EASTER\tE", "Dec 25\tX"}));
}

TEST(EventListSort, LinesOfNoGroupStayOnTopInTheirOrder) {
    CEventList list = ListOf({"May 01\tM", "\tzeta", "Xyz\t1", "Jan 02\tJ", "\talpha", "Ea\tz"});
    list.Sort();
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"\tzeta", "Xyz\t1", "\talpha", "Ea\tz",
                                                       "Jan 02\tJ", "May 01\tM"}));
}

TEST(EventListSort, GroupsAndOrderIgnoreCase) {
    CEventList list = ListOf({"jan 10\tb", "easter\tx", "JAN 02\ta", "Jan 02\tB", "Jan-Mon #3\tK",
                              "Jan 02\tA", "APR 01\tq", "mar 01\tz"});
    list.Sort();
    // "JAN 02\ta" and "Jan 02\tA" are equal but for case and keep their order.
    EXPECT_EQ(LinesOf(list),
              (std::vector<std::string>{"JAN 02\ta", "Jan 02\tA", "Jan 02\tB", "jan 10\tb",
                                        "Jan-Mon #3\tK", "mar 01\tz", "APR 01\tq", "easter\tx"}));
}

TEST(EventListSort, OrdersWithinAGroupByTheWholeLine) {
    // A one-year date follows its annual date; punctuation sorts before
    // letters, as it does when case is folded to lower case.
    CEventList list =
        ListOf({"Jul 04\tZoo", "Jul 04, 1999\tA", "Jul 04\t_x", "Jul 04\tapple", "Jul-Sun #1\tB"});
    list.Sort();
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"Jul 04\t_x", "Jul 04\tapple", "Jul 04\tZoo",
                                                       "Jul 04, 1999\tA", "Jul-Sun #1\tB"}));
    CEventList again = list;
    again.Sort();
    EXPECT_EQ(LinesOf(again), LinesOf(list));
}

TEST(EventListSort, LongListsKeepTheOrderOfEqualLines) {
    // Far past the length up to which a sort inserts lines one by one: lines
    // equal but for case, and lines of no group, still keep their order.
    auto cased = [](std::string s, int nBits) {
        for (size_t i = 0; i < s.size(); ++i)
            if (nBits >> i & 1)
                s[i] = (char)toupper((unsigned char)s[i]);
        return s;
    };
    CEventList list;
    std::vector<std::string> astrNoGroup, astrJan, astrDec;
    for (int i = 0; i < 30; ++i) {
        astrDec.push_back(cased("dec 24\tparty", i * 7 % 64));
        astrNoGroup.push_back("\tnote " + std::to_string(29 - i));
        astrJan.push_back(cased("jan 01\tbrunch", i * 11 % 64 + 64));
        for (const std::string* p : {&astrDec.back(), &astrNoGroup.back(), &astrJan.back()})
            list.AddLine(p->c_str());
    }
    list.Sort();
    std::vector<std::string> astrExpected = astrNoGroup;
    astrExpected.insert(astrExpected.end(), astrJan.begin(), astrJan.end());
    astrExpected.insert(astrExpected.end(), astrDec.begin(), astrDec.end());
    EXPECT_EQ(LinesOf(list), astrExpected);
}

// An insertion appends one line to a sorted list: it goes after the lines
// it sorts with, as in a whole sort.
TEST(EventListSort, ALineAppendedToASortedListGoesToItsPlace) {
    const std::vector<std::string> sorted = {"\tnote", "Jan 01\ta", "Jan 02\tb", "EASTER\te",
                                             "Dec 25\tx"};
    const struct {
        const char* pszLine;
        size_t nPlace;
    } rows[] = {{"\tfirst", 1},   {"JAN 01\tA", 2},  {"Jan 01\t0", 1},
                {"Dec 31\tz", 5}, {"Easter\te2", 4}, {"Jan 01, 1999\ta", 2}};
    for (const auto& row : rows) {
        CEventList list;
        for (const std::string& strLine : sorted)
            list.AddLine(strLine.c_str());
        list.AddLine(row.pszLine);
        list.Sort();
        std::vector<std::string> expected = sorted;
        expected.insert(expected.begin() + row.nPlace, row.pszLine);
        EXPECT_EQ(LinesOf(list), expected) << row.pszLine;
    }
}

TEST(EventListText, BuildsLinesWithBreaksAndFindsWholeLines) {
    CEventList list = ListOf({"Jan 01\tNew Year", "Jul 04\tParty at Bob's"});
    CString strText = list.BuildEventText();
    EXPECT_EQ(strText, "Jan 01\tNew Year\r\nJul 04\tParty at Bob's\r\n");
    EXPECT_EQ(CEventList().BuildEventText(), "");

    EXPECT_TRUE(CEventList::EventTextHasLine(strText, "Jan 01\tNew Year"));
    EXPECT_TRUE(CEventList::EventTextHasLine(strText, "Jul 04\tParty at Bob's"));
    // Only whole lines count: a longer caption, a tail of a line, another case.
    EXPECT_FALSE(CEventList::EventTextHasLine(strText, "Jul 04\tParty"));
    EXPECT_FALSE(CEventList::EventTextHasLine(strText, "01\tNew Year"));
    EXPECT_FALSE(CEventList::EventTextHasLine(strText, "jan 01\tNew Year"));
    EXPECT_FALSE(CEventList::EventTextHasLine("", "Jan 01\tNew Year"));
    // A tail match first, the whole line later.
    EXPECT_TRUE(CEventList::EventTextHasLine("XJan 01\tA\r\nJan 01\tA\r\n", "Jan 01\tA"));
}

TEST(EventListLines, FindsIgnoringCaseAndRemoves) {
    CEventList list = ListOf({"Jan 01\tA", "Feb 02\tB", "Mar 03\tC"});
    EXPECT_EQ(list.FindLineNoCase("FEB 02\tb"), 1);
    EXPECT_EQ(list.FindLineNoCase("Feb 02\tB "), -1);
    list.RemoveLine(1);
    list.RemoveLine(7);
    EXPECT_EQ(LinesOf(list), (std::vector<std::string>{"Jan 01\tA", "Mar 03\tC"}));
}

TEST(EventFileNames, ResolvesToTheCommandLineFileOrTheStartFolder) {
    const CString strCurDir = "C:\\Cal\\";
    EXPECT_EQ(ResolveEventFilePath("Party", "", strCurDir), "C:\\Cal\\Party.evn");
    EXPECT_EQ(ResolveEventFilePath("Party", "D:\\x\\Party.evn", strCurDir), "D:\\x\\Party.evn");
    // The name must follow a backslash and match in case.
    EXPECT_EQ(ResolveEventFilePath("arty", "D:\\x\\Party.evn", strCurDir), "C:\\Cal\\arty.evn");
    EXPECT_EQ(ResolveEventFilePath("party", "D:\\x\\Party.evn", strCurDir), "C:\\Cal\\party.evn");
    EXPECT_EQ(ResolveEventFilePath("Other", "D:\\x\\Party.evn", strCurDir), "C:\\Cal\\Other.evn");
    // The shown name of "PARTY.EVN" is "PARTY", which must lead back to it.
    EXPECT_EQ(ResolveEventFilePath("PARTY", "D:\\x\\PARTY.EVN", strCurDir), "D:\\x\\PARTY.EVN");
    EXPECT_EQ(ResolveEventFilePath("Party", "D:\\x\\Party.ev", strCurDir), "C:\\Cal\\Party.evn");
}

TEST(EventFileNames, DeletePathForgetsTheCommandLineFile) {
    const CString strCurDir = "C:\\Cal\\";
    CString strArg = "D:\\x\\Party.evn";
    EXPECT_EQ(TakeEventFilePathForDelete("Home", strArg, strCurDir), "C:\\Cal\\Home.evn");
    EXPECT_EQ(strArg, "D:\\x\\Party.evn");
    EXPECT_EQ(TakeEventFilePathForDelete("", strArg, strCurDir), "");
    EXPECT_EQ(strArg, "D:\\x\\Party.evn");
    EXPECT_EQ(TakeEventFilePathForDelete("Party", strArg, strCurDir), "D:\\x\\Party.evn");
    EXPECT_EQ(strArg, "");
    EXPECT_EQ(TakeEventFilePathForDelete("Party", strArg, strCurDir), "C:\\Cal\\Party.evn");
}

TEST(EventFileNames, ShownNamesAndTheDefaultSelection) {
    EXPECT_EQ(EventFileDisplayName("C:\\Cal\\Party.evn"), "Party");
    EXPECT_EQ(EventFileDisplayName("Party.evn"), "Party");
    EXPECT_EQ(EventFileDisplayName("C:\\a.b\\My list.EVN"), "My list");
    EXPECT_EQ(EventFileDisplayName("C:\\Cal\\.evn"), "");
    EXPECT_EQ(EventFileDisplayName("C:\\Cal\\abc"), "");
    EXPECT_EQ(EventFileDisplayName("C:\\Cal\\"), "");
    EXPECT_EQ(EventFileDisplayName(""), "");

    EXPECT_EQ(DefaultEventFileName("C:\\Cal\\Home.evn", "D:\\x\\Party.evn"), "Home");
    EXPECT_EQ(DefaultEventFileName("", "D:\\x\\Party.evn"), "Party");
    EXPECT_EQ(DefaultEventFileName("", ""), "");
}

TEST(EventFileNames, CleaningRemovesWhatNamesCannotHold) {
    struct {
        const char* pszIn;
        const char* pszOut;
        int nCaret;
    } cases[] = {
        {"Fam:ily", "Family", 3},
        {"  Family", "Family", 0},
        {"   ", "", 0},
        {"My list", "My list", -1},
        {"Family ", "Family ", -1},
        {"", "", -1},
        {"a\\b/c:d*e?f\"g<h>i|j\x7fk", "abcdefghijk", 10},
        {" x:y", "xy", 1},
        {"?  x", "x", 0},
        {"Tab\there", "Tabhere", 3},
        {"Caf\xe9", "Caf\xe9", -1},
    };
    for (const auto& c : cases) {
        CString strName = c.pszIn;
        int nCaret = 99;
        EXPECT_EQ(CleanEventFileName(strName, nCaret), c.nCaret >= 0) << c.pszIn;
        EXPECT_EQ(strName, c.pszOut) << c.pszIn;
        EXPECT_EQ(nCaret, c.nCaret) << c.pszIn;
    }
}

TEST(EventList, SectionLinesKeepWhatTheListDoesNotWrite) {
    using std::string;
    struct Case {
        string strOld;
        bool bMerged;
        string strLines;
    } cases[] = {
        {"", true,
         string("0=Jan 01;A\0"
                "1=Feb 02;B\0",
                22)},
        {string("1=old\0"
                "7=Jul 07;Gap\0"
                "x=y\0"
                "00=z\0",
                28),
         true,
         string("0=Jan 01;A\0"
                "1=Feb 02;B\0"
                "7=Jul 07;Gap\0"
                "x=y\0"
                "00=z\0",
                44)},
        {string("0=old\0junk\0", 11), false, ""},
    };
    for (const Case& c : cases) {
        string strLines;
        EXPECT_EQ(c.bMerged,
                  CEventList::MergeSectionLines({"Jan 01;A", "Feb 02;B"}, c.strOld, strLines));
        if (c.bMerged)
            EXPECT_EQ(c.strLines, strLines);
    }
    // The entries a shorter list replaces go too, their keys however spaced.
    using namespace std::string_literals;
    string strLines;
    EXPECT_TRUE(CEventList::MergeSectionLines({"Jan 01;A"},
                                              "0=a\0"
                                              "1=b\0"
                                              "2 =c\0"
                                              "3=d\0"
                                              "12=e\0"s,
                                              strLines, 3));
    EXPECT_EQ("0=Jan 01;A\0"
              "3=d\0"
              "12=e\0"s,
              strLines);
}
