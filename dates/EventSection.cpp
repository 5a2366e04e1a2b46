#include "dates/EventSection.h"

#include <algorithm>
#include <cstring>

// The key names the reader looks up: decimal without leading zeros. Other
// names ("00", "+1", "x") never answer such a lookup.
bool CEventSection::ParseKey(const char* pch, size_t nLength, size_t& nKey) {
    if (nLength == 0 || nLength > 9 || (nLength > 1 && pch[0] == '0'))
        return false;
    nKey = 0;
    for (size_t i = 0; i < nLength; ++i) {
        if (pch[i] < '0' || pch[i] > '9')
            return false;
        nKey = nKey * 10 + size_t(pch[i] - '0');
    }
    return true;
}

namespace {

bool IsQuote(char ch) {
    return ch == '"' || ch == '\'';
}

// The profile reader's copy: a value with the same quote at both ends loses
// the first, and the last only when the rest fitted the buffer.
CString CopyEntry(const char* pchValue, size_t nLength, size_t nBufferSize) {
    if (nBufferSize == 0)
        return CString();
    size_t nStart = 0;
    bool bQuoted = false;
    if (nLength > 1 && IsQuote(pchValue[0]) && pchValue[nLength - 1] == pchValue[0]) {
        nStart = 1;
        bQuoted = true;
    }
    const size_t nRest = nLength - nStart;
    size_t nCopied = std::min(nRest, nBufferSize - 1);
    if (bQuoted && nBufferSize >= nRest && nCopied > 0)
        --nCopied;
    return CString(pchValue + nStart, int(nCopied));
}

} // namespace

CEventSection::CEventSection(const char* pchLines, size_t nLength)
    : CEventSection(std::string(pchLines, nLength)) {}

CEventSection::CEventSection(std::string strLines) : m_strLines(std::move(strLines)) {
    Index();
}

// One pass over the lines; the values stay where they are.
void CEventSection::Index() {
    const char* const pchBegin = m_strLines.data();
    const char* const pchEnd = pchBegin + m_strLines.size();
    const char* pch = pchBegin;
    while (pch < pchEnd && *pch) {
        const size_t nLine = size_t(std::find(pch, pchEnd, '\0') - pch);
        const char* pchEquals = static_cast<const char*>(memchr(pch, '=', nLine));
        const size_t nName = pchEquals ? size_t(pchEquals - pch) : nLine;
        size_t nKey = 0;
        if (ParseKey(pch, nName, nKey)) {
            const size_t nStart = pchEquals ? size_t(pchEquals + 1 - pchBegin) : 0;
            m_entries.push_back({nKey, nStart, pchEquals ? nLine - nName - 1 : 0, !!pchEquals});
        }
        pch += nLine + 1;
    }
    // Stable, so that of lines with the same key the first stays first.
    auto byKey = [](const Entry& a, const Entry& b) { return a.nKey < b.nKey; };
    if (!std::is_sorted(m_entries.begin(), m_entries.end(), byKey))
        std::stable_sort(m_entries.begin(), m_entries.end(), byKey);
    m_entries.erase(std::unique(m_entries.begin(), m_entries.end(),
                                [](const Entry& a, const Entry& b) { return a.nKey == b.nKey; }),
                    m_entries.end());
}

const CEventSection::Entry* CEventSection::Find(int nKey) const {
    if (nKey < 0)
        return nullptr;
    const size_t nWanted = size_t(nKey);
    // Keys 0, 1, ... in a row, as the program writes them, stand at their own index.
    if (nWanted < m_entries.size() && m_entries[nWanted].nKey == nWanted)
        return &m_entries[nWanted];
    const auto it = std::lower_bound(m_entries.begin(), m_entries.end(), nWanted,
                                     [](const Entry& e, size_t n) { return e.nKey < n; });
    return it != m_entries.end() && it->nKey == nWanted ? &*it : nullptr;
}

CString CEventSection::Value(int nKey, const char* pszDefault, size_t nBufferSize) const {
    const Entry* pEntry = Find(nKey);
    if (pEntry && pEntry->bHasValue)
        return CopyEntry(m_strLines.data() + pEntry->nStart, pEntry->nLength, nBufferSize);
    return CopyEntry(pszDefault, strlen(pszDefault), nBufferSize);
}

// A buffer one longer than the value takes all of it: a value is never cut.
CString CEventSection::WholeValue(int nKey, const char* pszDefault) const {
    const Entry* pEntry = Find(nKey);
    const size_t nLength = pEntry && pEntry->bHasValue ? pEntry->nLength : strlen(pszDefault);
    return Value(nKey, pszDefault, nLength + 1);
}

std::vector<CString> CEventSection::WholeValues(const char* pszEnd) const {
    std::vector<CString> values;
    for (int nKey = 0;; ++nKey) {
        CString strValue = WholeValue(nKey, pszEnd);
        if (strValue == pszEnd)
            return values;
        values.push_back(std::move(strValue));
    }
}
