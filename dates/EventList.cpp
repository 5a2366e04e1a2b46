#include "dates/EventList.h"

#include "dates/EventRule.h"
#include "dates/EventSection.h"

#include <algorithm>
#include <string_view>
#include <utility>

namespace {

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

bool StartsWithFolded(const std::string& s, const char* pszLowerPrefix) {
    size_t i = 0;
    while (pszLowerPrefix[i] && i < s.size() && Fold(s[i]) == (unsigned char)pszLowerPrefix[i])
        ++i;
    return pszLowerPrefix[i] == 0;
}

// Value and line differ only in their separator: the first one becomes the
// other, and a text without one gets the other in front.
void ReplaceFirstOrPrefix(CString& str, char chFrom, char chTo) {
    int nSep = str.Find(chFrom);
    if (nSep < 0)
        str.Insert(0, chTo);
    else
        str.SetAt(nSep, chTo);
}

constexpr int Key3(unsigned char a, unsigned char b, unsigned char c) {
    return a << 16 | b << 8 | c;
}

// 0 for a line of no group, else 1 + the index of its group: Jan .. Apr,
// EASTER, May .. Dec, matched without regard to case.
int SortGroupOf(const CString& strLine) {
    const std::string& s = strLine.str();
    if (s.size() < 3)
        return 0;
    switch (Key3(Fold(s[0]), Fold(s[1]), Fold(s[2]))) {
    case Key3('j', 'a', 'n'):
        return 1;
    case Key3('f', 'e', 'b'):
        return 2;
    case Key3('m', 'a', 'r'):
        return 3;
    case Key3('a', 'p', 'r'):
        return 4;
    case Key3('e', 'a', 's'):
        return StartsWithFolded(s, "easter") ? 5 : 0;
    case Key3('m', 'a', 'y'):
        return 7;
    case Key3('j', 'u', 'n'):
        return 8;
    case Key3('j', 'u', 'l'):
        return 9;
    case Key3('a', 'u', 'g'):
        return 10;
    case Key3('s', 'e', 'p'):
        return 11;
    case Key3('o', 'c', 't'):
        return 12;
    case Key3('n', 'o', 'v'):
        return 13;
    case Key3('d', 'e', 'c'):
        return 14;
    default:
        return 0;
    }
}

// Where a line goes: its group, its rank inside the group, and the text it
// is ordered by there: the line, without the year of an age ("Mar 14 *1879"
// is ordered as "Mar 14"). Nothing is copied: a sort of thousands of lines
// would spend more on allocating than on comparing.
struct SortKey {
    int m_nGroup;
    int m_nRank;
    CString* m_pLine;
    size_t m_nSkipFrom; // the year's place in the line
    size_t m_nSkipLength;

    size_t Length() const { return m_pLine->GetLength() - m_nSkipLength; }
    unsigned char FoldedAt(size_t i) const {
        return Fold(m_pLine->str()[i < m_nSkipFrom ? i : i + m_nSkipLength]);
    }
};

int CompareKeys(const SortKey& a, const SortKey& b) {
    const size_t nA = a.Length(), nB = b.Length(), n = std::min(nA, nB);
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = a.FoldedAt(i), cb = b.FoldedAt(i);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return nA < nB ? -1 : nA > nB ? 1 : 0;
}

// Only these beginnings can be a date text that is a rule: "EASTER+1",
// "OEASTER", "Mar 14 *1879".
bool MayBeRule(const std::string& s) {
    return (!s.empty() && (s[0] == 'E' || s[0] == 'O')) ||
           (s.size() > 7 && s[6] == ' ' && s[7] == '*');
}

// The days counted from Easter follow the EASTER lines, by the day they fall
// on, Orthodox Easter's after Easter's; an annual date with its year since
// stands among the annual dates of its day, ordered by caption.
SortKey SortKeyOf(CString& strLine) {
    const std::string& s = strLine.str();
    SortKey key{SortGroupOf(strLine), 0, &strLine, 0, 0};
    if (!MayBeRule(s))
        return key;
    const size_t nTab = std::min(s.find('\t'), s.size());
    CEventRule rule = CEventRule::Parse(std::string_view(s).substr(0, nTab));
    if (rule.GetKind() == CEventRule::easter || rule.GetKind() == CEventRule::orthodoxEaster) {
        key.m_nGroup = 6;
        key.m_nRank = (rule.GetKind() == CEventRule::easter ? 0 : 1000) + rule.GetOffset();
    } else if (rule.GetKind() == CEventRule::age) {
        key.m_nSkipFrom = 6;
        key.m_nSkipLength = nTab - 6;
    }
    return key;
}

// Lines of no group, and lines equal but for case, keep the order in which
// they were listed: the pointers give that order.
bool SortsBefore(const SortKey& a, const SortKey& b) {
    if (a.m_nGroup != b.m_nGroup)
        return a.m_nGroup < b.m_nGroup;
    if (a.m_nGroup == 0)
        return a.m_pLine < b.m_pLine;
    if (a.m_nRank != b.m_nRank)
        return a.m_nRank < b.m_nRank;
    int nCompare = CompareKeys(a, b);
    if (nCompare == 0 && (a.m_nSkipLength || b.m_nSkipLength))
        nCompare = CompareFolded(a.m_pLine->str(), b.m_pLine->str());
    return nCompare != 0 ? nCompare < 0 : a.m_pLine < b.m_pLine;
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
        const CString strValue = fnFetch(nKey);
        if (strValue == kEnd)
            break;
        m_astrLines.push_back(ShownLine(strValue));
    }
    Sort();
}

