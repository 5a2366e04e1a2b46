#include "dates/EventFileReader.h"

#include "dates/EventSection.h"

CEventFileReader::CEventFileReader(const CEventSection& section)
    : m_astrValues(section.WholeValues(CEventList::kEnd)) {
    m_list.Read([&](int nKey) {
        CString strValue = section.Value(nKey, CEventList::kEnd, CEventList::MAX_VALUE_LENGTH + 1);
        if (size_t(nKey) < m_astrValues.size())
            m_mapValues.emplace(CEventList::ShownLine(strValue), m_astrValues[nKey]);
        return strValue;
    });
}
