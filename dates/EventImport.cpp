#include "dates/EventImport.h"

#include "dates/EventList.h"

#include <set>

namespace {

CString Count(int n, const char* pszOne, const char* pszMany) {
    return CString::FromInt(n) + " " + (n == 1 ? pszOne : pszMany);
}

} // namespace

std::vector<CString> CEventImport::Merge(const std::vector<CString>& listed,
                                         const CICalendarReader& reader) {
    m_nAdded = m_nListed = m_nFull = 0;
    std::set<CString> lines(listed.begin(), listed.end());
    std::vector<CString> added;
    for (const ICalendarEntry& entry : reader.Entries()) {
        CString strLine = entry.m_strDate + "\t" + entry.m_strCaption;
        if (lines.count(strLine)) {
            ++m_nListed;
        } else if ((int)lines.size() >= CEventList::MAX_ENTRIES) {
            ++m_nFull;
        } else {
            lines.insert(strLine);
            added.push_back(strLine);
        }
    }
    m_nAdded = (int)added.size();
    return added;
}

CString CEventImport::Message(const CString& strFile, const CString& strEventFile,
                              const CICalendarReader& reader) const {
    int nRepeating = reader.Skipped(CICalendarReader::kRepeating);
    int nNoDate = reader.Skipped(CICalendarReader::kNoDate);
    CString str = "Events of " + strFile + " in the event file \"" + strEventFile + "\":\n\n";
    str += Count(m_nAdded, "event added", "events added") + "\n";
    str += Count(m_nListed, "event already listed", "events already listed") + "\n";
    str += Count(nRepeating + nNoDate + m_nFull, "event skipped", "events skipped");
    if (nRepeating > 0)
        str += "\n    " + CString::FromInt(nRepeating) +
               " repeating other than every year on one day, or with an end or exceptions";
    if (nNoDate > 0)
        str +=
            "\n    " + CString::FromInt(nNoDate) + " without a summary or a date from 1970 to 2037";
    if (m_nFull > 0)
        str += "\n    " + CString::FromInt(m_nFull) + " beyond the " +
               CString::FromInt(CEventList::MAX_ENTRIES) + " entries an event file holds";
    return str;
}

CString CEventImport::DamagedMessage(const CString& strFile) {
    return strFile + " is not a whole iCalendar file: it may have been cut short or damaged.\n\n"
                     "No events were added.";
}
