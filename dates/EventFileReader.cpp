#include "dates/EventFileReader.h"

#include "dates/EventSection.h"

namespace {
// The reader's answer for a missing key; it ends the list.
const char kEnd[] = "END";
} // namespace

CEventFileReader::CEventFileReader(const CEventSection& section)
    : m_astrValues(section.WholeValues(kEnd)) {
    m_list.Read([&](int nKey) {
        CString strValue = section.Value(nKey, kEnd, CEventList::MAX_VALUE_LENGTH + 1);
        if (size_t(nKey) < m_astrValues.size())
            m_mapValues.emplace(CEventList::ShownLine(strValue), m_astrValues[nKey]);
        return strValue;
    });
}