void CEventList::Write(
    const std::function<void(int nKey, const CString& strValue)>& fnStore) const {
    for (int i = 0; i < GetCount(); ++i)
        fnStore(i, ValueFromLine(m_astrLines[i]));
}

void CEventList::Sort() {
    // The strings stay where they are until their order is known: sorting
    // keys and pointers moves no text.
    std::vector<SortKey> aKeyed;
    aKeyed.reserve(m_astrLines.size());
    for (CString& strLine : m_astrLines)
        aKeyed.push_back(SortKeyOf(strLine));
    // Files are saved in this order, so a list read back is sorted already;
    // a line inserted is appended to it, and only that line needs its place.
    const auto itUnsorted = std::is_sorted_until(aKeyed.begin(), aKeyed.end(), SortsBefore);
    if (itUnsorted == aKeyed.end())
        return;
    if (itUnsorted + 1 == aKeyed.end())
        std::rotate(std::upper_bound(aKeyed.begin(), itUnsorted, *itUnsorted, SortsBefore),
                    itUnsorted, aKeyed.end());
    else
        std::sort(aKeyed.begin(), aKeyed.end(), SortsBefore);
    std::vector<CString> astrSorted;
    astrSorted.reserve(aKeyed.size());
    for (const SortKey& keyed : aKeyed)
        astrSorted.push_back(std::move(*keyed.m_pLine));
    m_astrLines.swap(astrSorted);
}

CString CEventList::BuildEventText() const {
    size_t nLength = 0;
    for (const CString& strLine : m_astrLines)
        nLength += strLine.GetLength() + 2;
    std::string s;
    s.reserve(nLength);
    for (const CString& strLine : m_astrLines) {
        s += strLine.str();
        s += "\r\n";
    }
    return CString(std::move(s));
}

// Hand-written files may hold "Jan 5;Party" or "Jan 5, 1999;Party"; the day
// boxes look for two-digit days. Only a blank at position 3 followed by a
// lone digit is taken for such a day, so that no other text (a caption
// without a date, say) has a "0" put into it.
CString CEventList::PadOneDigitDay(CString strValue) {
    const char* p = strValue.c_str();
    const int n = strValue.GetLength();
    if (n >= 5 && p[3] == ' ' && IsDigit(p[4]) && !(n > 5 && IsDigit(p[5])))
        strValue.Insert(4, '0');
    return strValue;
}

CString CEventList::ShownLine(const CString& strValue) {
    return LineFromValue(PadOneDigitDay(strValue.Left(MAX_VALUE_LENGTH)));
}

// The value splits at its first ";", so a caption may hold ";" itself; a
// value without one is all caption.
CString CEventList::LineFromValue(CString strValue) {
    ReplaceFirstOrPrefix(strValue, ';', '\t');
    return strValue;
}

CString CEventList::ValueFromLine(const CString& strLine) {
    CString strValue = strLine;
    ReplaceFirstOrPrefix(strValue, '\t', ';');
    return strValue;
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
                                   std::string& strLines, size_t nOldEntries) {
    strLines.clear();
    size_t nSize = strOld.size();
    for (const CString& strValue : values)
        nSize += strValue.GetLength() + 8;
    strLines.reserve(nSize);
    for (size_t i = 0; i < values.size(); ++i) {
        strLines += std::to_string(i);
        strLines += '=';
        strLines += values[i].str();
        strLines += '\0';
    }
    const size_t nWritten = std::max(values.size(), nOldEntries);
    for (size_t nPos = 0; nPos < strOld.size();) {
        size_t nEnd = std::min(strOld.find('\0', nPos), strOld.size());
        const std::string_view line(strOld.data() + nPos, nEnd - nPos);
        nPos = nEnd + 1;
        if (line.empty())
            continue;
        size_t nEq = line.find('=');
        if (nEq == std::string_view::npos)
            return false;
        size_t nKeyEnd = line.find_last_not_of(" \t", nEq == 0 ? 0 : nEq - 1);
        const std::string_view key = nEq == 0 ? std::string_view() : line.substr(0, nKeyEnd + 1);
        size_t nKey = 0;
        if (!CEventSection::ParseKey(key.data(), key.size(), nKey) || nKey >= nWritten) {
            strLines += line;
            strLines += '\0';
        }
    }
    return true;
}
