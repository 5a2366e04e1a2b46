// CICalendarReader: the events of an iCalendar (.ics) file as event-list
// entries. An event that happens once becomes a one-year date; one that
// repeats every year on a day or on the nth or last weekday of a month
// becomes an annual or a calculated date, and a birthday or anniversary from
// an earlier year an annual date with its year ("Mar 14 *1879"). Any other
// event is skipped and counted by its reason.
#pragma once
#include "framework/String.h"

#include <string>
#include <vector>

struct ICalendarEntry {
    CString m_strDate;
    CString m_strCaption;
};

class CICalendarReader {
public:
    enum SkipReason {
        kRepeating, // repeats other than yearly, or with an end or exceptions
        kNoDate,    // no start date, no summary, or a date the calendar cannot show
        kSkipReasonCount
    };

    // nCurrentYear decides which birthdays show their age. False, with
    // nothing read, when the text is no whole calendar (not one, or cut off).
    bool Read(const std::string& strText, int nCurrentYear);

    const std::vector<ICalendarEntry>& Entries() const { return m_entries; }
    int Skipped(SkipReason reason) const { return m_anSkipped[reason]; }

    // A summary as a caption: unescaped, UTF-8 turned into the program's
    // code page ("?" for what it lacks), one line, at most 30 characters.
    static CString CaptionFromText(const std::string& strValue);

private:
    struct Event;
    struct ContentLine;
    static ContentLine SplitLine(const std::string& line);
    static void AddProperty(Event& event, const ContentLine& content);
    void AddEvent(const Event& event, int nCurrentYear);
    static CString YearlyDateText(const std::string& strRule, int& nMonth, int& nDay);

    std::vector<ICalendarEntry> m_entries;
    int m_anSkipped[kSkipReasonCount] = {};
};
