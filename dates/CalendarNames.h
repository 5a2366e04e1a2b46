// CCalendarNames: the month and weekday names a calendar shows. English by
// default; when the user chooses local names, those of the user's locale, in
// the program's code page. Only what is drawn asks it: event files, date
// texts and everything stored keep the English names.
#pragma once
#include <windows.h>
#include "framework/String.h"

class CCalendarNames {
public:
    // bLocal: the names of lcid's locale instead of the English ones.
    explicit CCalendarNames(bool bLocal, LCID lcid = LOCALE_USER_DEFAULT);

    // The English names, or those of the user's locale (read once).
    static const CCalendarNames& Of(bool bLocal);

    bool IsLocal() const { return m_bLocal; }
    // nMonth 1 .. 12 ("January"); empty otherwise. bShort: "Jan".
    const CString& Month(int nMonth, bool bShort = false) const;
    // nWeekday 0 = Sunday .. 6 ("Sunday"); empty otherwise. bShort: "Sun".
    const CString& Weekday(int nWeekday, bool bShort = false) const;

private:
    bool m_bLocal;
    CString m_strMonths[2][12];  // full, abbreviated
    CString m_strWeekdays[2][7]; // full, abbreviated
};
