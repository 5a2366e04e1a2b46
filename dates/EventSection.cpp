#include "dates/EventSection.h"

#include <algorithm>
#include <cstring>

namespace {

// The key names the reader looks up: decimal without leading zeros. Other
// names ("00", "+1", "x") never answer such a lookup.
bool ParseKey(const char* pch, size_t nLength, size_t& nKey) {
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

bool IsQuote(char ch) {
    return ch == '"' || ch == '\'';
}

// The profile reader's copy: a value with the same quote at both ends loses
// the first, and the last only when the rest fitted the buffer.
CString CopyEntry(const std::string& strValue, size_t nBufferSize) {
    if (nBufferSize == 0)
        return CString();
    size_t nStart = 0;
    bool bQuoted = false;
    if (strValue.size() > 1 && IsQuote(strValue[0]) && strValue.back() == strValue[0]) {
        nStart = 1;
        bQuoted = true;
    }
    const size_t nRest = strValue.size() - nStart;
    size_t nCopied = std::min(nRest, nBufferSize - 1);
    if (bQuoted && nBufferSize >= nRest && nCopied > 0)
        --nCopied;
    return CString(strValue.data() + nStart, int(nCopied));
}

} // namespace

CEventSection::CEventSection(const char* pchLines, size_t nLength) {
    const char* pch = pchLines;
    const char* const pchEnd = pchLines + nLength;
    while (pch < pchEnd && *pch) {
        const size_t nLine = size_t(std::find(pch, pchEnd, '\0') - pch);
        const char* pchEquals = static_cast<const char*>(memchr(pch, '=', nLine));
        const size_t nName = pchEquals ? size_t(pchEquals - pch) : nLine;
        size_t nKey = 0;
        if (ParseKey(pch, nName, nKey) && !m_entries.count(nKey)) {
            Entry& entry = m_entries[nKey];
            entry.bHasValue = pchEquals != nullptr;
            if (pchEquals)
                entry.strValue.assign(pchEquals + 1, pch + nLine);
        }
        pch += nLine + 1;
    }
}

CString CEventSection::Value(int nKey, const char* pszDefault, size_t nBufferSize) const {
    const auto it = nKey >= 0 ? m_entries.find(size_t(nKey)) : m_entries.end();
    const bool bFound = it != m_entries.end() && it->second.bHasValue;
    return CopyEntry(bFound ? it->second.strValue : std::string(pszDefault), nBufferSize);
}

CString CEventSection::WholeValue(int nKey, const char* pszDefault) const {
    for (size_t nSize = 1024;; nSize *= 4) {
        CString strValue = Value(nKey, pszDefault, nSize);
        if (size_t(strValue.GetLength()) < nSize - 1 || nSize >= (1u << 20))
            return strValue;
    }
}
