#include "dates/WeekLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>

#include "dates/DateCalc.h"
#include "dates/EventRules.h"
#include "view/BoxNavigation.h"
#include "view/MonthLayout.h"

namespace {
struct Month {
    int nYear, nMonth;
    int nThanksgiving, nMemorialDay; // where the two calculated events fall, 0 if not this month
};
// A leap February from a Sunday, 31 days from a Saturday, a month that needs a sixth row with
// Monday first and not with Sunday first, and the months of two calculated holidays.
const Month kMonths[] = {
    {2004, 2, 0, 0}, {2026, 8, 0, 0}, {2026, 3, 0, 0}, {2030, 11, 28, 0}, {1999, 5, 0, 31},
};
const char kEvents[] = "Nov-Thu #4\tThanksgiving Day\r\nMay-Mon #L\tMemorial Day\r\n";

// The day a key selects from the box of nDay; nDay itself when the selection stays.
int DayAfterKey(const CWeekLayout& weeks, CBoxNavigation::Key key, int nDay) {
    std::array<bool, 42> abHasText = {};
    for (int d = 1; d <= weeks.DaysInMonth(); ++d) {
        int c = 0, r = 0;
        weeks.FindDay(d, c, r);
        abHasText[CMonthLayout::BoxIndex(c, r)] = true;
    }
    int nCol = 0, nRow = 0;
    weeks.FindDay(nDay, nCol, nRow);
    CBoxNavigation(abHasText).OnKey(key, nCol, nRow);
    return weeks.DayInBox(nCol, nRow);
}
} // namespace

TEST(WeekLayoutTest, EveryFirstWeekdayPlacesDatesEventsAndKeys) {
    const CEventRules events(kEvents, "");
    for (int nFirst = 0; nFirst < 7; ++nFirst) {
        for (const Month& m : kMonths) {
            SCOPED_TRACE(testing::Message() << m.nYear << "-" << m.nMonth << " first " << nFirst);
            const CWeekLayout weeks(m.nYear, m.nMonth, nFirst);
            const CWeekLayout sundayFirst(m.nYear, m.nMonth);
            const int nDays = weeks.DaysInMonth();
            ASSERT_EQ(nDays, DaysInMonth(m.nYear, m.nMonth));
            int nExpected = 1;
            for (int r = 0; r < 6; ++r) {
                EXPECT_EQ(weeks.RowHasDays(r), (r * 7 - weeks.FirstColumn() + 7 > 0) &&
                                                   r * 7 - weeks.FirstColumn() < nDays);
                for (int c = 0; c < 7; ++c) {
                    const int nDay = weeks.DayInBox(c, r);
                    if (nDay == 0)
                        continue;
                    // Dates run on box by box, each in the column of its weekday.
                    EXPECT_EQ(nDay, nExpected++);
                    EXPECT_EQ(weeks.WeekdayOfColumn(c), WeekdayOf(m.nYear, m.nMonth, nDay));
                    // The note of the shown box is kept where Sunday first has that date.
                    int sc = -1, sr = -1, bc = -1, br = -1;
                    ASSERT_TRUE(weeks.StoredBox(c, r, sc, sr));
                    EXPECT_EQ(sundayFirst.DayInBox(sc, sr), nDay);
                    ASSERT_TRUE(weeks.ShownBox(sc, sr, bc, br));
                    EXPECT_EQ(bc * 10 + br, c * 10 + r);

                    const CString strCaptions = events.CaptionsForDay(
                        m.nYear, m.nMonth, weeks.WeekdayOfColumn(c), CString::FromInt(nDay), "",
                        (nDay - 1) / 7, nDay + 7 > nDays);
                    EXPECT_EQ(strCaptions.Find("Thanksgiving Day") >= 0, nDay == m.nThanksgiving);
                    EXPECT_EQ(strCaptions.Find("Memorial Day") >= 0, nDay == m.nMemorialDay);

                    EXPECT_EQ(DayAfterKey(weeks, CBoxNavigation::keyRight, nDay),
                              std::min(nDay + 1, nDays));
                    EXPECT_EQ(DayAfterKey(weeks, CBoxNavigation::keyLeft, nDay),
                              std::max(nDay - 1, 1));
                    EXPECT_EQ(DayAfterKey(weeks, CBoxNavigation::keyUp, nDay),
                              nDay > 7 ? nDay - 7 : nDay);
                    EXPECT_EQ(DayAfterKey(weeks, CBoxNavigation::keyDown, nDay),
                              nDay + 7 <= nDays ? nDay + 7 : nDay);
                    EXPECT_EQ(DayAfterKey(weeks, CBoxNavigation::keyHome, nDay), 1);
                    EXPECT_EQ(DayAfterKey(weeks, CBoxNavigation::keyEnd, nDay), nDays);
                }
            }
            EXPECT_EQ(nExpected, nDays + 1);
        }
    }
}

