// CEventRules: an event text as the day boxes of a month calendar are
// evaluated from. strAllEvents holds lines "date text<TAB>caption<CR><LF>";
// strEaster is the shown year's Easter key (MakeEasterKey), empty before it is
// first made. A month page asks for 42 days of one text, so the entries whose
// date texts are rules are parsed once, as it is made.
#pragma once
#include "dates/EventRule.h"
#include "framework/String.h"

#include <vector>

class CEventRules {
public:
    CEventRules(const CString& strAllEvents, const CString& strEaster);

    // All captions for a day: annual, Easter, one-year, then calculated entries;
    // the entries whose date texts are rules (CEventRule: days from Easter or
    // Orthodox Easter, annual dates with the years since) go among them in the
    // order of the list.
    // strDay is the day without a leading zero; nWeekIndex and bLast are those of
    // WeekdayOrdinal; nWeekday is the box's column (0 = Sunday).
    CString CaptionsForDay(int nYear, int nMonth, int nWeekday, const CString& strDay,
                           const CString& strNote, int nWeekIndex, bool bLast) const;

private:
    // An entry whose date text is a rule rather than a text to look up, at
    // the position of its line in the text.
    struct RuleEntry {
        size_t m_nPos;
        CEventRule m_rule;
        CString m_strCaption;
    };

    CString m_strAllEvents;
    CString m_strEaster;
    std::vector<RuleEntry> m_ruleEntries;
};
