#include "dates/CalendarNames.h"

#include "dates/DateCalc.h"

namespace {
const char* const kMonths[12] = {"January",   "February", "March",    "April",
                                 "May",       "June",     "July",     "August",
                                 "September", "October",  "November", "December"};
const char* const kWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
// The locale's weekdays start on Monday (LOCALE_SDAYNAME1 = Monday).
const LCTYPE kDayNames[2] = {LOCALE_SDAYNAME1, LOCALE_SABBREVDAYNAME1};
const LCTYPE kMonthNames[2] = {LOCALE_SMONTHNAME1, LOCALE_SABBREVMONTHNAME1};
const CString kNone;

// The locale's text in the program's code page; the English text when the
// platform has none.
CString LocaleText(LCID lcid, LCTYPE type, const CString& strEnglish) {
    char szText[80] = "";
    const int n = ::GetLocaleInfoA(lcid, type | LOCALE_USE_CP_ACP, szText, sizeof szText);
    return n > 1 ? CString(szText, n - 1) : strEnglish;
}
} // namespace

CCalendarNames::CCalendarNames(bool bLocal, LCID lcid) : m_bLocal(bLocal) {
    for (int m = 0; m < 12; ++m) {
        m_strMonths[0][m] = kMonths[m];
        m_strMonths[1][m] = g_apszMonthAbbrev[m];
    }
    for (int d = 0; d < 7; ++d) {
        m_strWeekdays[0][d] = kWeekdays[d];
        m_strWeekdays[1][d] = g_apszWeekdayAbbrev[d];
    }
    if (!bLocal)
        return;
    for (int nForm = 0; nForm < 2; ++nForm) {
        for (int m = 0; m < 12; ++m) {
            CString& str = m_strMonths[nForm][m];
            str = LocaleText(lcid, kMonthNames[nForm] + m, str);
        }
        for (int d = 0; d < 7; ++d) {
            CString& str = m_strWeekdays[nForm][d];
            str = LocaleText(lcid, kDayNames[nForm] + (d + 6) % 7, str);
        }
    }
}

const CCalendarNames& CCalendarNames::Of(bool bLocal) {
    static const CCalendarNames s_english(false);
    if (!bLocal)
        return s_english;
    static const CCalendarNames s_local(true);
    return s_local;
}

const CString& CCalendarNames::Month(int nMonth, bool bShort) const {
    return nMonth >= 1 && nMonth <= 12 ? m_strMonths[bShort][nMonth - 1] : kNone;
}

const CString& CCalendarNames::Weekday(int nWeekday, bool bShort) const {
    return nWeekday >= 0 && nWeekday <= 6 ? m_strWeekdays[bShort][nWeekday] : kNone;
}