TEST(WeekLayoutTest, SixthRowDependsOnTheFirstWeekday) {
    // 1 March 2026 is a Sunday: five rows from Sunday, six from Monday.
    EXPECT_FALSE(CWeekLayout(2026, 3, 0).RowHasDays(5));
    EXPECT_TRUE(CWeekLayout(2026, 3, 1).RowHasDays(5));
    int c = 0, r = 0;
    ASSERT_TRUE(CWeekLayout(2026, 3, 1).FindDay(31, c, r));
    EXPECT_EQ(c * 10 + r, 1 * 10 + 5);
    // Sunday first the translation changes nothing, boxes without a date included.
    for (int i = 0; i < 42; ++i) {
        int sc = -1, sr = -1;
        ASSERT_TRUE(CWeekLayout(2026, 3, 0).StoredBox(i % 7, i / 7, sc, sr));
        EXPECT_EQ(sc + 7 * sr, i);
    }
    // A damaged file's year or month still gives a month within the grid.
    for (int nYear : {INT_MIN, -5, 0, 99999, INT_MAX}) {
        const CWeekLayout odd(nYear, 13, INT_MIN);
        EXPECT_EQ(odd.DaysInMonth(), 31);
        EXPECT_TRUE(odd.FindDay(31, c, r));
        EXPECT_LT(r, 6);
    }
    // A box whose date a Sunday-first calendar has no box for keeps nothing.
    EXPECT_FALSE(CWeekLayout(2026, 3, 1).StoredBox(0, 0, c, r)); // 23 February
}

TEST(WeekLayoutTest, IsoWeeksAcrossTheTurnOfTheYear) {
    struct {
        int y, m, d, nWeek;
    } const dates[] = {
        {2026, 12, 28, 53}, {2027, 1, 1, 53},   {2027, 1, 3, 53},   {2027, 1, 4, 1},
        {2024, 12, 31, 1},  {2024, 12, 29, 52}, {2020, 12, 31, 53}, {2021, 1, 4, 1},
        {1969, 12, 29, 1},  {1970, 1, 1, 1},    {2037, 12, 31, 53}, {2038, 1, 1, 53},
    };
    // With Monday first a date's row is its week.
    for (const auto& t : dates) {
        const CWeekLayout weeks(t.y, t.m, 1);
        int c = 0, r = 0;
        ASSERT_TRUE(weeks.FindDay(t.d, c, r));
        EXPECT_EQ(weeks.WeekNumber(r), t.nWeek) << t.y << "-" << t.m << "-" << t.d;
    }

    struct {
        int y, m, nFirst;
        std::array<int, 6> anWeeks; // of rows 0 to 5
    } const rows[] = {
        {2026, 12, 1, {49, 50, 51, 52, 53, 1}},
        {2026, 12, 0, {49, 50, 51, 52, 53, 1}}, // Monday 28 December in row 4
        {2027, 1, 6, {53, 1, 2, 3, 4, 5}},      // the Saturday row of 26 December
        {2025, 1, 1, {1, 2, 3, 4, 5, 6}},       // 30 December 2024 is in week 1
        {1970, 1, 0, {1, 2, 3, 4, 5, 6}},       // the row of 28 December 1969
    };
    for (const auto& t : rows)
        for (int r = 0; r < 6; ++r)
            EXPECT_EQ(CWeekLayout(t.y, t.m, t.nFirst).WeekNumber(r), t.anWeeks[r])
                << t.y << "-" << t.m << " first " << t.nFirst << " row " << r;
}
