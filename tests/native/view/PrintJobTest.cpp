#include "view/PrintJob.h"

#include <gtest/gtest.h>

TEST(PrintJobTest, MonthRunPagesAreTheFollowingMonths) {
    struct Case {
        int nMonth, nYear, nFrom, nTo;
        int nPages;
        int nFirstMonth, nFirstYear, nLastMonth, nLastYear;
    } const cases[] = {
        {1, 2027, 1, 12, 12, 1, 2027, 12, 2027},   // a whole year from January
        {11, 2026, 1, 3, 3, 11, 2026, 1, 2027},    // into the next year
        {12, 2037, 1, 12, 12, 12, 2037, 11, 2038}, // past the last year the page offers
        {5, 1999, 4, 6, 3, 8, 1999, 10, 1999},     // a range not from page 1
        {3, 2026, 1, 1, 1, 3, 2026, 3, 2026},      // "All" and page 1 alone
        {3, 2026, 0, 40, 12, 3, 2026, 2, 2027},    // clamped to twelve pages
        {3, 2026, 5, 2, 1, 7, 2026, 7, 2026},      // to before from: the from page alone
        {3, 2026, 13, 13, 1, 2, 2027, 2, 2027},    // past the last page: the last page
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.nMonth << "/" << c.nYear << " pages " << c.nFrom << "-" << c.nTo);
        const CPrintJob job = CPrintJob::MonthRun(c.nMonth, c.nYear, c.nFrom, c.nTo);
        ASSERT_EQ(c.nPages, job.PageCount());
        EXPECT_EQ(c.nFirstMonth, job.Page(1).nMonth);
        EXPECT_EQ(c.nFirstYear, job.Page(1).nYear);
        EXPECT_EQ(c.nLastMonth, job.Page(c.nPages).nMonth);
        EXPECT_EQ(c.nLastYear, job.Page(c.nPages).nYear);
        // Only the calendar's own month carries its day notes.
        for (int nPage = 1; nPage <= job.PageCount(); ++nPage)
            EXPECT_EQ(c.nFrom <= 1 && nPage == 1, job.Page(nPage).bOwnMonth) << nPage;
    }
    // Page numbers outside the job give its first page, never a stray one.
    const CPrintJob job = CPrintJob::MonthRun(6, 2026, 1, 2);
    EXPECT_EQ(6, job.Page(0).nMonth);
    EXPECT_EQ(6, job.Page(3).nMonth);
}

TEST(PrintJobTest, CalendarsAreOrderedByYearThenMonthYearCalendarsFirst) {
    struct Case {
        const char* pszName;
        std::vector<CCalendarKey> keys;
        std::vector<int> order; // calendar indices, page by page
    } const cases[] = {
        {"months of one year", {{false, 3, 2027}, {false, 1, 2027}, {false, 2, 2027}}, {1, 2, 0}},
        {"across years", {{false, 1, 2028}, {false, 12, 2027}}, {1, 0}},
        {"year calendar first in its year",
         {{false, 1, 2027}, {true, 0, 2027}, {false, 12, 2026}, {true, 0, 2028}},
         {2, 1, 0, 3}},
        {"a year calendar's stored month does not count",
         {{false, 1, 2027}, {true, 7, 2027}},
         {1, 0}},
        {"equal keys keep the order given",
         {{false, 5, 2027}, {false, 5, 2027}, {false, 4, 2027}},
         {2, 0, 1}},
        {"none", {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        const CPrintJob job = CPrintJob::Calendars(c.keys);
        ASSERT_EQ((int)c.order.size(), job.PageCount());
        for (int nPage = 1; nPage <= job.PageCount(); ++nPage) {
            const CPrintPage& page = job.Page(nPage);
            EXPECT_EQ(c.order[nPage - 1], page.nCalendar) << nPage;
            EXPECT_TRUE(page.bOwnMonth);
        }
    }
}
