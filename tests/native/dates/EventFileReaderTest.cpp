#include "dates/EventFileReader.h"

#include "dates/EventSection.h"

#include <gtest/gtest.h>

#include <string>

// One section with what a file may hold: a one-digit day, a value longer than
// the list shows, and a gap in the keys after which nothing more is an entry.
TEST(EventFileReaderTest, ListsTheShownLinesAndKeepsEachWholeValue) {
    const std::string strLong = "Jan 01;" + std::string(300, 'x');
    using namespace std::string_literals;
    const CEventFileReader file(CEventSection("0=May 5;Five\0"s + "1=" + strLong + '\0' +
                                              "2=Apr 01;Fools\0"s + "4=Dec 24;After the gap\0"s));

    const CString strShownLong =
        "Jan 01\t" + CString(std::string(CEventList::MAX_VALUE_LENGTH - 7, 'x').c_str());
    EXPECT_EQ(file.m_list.GetLines(),
              (std::vector<CString>{strShownLong, "Apr 01\tFools", "May 05\tFive"}));
    EXPECT_EQ(file.m_astrValues, (std::vector<CString>{"May 5;Five", strLong, "Apr 01;Fools"}));
    ASSERT_EQ(file.m_mapValues.size(), 3u);
    EXPECT_EQ(file.m_mapValues.find("May 05\tFive")->second, "May 5;Five");
    EXPECT_EQ(file.m_mapValues.find(strShownLong)->second, strLong);
}
