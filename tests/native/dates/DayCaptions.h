// What the calendar shows over a whole year: every caption line the day
// boxes of a month calendar get from an event text, with its dates.
#pragma once
#include "dates/DateCalc.h"
#include "dates/EventRules.h"

#include <map>
#include <string>

// The captions of one day's box, below a note (an empty one by default).
inline CString CaptionsOn(const CString& strEvents, int nYear, int nMonth, int nDay,
                          const CString& strNote = "\r\n") {
    WeekdayPlace place = WeekdayOrdinal(nDay, DaysInMonth(nYear, nMonth));
    return CEventRules(strEvents, MakeEasterKey(nYear))
        .CaptionsForDay(nYear, nMonth, WeekdayOf(nYear, nMonth, nDay), CString::FromInt(nDay),
                        strNote, place.m_nIndex, place.m_bLast);
}

// Every caption line of a year with the dates (month * 100 + day) it fell on.
inline std::multimap<std::string, int> CaptionsOfYear(const CString& strEvents, int nYear) {
    std::multimap<std::string, int> found;
    const CEventRules events(strEvents, MakeEasterKey(nYear));
    for (int m = 1; m <= 12; ++m) {
        int nDays = DaysInMonth(nYear, m);
        for (int d = 1; d <= nDays; ++d) {
            WeekdayPlace place = WeekdayOrdinal(d, nDays);
            std::string captions =
                events
                    .CaptionsForDay(nYear, m, WeekdayOf(nYear, m, d), CString::FromInt(d), "\r\n",
                                    place.m_nIndex, place.m_bLast)
                    .str();
            for (size_t pos = 0; pos < captions.size();) {
                size_t end = captions.find("\r\n", pos);
                found.emplace(captions.substr(pos, end - pos), m * 100 + d);
                pos = end + 2;
            }
        }
    }
    return found;
}
