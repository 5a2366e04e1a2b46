#include "dates/DateCalc.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ctime>

namespace {

// Days since 1 January 1970 of a Gregorian date, by the days-from-civil
// method (eras of 400 years, March-based years).
long DaysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

// 1 January 1970 was a Thursday.
int ReferenceWeekday(int y, int m, int d) {
    return (int)((DaysFromCivil(y, m, d) + 4) % 7);
}

// The anonymous Gregorian (Meeus/Jones/Butcher) Easter algorithm.
MonthDay ReferenceEaster(int y) {
    int a = y % 19, b = y / 100, c = y % 100;
    int d = b / 4, e = b % 4, f = (b + 8) / 25, g = (b - f + 1) / 3;
    int h = (19 * a + b - d - g + 15) % 30;
    int i = c / 4, k = c % 4;
    int l = (32 + 2 * e + 2 * i - h - k) % 7;
    int m = (a + 11 * h + 22 * l) / 451;
    int month = (h + l - 7 * m + 114) / 31;
    int day = (h + l - 7 * m + 114) % 31 + 1;
    return MonthDay{month, day};
}

CalDate LocalToday() {
    time_t now = time(nullptr);
    struct tm local = {};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return CalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

bool SameDate(const CalDate& a, const CalDate& b) {
    return a.m_nYear == b.m_nYear && a.m_nMonth == b.m_nMonth && a.m_nDay == b.m_nDay;
}

} // namespace

TEST(DateCalc, MonthLengthsAndWeekdaysOfEveryDayInRange) {
    for (int y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
        for (int m = 1; m <= 12; ++m) {
            int nextY = m == 12 ? y + 1 : y, nextM = m == 12 ? 1 : m + 1;
            int expected = (int)(DaysFromCivil(nextY, nextM, 1) - DaysFromCivil(y, m, 1));
            ASSERT_EQ(DaysInMonth(y, m), expected) << y << "-" << m;
            for (int d = 1; d <= expected; ++d)
                ASSERT_EQ(WeekdayOf(y, m, d), ReferenceWeekday(y, m, d))
                    << y << "-" << m << "-" << d;
        }
    }
    EXPECT_EQ(WeekdayOf(2038, 1, 1), 5);
    EXPECT_EQ(WeekdayOf(2038, 1, 1), ReferenceWeekday(2038, 1, 1));
}

// The week layout counts days over every year it accepts: each day is one on from the day
// before, and the count agrees with Zeller's weekdays.
TEST(DateCalc, DayNumberCountsEveryDayOfYearsOneTo9999) {
    EXPECT_EQ(DayNumber(1970, 1, 1), 0);
    int nExpected = DayNumber(1, 1, 1);
    for (int y = 1; y <= 9999; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= DaysInMonth(y, m); ++d, ++nExpected) {
                ASSERT_EQ(DayNumber(y, m, d), nExpected) << y << "-" << m << "-" << d;
                ASSERT_EQ(((nExpected + 4) % 7 + 7) % 7, WeekdayOf(y, m, d))
                    << y << "-" << m << "-" << d;
            }
}

TEST(DateCalc, NamedMonthLengthsAndWeekdayPlaces) {
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1999, 2), 28);
    EXPECT_EQ(DaysInMonth(2037, 12), 31);
    struct Case {
        int nDay, nDays, nIndex;
        bool bLast;
    } cases[] = {
        {29, 31, 4, true}, {25, 31, 3, true}, {24, 31, 3, false},
        {22, 28, 3, true}, {7, 30, 0, false}, {23, 30, 3, false},
    };
    for (const Case& c : cases) {
        WeekdayPlace place = WeekdayOrdinal(c.nDay, c.nDays);
        EXPECT_EQ(place.m_nIndex, c.nIndex) << c.nDay << "/" << c.nDays;
        EXPECT_EQ(place.m_bLast, c.bLast) << c.nDay << "/" << c.nDays;
    }
}

TEST(DateCalc, WeekdayOrdinalMatchesCountedOccurrences) {
    for (int n = 28; n <= 31; ++n) {
        for (int d = 1; d <= n; ++d) {
            int before = 0, after = 0;
            for (int e = d - 7; e >= 1; e -= 7)
                ++before;
            for (int e = d + 7; e <= n; e += 7)
                ++after;
            WeekdayPlace place = WeekdayOrdinal(d, n);
            EXPECT_EQ(place.m_nIndex, before) << d << "/" << n;
            EXPECT_EQ(place.m_bLast, after == 0) << d << "/" << n;
        }
    }
}

TEST(DateCalc, EasterMatchesAnonymousAlgorithmAndFallsOnSunday) {
    int earliest = 99, latest = 0;
    for (int y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
        MonthDay easter = EasterSunday(y);
        MonthDay expected = ReferenceEaster(y);
        ASSERT_EQ(easter.m_nMonth, expected.m_nMonth) << y;
        ASSERT_EQ(easter.m_nDay, expected.m_nDay) << y;
        EXPECT_EQ(WeekdayOf(y, easter.m_nMonth, easter.m_nDay), 0) << y;
        int dayOfSpring = easter.m_nMonth == 3 ? easter.m_nDay : 31 + easter.m_nDay;
        if (dayOfSpring < earliest)
            earliest = dayOfSpring;
        if (dayOfSpring > latest)
            latest = dayOfSpring;
    }
    EXPECT_EQ(earliest, 23);    // 23 March 2008
    EXPECT_EQ(latest, 31 + 24); // 24 April 2011
}

TEST(DateCalc, NamedEasterDatesAndKeys) {
    struct Case {
        int nYear, nMonth, nDay;
        const char* pszKey;
    } cases[] = {
        {1970, 3, 29, "Mar 29\t"}, {1999, 4, 4, "Apr 04\t"},  {2000, 4, 23, "Apr 23\t"},
        {2008, 3, 23, "Mar 23\t"}, {2011, 4, 24, "Apr 24\t"}, {2037, 4, 5, "Apr 05\t"},
    };
    for (const Case& c : cases) {
        MonthDay easter = EasterSunday(c.nYear);
        EXPECT_EQ(easter.m_nMonth, c.nMonth) << c.nYear;
        EXPECT_EQ(easter.m_nDay, c.nDay) << c.nYear;
        EXPECT_STREQ(MakeEasterKey(c.nYear), c.pszKey);
    }
}

TEST(DateCalc, EasterKeyHasAnnualDateFormEveryYear) {
    for (int y = FIRST_YEAR; y <= LAST_YEAR; ++y) {
        MonthDay easter = ReferenceEaster(y);
        char expected[16];
        snprintf(expected, sizeof expected, "%s %02d\t", easter.m_nMonth == 3 ? "Mar" : "Apr",
                 easter.m_nDay);
        EXPECT_STREQ(MakeEasterKey(y), expected) << y;
    }
}

TEST(DateCalc, TodayIsTheLocalDateOfTheSystemClock) {
    CalDate before = LocalToday();
    CalDate today = GetToday();
    CalDate after = LocalToday();
    // Midnight may pass between the readings.
    EXPECT_TRUE(SameDate(today, before) || SameDate(today, after))
        << today.m_nYear << "-" << today.m_nMonth << "-" << today.m_nDay;
    EXPECT_GE(today.m_nMonth, 1);
    EXPECT_LE(today.m_nMonth, 12);
    EXPECT_GE(today.m_nDay, 1);
    EXPECT_LE(today.m_nDay, DaysInMonth(today.m_nYear, today.m_nMonth));
}
