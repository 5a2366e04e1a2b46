// Event-file values as a hand-edited file may hold them: each input line is
// one value. Checks that loading, sorting, saving and reading again keep the
// list's invariants on any bytes.
#include "dates/EventList.h"
#include "fuzz/FuzzLines.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

void Check(bool bOk) {
    if (!bOk)
        abort();
}

// Reads the values as a file's keys 0, 1, ... ending at the first missing key.
void ReadValues(CEventList& list, const std::vector<CString>& astrValues) {
    size_t nAsked = 0;
    list.Read([&](int nKey) {
        Check(nKey == (int)nAsked && nKey < CEventList::MAX_ENTRIES);
        ++nAsked;
        return nKey < (int)astrValues.size() ? astrValues[nKey] : CString("END");
    });
}

// Whether a and b hold the same lines in any order. Ordered by hash first,
// so that few of the string compares call into the fuzzer.
bool SameLines(const std::vector<CString>& a, const std::vector<CString>& b) {
    using Keyed = std::pair<size_t, const std::string*>;
    auto sorted = [](const std::vector<CString>& astr) {
        std::vector<Keyed> aKeyed;
        aKeyed.reserve(astr.size());
        for (const CString& str : astr)
            aKeyed.emplace_back(std::hash<std::string>()(str.str()), &str.str());
        std::sort(aKeyed.begin(), aKeyed.end(), [](const Keyed& p, const Keyed& q) {
            return p.first != q.first ? p.first < q.first : *p.second < *q.second;
        });
        return aKeyed;
    };
    std::vector<Keyed> aA = sorted(a), aB = sorted(b);
    return std::equal(aA.begin(), aA.end(), aB.begin(), aB.end(),
                      [](const Keyed& p, const Keyed& q) { return *p.second == *q.second; });
}

// Sorting from another order keeps every line.
void CheckSortKeepsLines(CEventList& list, const std::vector<CString>& astrLines) {
    list.RemoveAll();
    for (auto it = astrLines.rbegin(); it != astrLines.rend(); ++it)
        list.AddLine(*it);
    list.Sort();
    Check(SameLines(list.GetLines(), astrLines));
}

void CheckEventText(const CEventList& list, const std::vector<CString>& astrLines) {
    CString strText = list.BuildEventText();
    std::string strJoined;
    strJoined.reserve(strText.GetLength());
    for (const CString& strLine : astrLines)
        strJoined.append(strLine.str()).append("\r\n");
    Check(strText.str() == strJoined);
    // Each search runs through the whole text: a spread of lines is enough,
    // and keeps an input's work linear in its size.
    const size_t nStep = astrLines.size() / 8 + 1;
    for (size_t i = 0; i < astrLines.size(); i += nStep)
        if (astrLines[i].Find('\n') < 0)
            Check(CEventList::EventTextHasLine(strText, astrLines[i]));
}

// True when saving and reading again must give the lines back unchanged:
// every line is dated, short enough, and none reads as the end.
bool IsPlain(const std::vector<CString>& astrLines) {
    for (const CString& strLine : astrLines) {
        const CString strValue = CEventList::ValueFromLine(strLine);
        int nTab = strLine.Find('\t');
        if (nTab < 0 || strLine.str().find(';') < (size_t)nTab ||
            strLine.GetLength() > CEventList::MAX_VALUE_LENGTH || strValue == "END" ||
            CEventList::PadOneDigitDay(strValue) != strValue)
            return false;
    }
    return true;
}

// One list serves every step, as the Events page keeps one: Read and Sort
// must not depend on what it held before.
void CheckList(const std::vector<CString>& astrValues) {
    CEventList list;
    ReadValues(list, astrValues);
    size_t nExpected = 0;
    while (nExpected < astrValues.size() && nExpected < CEventList::MAX_ENTRIES &&
           astrValues[nExpected].Left(CEventList::MAX_VALUE_LENGTH) != "END")
        ++nExpected;
    Check(list.GetCount() == (int)nExpected);

    const std::vector<CString> astrRead = list.GetLines();
    // Sorting again changes nothing.
    list.Sort();
    Check(list.GetLines() == astrRead);
    CheckEventText(list, astrRead);

    // Saved and read again, a list of dated lines comes back unchanged.
    std::vector<CString> astrSaved;
    astrSaved.reserve(astrRead.size());
    list.Write([&](int nKey, const CString& strValue) {
        Check(nKey == (int)astrSaved.size());
        astrSaved.push_back(strValue);
    });
    Check(astrSaved.size() == astrRead.size());
    if (IsPlain(astrRead)) {
        ReadValues(list, astrSaved);
        Check(list.GetLines() == astrRead);
    }
    CheckSortKeepsLines(list, astrRead);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // Thirty-two lines take every path of reading and sorting; more would
    // only make each input slower to try.
    CheckList(FuzzLines(data, size, 32));
    return 0;
}
