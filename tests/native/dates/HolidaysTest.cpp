#include "dates/Holidays.h"

#include "DayCaptions.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

CString HolidayEventText() {
    CString strText;
    for (const Holiday& holiday : g_aHolidays)
        strText += CString(holiday.m_pszDate) + "\t" + holiday.m_pszName + "\r\n";
    return strText;
}

} // namespace

TEST(Holidays, FallOnTheirDatesIn2024) {
    const std::map<std::string, int> expected = {
        {"New Year's Day", 101},    {"Martin Luther King Jr", 115},
        {"Groundhog Day", 202},     {"Valentine's Day", 214},
        {"Presidents Day", 219},    {"St. Patrick's Day", 317},
        {"April Fool's Day", 401},  {"Easter", 331},
        {"May Day", 501},           {"Mother's Day", 512},
        {"Memorial Day", 527},      {"Flag Day", 614},
        {"Father's Day", 616},      {"Independence Day", 704},
        {"Labor Day", 902},         {"Columbus Day", 1014},
        {"Halloween", 1031},        {"Veterans Day", 1111},
        {"Thanksgiving Day", 1128}, {"Christmas Day", 1225},
    };
    std::multimap<std::string, int> found = CaptionsOfYear(HolidayEventText(), 2024);
    EXPECT_EQ(found.size(), expected.size());
    for (const auto& holiday : expected) {
        auto it = found.find(holiday.first);
        ASSERT_NE(it, found.end()) << holiday.first;
        EXPECT_EQ(it->second, holiday.second) << holiday.first;
    }
}

TEST(Holidays, EachFallsExactlyOnceInEveryYear) {
    CString strEvents = HolidayEventText();
    for (int y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
        std::multimap<std::string, int> found = CaptionsOfYear(strEvents, y);
        ASSERT_EQ(found.size(), (size_t)HOLIDAY_COUNT) << y;
        for (const Holiday& holiday : g_aHolidays)
            EXPECT_EQ(found.count(holiday.m_pszName), 1u) << y << " " << holiday.m_pszName;
    }
}
