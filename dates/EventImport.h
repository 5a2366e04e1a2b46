// CEventImport: what an import adds to an event list. The entries of an
// iCalendar file join the listed lines unless a line equal to theirs is
// there already or the list is full, and the user is told how it went.
#pragma once
#include "dates/ICalendarReader.h"

#include <vector>

class CEventImport {
public:
    // The lines to add (date text, tab, caption), in the file's order.
    std::vector<CString> Merge(const std::vector<CString>& listed, const CICalendarReader& reader);

    // The one message after the import of strFile into the event file strEventFile.
    CString Message(const CString& strFile, const CString& strEventFile,
                    const CICalendarReader& reader) const;
    // The message for a file the reader refused.
    static CString DamagedMessage(const CString& strFile);

    int m_nAdded = 0;
    int m_nListed = 0;
    int m_nFull = 0;
};
