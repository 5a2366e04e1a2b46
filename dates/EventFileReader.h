// CEventFileReader: the entries of an event file as its "Events" section
// holds them, read the way the pages list them: the list of the first
// entries, each as a value buffer of the profile reader takes it in; every
// entry's whole value, however many and however long; and for each line of
// the list the whole value it came from, which a save writes back unchanged.
#pragma once
#include "dates/EventList.h"
#include "framework/String.h"

#include <map>
#include <vector>

class CEventSection;

class CEventFileReader {
public:
    explicit CEventFileReader(const CEventSection& section);

    // The lines, sorted.
    CEventList m_list;
    // The values of keys 0, 1, ... up to the first missing one.
    std::vector<CString> m_astrValues;
    // The lines of the list, each with the value it came from.
    std::multimap<CString, CString> m_mapValues;
};
