// Gregorian date arithmetic for the years 1970 to 2037 (and 1 January 2038).
// Months are 1..12, weekdays 0 = Sunday .. 6 = Saturday.
#pragma once
#include "framework/String.h"

const int FIRST_YEAR = 1970;
const int LAST_YEAR = 2037;
const int YEAR_COUNT = LAST_YEAR - FIRST_YEAR + 1;

// A file may hold any year; only these have a calendar.
inline bool IsKnownYear(int nYear) {
    return nYear >= FIRST_YEAR && nYear <= LAST_YEAR;
}

struct CalDate {
    int m_nYear;
    int m_nMonth;
    int m_nDay;
};

struct MonthDay {
    int m_nMonth;
    int m_nDay;
};

// Which occurrence of its weekday a day is within its month.
struct WeekdayPlace {
    int m_nIndex; // 0 = first .. 4 = fifth
    bool m_bLast; // the weekday does not occur again in the month
};

// Abbreviations used in event date texts; months indexed 0 = January.
extern const char* const g_apszMonthAbbrev[12];
extern const char* const g_apszWeekdayAbbrev[7];
extern const char* const g_apszOrdinal[5];

// "Mmm DD", the text of a date that comes every year.
CString AnnualDateText(int nMonth, int nDay);
// "Mmm-Www #", the text of a weekday of a month before its place ("1st", "L").
CString CalculatedDatePrefix(int nMonth, int nWeekday);

CalDate GetToday();
int DaysInMonth(int nYear, int nMonth);
int WeekdayOf(int nYear, int nMonth, int nDay);
WeekdayPlace WeekdayOrdinal(int nDay, int nDaysInMonth);
MonthDay EasterSunday(int nYear);
// Orthodox Easter Sunday as a Gregorian date (April or May), 1900 to 2099.
MonthDay OrthodoxEasterSunday(int nYear);
// Days from 1 January 1970 to the date (negative before it), for any year from 1 on.
int DayNumber(int nYear, int nMonth, int nDay);
// Easter Sunday as an annual date text plus a tab, e.g. "Apr 04\t".
CString MakeEasterKey(int nYear);
