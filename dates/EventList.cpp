#include "dates/EventList.h"

#include <algorithm>
#include <set>

namespace {

const char* const s_apszSortGroups[] = {"Jan", "Feb", "Mar", "Apr", "EASTER", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov",    "Dec"};

// ASCII-only folding keeps the order independent of the C locale.
unsigned char Fold(char ch) {
    unsigned char c = (unsigned char)ch;
    return c >= 'A' && c <= 'Z' ? (unsigned char)(c - 'A' + 'a') : c;
}

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

int CompareFolded(const std::string& a, const std::string& b) {
    size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = Fold(a[i]), cb = Fold(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

bool StartsWithFolded(const std::string& s, const char* pszPrefix) {
    for (size_t i = 0; pszPrefix[i]; ++i)
        if (i >= s.size() || Fold(s[i]) != Fold(pszPrefix[i]))
            return false;
    return true;
}

// 0 for a line of no group, else 1 + the index of its group.
int SortGroupOf(const CString& strLine) {
    for (int i = 0; i < (int)(sizeof s_apszSortGroups / sizeof s_apszSortGroups[0]); ++i)
        if (StartsWithFolded(strLine.str(), s_apszSortGroups[i]))
            return i + 1;
    return 0;
}

} // namespace

void CEventList::RemoveLine(int nIndex) {
    if (nIndex >= 0 && nIndex < GetCount())
        m_astrLines.erase(m_astrLines.begin() + nIndex);
}

int CEventList::FindLineNoCase(const CString& strLine) const {
    for (int i = 0; i < GetCount(); ++i)
        if (CompareFolded(m_astrLines[i].str(), strLine.str()) == 0)
            return i;
    return -1;
}

void CEventList::Read(const std::function<CString(int nKey)>& fnFetch) {
    m_astrLines.clear();
    for (int nKey = 0; nKey < MAX_ENTRIES; ++nKey) {
        CString strValue = fnFetch(nKey);
        if (strValue.GetLength() > MAX_VALUE_LENGTH)
            strValue = strValue.Left(MAX_VALUE_LENGTH);
        if (strValue == "END")
            break;
        m_astrLines.push_back(LineFromValue(PadOneDigitDay(std::move(strValue))));
    }
    Sort();
}

void CEventList::Write(
    const std::function<void(int nKey, const CString& strValue)>& fnStore) const {
    for (int i = 0; i < GetCount(); ++i)
        fnStore(i, ValueFromLine(m_astrLines[i]));
}

void CEventList::Sort() {
    std::vector<std::pair<int, CString>> aKeyed;
    aKeyed.reserve(m_astrLines.size());
    for (CString& strLine : m_astrLines)
        aKeyed.emplace_back(SortGroupOf(strLine), std::move(strLine));
    // Stable, so that lines of no group, and lines equal but for case, keep
    // the order in which they were listed.
    std::stable_sort(aKeyed.begin(), aKeyed.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return a.first < b.first;
        return a.first != 0 && CompareFolded(a.second.str(), b.second.str()) < 0;
    });
    for (size_t i = 0; i < aKeyed.size(); ++i)
        m_astrLines[i] = std::move(aKeyed[i].second);
}

CString CEventList::BuildEventText() const {
    std::string s;
    for (const CString& strLine : m_astrLines) {
        s += strLine.str();
        s += "\r\n";
    }
    return CString(s);
}

// Hand-written files may hold "Jan 5;Party" or "Jan 5, 1999;Party"; the day
// boxes look for two-digit days. Only a blank at position 3 followed by a
// lone digit is taken for such a day, so that no other text (a caption
// without a date, say) has a "0" put into it.
CString CEventList::PadOneDigitDay(CString strValue) {
    const std::string& s = strValue.str();
    if (s.size() >= 5 && s[3] == ' ' && IsDigit(s[4]) && !(s.size() > 5 && IsDigit(s[5])))
        strValue.Insert(4, '0');
    return strValue;
}

// The value splits at its first ";", so a caption may hold ";" itself; a
// value without one is all caption.
CString CEventList::LineFromValue(CString strValue) {
    const int nSep = strValue.Find(';');
    if (nSep < 0)
        strValue.Insert(0, '\t');
    else
        strValue.SetAt(nSep, '\t');
    return strValue;
}

CString CEventList::ValueFromLine(const CString& strLine) {
    int nTab = strLine.Find('\t');
    if (nTab < 0)
        return ";" + strLine;
    return strLine.Left(nTab) + ";" + strLine.Mid(nTab + 1);
}

bool CEventList::EventTextHasLine(const CString& strEventText, const CString& strLine) {
    const std::string& text = strEventText.str();
    const std::string wanted = strLine.str() + "\r\n";
    for (size_t pos = text.find(wanted); pos != std::string::npos; pos = text.find(wanted, pos + 1))
        if (pos == 0 || text[pos - 1] == '\n')
            return true;
    return false;
}

bool CEventList::MergeSectionLines(const std::vector<CString>& values, const std::string& strOld,
                                   std::string& strLines) {
    strLines.clear();
    std::set<std::string> written;
    for (size_t i = 0; i < values.size(); ++i) {
        std::string strKey = std::to_string(i);
        strLines += strKey + "=" + values[i].str();
        strLines += '\0';
        written.insert(strKey);
    }
    for (size_t nPos = 0; nPos < strOld.size();) {
        size_t nEnd = std::min(strOld.find('\0', nPos), strOld.size());
        std::string strLine = strOld.substr(nPos, nEnd - nPos);
        nPos = nEnd + 1;
        if (strLine.empty())
            continue;
        size_t nEq = strLine.find('=');
        if (nEq == std::string::npos)
            return false;
        size_t nKeyEnd = strLine.find_last_not_of(" \t", nEq == 0 ? 0 : nEq - 1);
        std::string strKey = nEq == 0 ? std::string() : strLine.substr(0, nKeyEnd + 1);
        if (!written.count(strKey)) {
            strLines += strLine;
            strLines += '\0';
        }
    }
    return true;
}
