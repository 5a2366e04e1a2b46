// The shipped holiday sets against the holiday library they were made from:
// for every set and every year 2000-2040, each caption shows on exactly the
// days the library gives (data/holidays/expected.txt, written with the sets
// by scripts/make-holidays).
#include "dates/EventFileReader.h"
#include "dates/EventSection.h"

#include "DayCaptions.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

namespace {

const std::filesystem::path kDir = ALMANARK_SOURCE_DIR "/data/holidays";
const int kFirstYear = 2000;
const int kLastYear = 2040;

using Dates = std::map<std::string, std::set<int>>; // caption -> YYYYMMDD

std::vector<std::string> FileLines(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// The set's entries as the Events page would list them after loading it.
CString SetEventText(const std::filesystem::path& path) {
    std::string strSection;
    bool bInEvents = false;
    for (const std::string& line : FileLines(path)) {
        if (!line.empty() && line[0] == '[')
            bInEvents = line == "[Events]";
        else if (bInEvents && !line.empty() && line[0] != ';')
            strSection += line + '\0';
    }
    return CEventFileReader(CEventSection(strSection)).m_list.BuildEventText();
}

// set -> caption -> dates, as the library gave them.
std::map<std::string, Dates> ExpectedDates() {
    std::map<std::string, Dates> expected;
    for (const std::string& line : FileLines(kDir / "expected.txt")) {
        if (line.empty() || line[0] == '#')
            continue;
        size_t nTab1 = line.find('\t'), nTab2 = line.find('\t', nTab1 + 1);
        std::istringstream dates(line.substr(nTab2 + 1));
        std::set<int>& target =
            expected[line.substr(0, nTab1)][line.substr(nTab1 + 1, nTab2 - nTab1 - 1)];
        for (int nDate; dates >> nDate;)
            target.insert(nDate);
    }
    return expected;
}

Dates ShownDates(const CString& strEvents) {
    Dates shown;
    for (int y = kFirstYear; y <= kLastYear; ++y)
        for (const auto& [caption, monthDay] : CaptionsOfYear(strEvents, y))
            shown[caption].insert(y * 10000 + monthDay);
    return shown;
}

} // namespace

TEST(HolidaySets, ShowEachHolidayOnTheLibrarysDates) {
    std::map<std::string, Dates> expected = ExpectedDates();
    ASSERT_EQ(expected.size(), 27u);
    for (const auto& entry : std::filesystem::directory_iterator(kDir)) {
        if (entry.path().extension() != ".evn")
            continue;
        std::string strSet = entry.path().stem().string();
        ASSERT_EQ(expected.count(strSet), 1u) << strSet;
        Dates shown = ShownDates(SetEventText(entry.path()));
        const Dates& want = expected[strSet];
        for (const auto& [caption, dates] : want)
            EXPECT_EQ(shown[caption], dates) << strSet << ": " << caption;
        for (const auto& [caption, dates] : shown)
            EXPECT_EQ(want.count(caption), 1u) << strSet << ": shows " << caption;
        expected.erase(strSet);
    }
    EXPECT_TRUE(expected.empty()) << expected.size() << " sets not shipped";
}
