// CPrintJob: the pages one print job holds and their order: a run of months
// printed from one month calendar, or several calendars printed together.
// Portable: the print loop asks it which month and which calendar each page
// shows.
#pragma once
#include <vector>

struct CPrintPage {
    int nCalendar = 0; // index of the calendar the page comes from
    int nMonth = 0;    // 1 .. 12; 0 on a year calendar's page
    int nYear = 0;
    bool bOwnMonth = true; // the calendar's own month, whose day notes it shows
};

// What orders a calendar among others: year calendars come first in their year.
struct CCalendarKey {
    bool bYear = false;
    int nMonth = 0;
    int nYear = 0;
};

class CPrintJob {
public:
    static constexpr int kMaxMonths = 12;

    // Pages nFrom .. nTo (1-based) of a month calendar: page 1 is the
    // calendar's own month, page k the month k - 1 later. The range is
    // clamped to 1 .. kMaxMonths; an empty one is the first page alone.
    static CPrintJob MonthRun(int nMonth, int nYear, int nFrom, int nTo);
    // One page per calendar, in the order of their month and year; calendars
    // of the same month keep the order given.
    static CPrintJob Calendars(const std::vector<CCalendarKey>& keys);

    int PageCount() const { return (int)m_pages.size(); }
    // nPage is 1-based; outside the job, the first page.
    const CPrintPage& Page(int nPage) const;

private:
    std::vector<CPrintPage> m_pages;
};
