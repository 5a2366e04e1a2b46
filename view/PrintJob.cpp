#include "view/PrintJob.h"

#include <algorithm>

CPrintJob CPrintJob::MonthRun(int nMonth, int nYear, int nFrom, int nTo) {
    nFrom = std::clamp(nFrom, 1, kMaxMonths);
    nTo = std::clamp(nTo, nFrom, kMaxMonths);
    nMonth = std::clamp(nMonth, 1, 12);
    CPrintJob job;
    for (int nPage = nFrom; nPage <= nTo; ++nPage) {
        const int nIndex = nMonth - 1 + nPage - 1; // months since January of nYear
        CPrintPage page;
        page.nMonth = nIndex % 12 + 1;
        page.nYear = nYear + nIndex / 12;
        page.bOwnMonth = nPage == 1;
        job.m_pages.push_back(page);
    }
    return job;
}

CPrintJob CPrintJob::Calendars(const std::vector<CCalendarKey>& keys) {
    CPrintJob job;
    for (int i = 0; i < (int)keys.size(); ++i) {
        CPrintPage page;
        page.nCalendar = i;
        page.nMonth = keys[i].bYear ? 0 : keys[i].nMonth;
        page.nYear = keys[i].nYear;
        job.m_pages.push_back(page);
    }
    // A year calendar's month 0 puts it ahead of the months of its year.
    std::stable_sort(job.m_pages.begin(), job.m_pages.end(),
                     [](const CPrintPage& a, const CPrintPage& b) {
                         return a.nYear != b.nYear ? a.nYear < b.nYear : a.nMonth < b.nMonth;
                     });
    return job;
}

const CPrintPage& CPrintJob::Page(int nPage) const {
    static const CPrintPage s_none;
    if (m_pages.empty())
        return s_none;
    return nPage >= 1 && nPage <= PageCount() ? m_pages[nPage - 1] : m_pages.front();
}
