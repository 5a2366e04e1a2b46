#include "dates/DateCalc.h"

#include <ctime>

const char* const g_apszMonthAbbrev[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                           "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const g_apszWeekdayAbbrev[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const g_apszOrdinal[5] = {"1", "2", "3", "4", "L"};

CalDate GetToday() {
    time_t now = time(nullptr);
    struct tm local = {};
#ifdef _WIN32
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return CalDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// Computed directly rather than through mktime so that neither the time zone
// nor summer time can shift a month boundary.
int DaysInMonth(int nYear, int nMonth) {
    switch (nMonth) {
    case 2: {
        bool bLeap = (nYear % 4 == 0 && nYear % 100 != 0) || nYear % 400 == 0;
        return bLeap ? 29 : 28;
    }
    case 4:
    case 6:
    case 9:
    case 11:
        return 30;
    default:
        return 31;
    }
}

int WeekdayOf(int nYear, int nMonth, int nDay) {
    // Zeller's congruence, with January and February counted as months 13
    // and 14 of the previous year; h = 0 is Saturday.
    if (nMonth < 3) {
        nMonth += 12;
        nYear -= 1;
    }
    int k = nYear % 100;
    int j = nYear / 100;
    int h = (nDay + 13 * (nMonth + 1) / 5 + k + k / 4 + j / 4 + 5 * j) % 7;
    return (h + 6) % 7;
}

WeekdayPlace WeekdayOrdinal(int nDay, int nDaysInMonth) {
    return WeekdayPlace{(nDay - 1) / 7, nDay + 7 > nDaysInMonth};
}

// Carter's rule, exact for the Gregorian years 1900 to 2099.
MonthDay EasterSunday(int nYear) {
    int g = nYear % 19;
    int d = ((225 - 11 * g - 21) % 30) + 21;
    if (d > 48)
        d -= 1;
    int e = (nYear + nYear / 4 + d + 1) % 7;
    int q = d + 7 - e;
    if (q < 32)
        return MonthDay{3, q};
    return MonthDay{4, q - 31};
}

// The Julian computus (Meeus): the Julian calendar's Easter Sunday, then 13
// days on, the distance between the two calendars from 1900 to 2099.
MonthDay OrthodoxEasterSunday(int nYear) {
    int a = nYear % 4, b = nYear % 7, c = nYear % 19;
    int d = (19 * c + 15) % 30;
    int e = (2 * a + 4 * b - d + 34) % 7;
    int nMarchDay = d + e + 22 + 13; // the Julian day of March, 13 days on
    int nMonth = 3;
    while (nMarchDay > DaysInMonth(nYear, nMonth)) {
        nMarchDay -= DaysInMonth(nYear, nMonth);
        ++nMonth;
    }
    return MonthDay{nMonth, nMarchDay};
}

// Counted by 400-year eras from 1 March, so that a leap day ends its year: no table and no loop,
// exact for every Gregorian year.
int DayNumber(int nYear, int nMonth, int nDay) {
    const int y = nMonth <= 2 ? nYear - 1 : nYear;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yoe = y - era * 400;
    const int doy = (153 * (nMonth > 2 ? nMonth - 3 : nMonth + 9) + 2) / 5 + nDay - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

CString AnnualDateText(int nMonth, int nDay) {
    CString str;
    str.Format("%s %02d", g_apszMonthAbbrev[nMonth - 1], nDay);
    return str;
}

CString CalculatedDatePrefix(int nMonth, int nWeekday) {
    return CString(g_apszMonthAbbrev[nMonth - 1]) + "-" + g_apszWeekdayAbbrev[nWeekday] + " #";
}

CString MakeEasterKey(int nYear) {
    MonthDay easter = EasterSunday(nYear);
    return AnnualDateText(easter.m_nMonth, easter.m_nDay) + "\t";
}
