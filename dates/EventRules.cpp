#include "dates/EventRules.h"

#include "dates/DateCalc.h"
#include "dates/EventRule.h"
#include "framework/String.h"

#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A caption line found for a day, with the position of the entry's line in
// the event text: the order in which the list holds it.
struct FoundCaption {
    size_t m_nPos;
    std::string m_strLine;
};

// Position of the first line at or after nFrom that begins with strPrefix.
// Only line starts count: a date text must match a whole date text, not the
// tail of another one or a piece of a caption.
size_t FindLineStart(const std::string& text, const std::string& strPrefix, size_t nFrom) {
    for (size_t pos = text.find(strPrefix, nFrom); pos != std::string::npos;
         pos = text.find(strPrefix, pos + 1)) {
        if (pos == 0 || (pos >= 2 && text[pos - 2] == '\r' && text[pos - 1] == '\n'))
            return pos;
    }
    return std::string::npos;
}

bool NoteHasLine(const std::string& note, const std::string& strLine) {
    return note.find(kCrLf + strLine) != std::string::npos;
}

// The captions of the entries whose date text is strDate, in list order.
void CollectCaptions(const std::string& text, const CString& strDate, const std::string& note,
                     std::vector<FoundCaption>& found) {
    const std::string key = strDate.str() + '\t';
    for (size_t pos = FindLineStart(text, key, 0); pos != std::string::npos;) {
        size_t captionStart = pos + key.size();
        size_t lineEnd = text.find(kCrLf, captionStart);
        // The last line may lack its line break; its caption still counts.
        std::string line =
            text.substr(captionStart,
                        lineEnd == std::string::npos ? std::string::npos : lineEnd - captionStart);
        line += kCrLf;
        if (!NoteHasLine(note, line))
            found.push_back({pos, line});
        if (lineEnd == std::string::npos)
            break;
        pos = FindLineStart(text, key, lineEnd + 2);
    }
}

// The fixed "Easter" line on Easter Sunday when an EASTER entry exists; it
// stands where the first EASTER entry stands.
void CollectEaster(const std::string& text, const CString& strEaster, const CString& strDate,
                   std::vector<FoundCaption>& found) {
    if (strEaster.str().find(strDate.str() + '\t') == std::string::npos)
        return;
    size_t pos = FindLineStart(text, "EASTER\t", 0);
    if (pos != std::string::npos)
        found.push_back({pos, "Easter\r\n"});
}

// The rules' captions go among the others by list order: each before the
// first other caption whose entry comes later in the list. The others keep
// their own order, which for a sorted list is list order too.
std::string MergeByListOrder(const std::vector<FoundCaption>& others,
                             const std::vector<FoundCaption>& rules) {
    std::string result;
    size_t i = 0, j = 0;
    while (i < others.size() || j < rules.size()) {
        if (j < rules.size() && (i == others.size() || rules[j].m_nPos < others[i].m_nPos))
            result += rules[j++].m_strLine;
        else
            result += others[i++].m_strLine;
    }
    return result;
}

} // namespace

CEventRules::CEventRules(const CString& strAllEvents, const CString& strEaster)
    : m_strAllEvents(strAllEvents), m_strEaster(strEaster) {
    const std::string& text = m_strAllEvents.str();
    for (size_t pos = 0; pos < text.size();) {
        size_t lineEnd = text.find(kCrLf, pos);
        size_t nEnd = lineEnd == std::string::npos ? text.size() : lineEnd;
        size_t nTab = text.find('\t', pos);
        if (nTab < nEnd) {
            CEventRule rule = CEventRule::Parse(std::string_view(text).substr(pos, nTab - pos));
            if (!rule.IsNone())
                m_ruleEntries.push_back(
                    {pos, rule, CString(text.substr(nTab + 1, nEnd - nTab - 1))});
        }
        pos = nEnd + 2;
    }
}

CString CEventRules::CaptionsForDay(int nYear, int nMonth, int nWeekday, const CString& strDay,
                                    const CString& strNote, int nWeekIndex, bool bLast) const {
    if (nMonth < 1 || nMonth > 12 || nWeekday < 0 || nWeekday > 6 || nWeekIndex < 0 ||
        nWeekIndex > 4)
        return CString();

    const std::string& text = m_strAllEvents.str();
    const std::string& note = strNote.str();
    const int nDay = atoi(strDay);
    const CString strCalculated = CalculatedDatePrefix(nMonth, nWeekday);
    const CString strAnnual = AnnualDateText(nMonth, nDay);

    std::vector<FoundCaption> found;
    CollectCaptions(text, strAnnual, note, found);
    CollectEaster(text, m_strEaster, strAnnual, found);
    CollectCaptions(text, strAnnual + ", " + CString::FromInt(nYear), note, found);
    CollectCaptions(text, strCalculated + g_apszOrdinal[nWeekIndex], note, found);
    // A fourth occurrence that is also the last answers to "#L" as well.
    if (bLast && nWeekIndex == 3)
        CollectCaptions(text, strCalculated + "L", note, found);

    std::vector<FoundCaption> rules;
    if (nDay >= 1 && nDay <= DaysInMonth(nYear, nMonth)) {
        for (const RuleEntry& entry : m_ruleEntries) {
            if (!entry.m_rule.FallsOn(nYear, nMonth, nDay))
                continue;
            std::string line = entry.m_rule.CaptionIn(nYear, entry.m_strCaption).str() + kCrLf;
            if (!NoteHasLine(note, line))
                rules.push_back({entry.m_nPos, line});
        }
    }
    return CString(MergeByListOrder(found, rules));
}
