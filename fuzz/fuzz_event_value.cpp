// Event-file values as a hand-edited file may hold them: each input line is
// one value. Checks that loading, sorting, saving and the name rules keep
// their invariants on any bytes.
#include "dates/EventFileNames.h"
#include "dates/EventList.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool bOk) {
    if (!bOk)
        abort();
}

void CheckValue(const CString& strValue) {
    CString strPadded = CEventList::PadOneDigitDay(strValue);
    int nGrown = strPadded.GetLength() - strValue.GetLength();
    Check(nGrown == 0 || nGrown == 1);
    if (nGrown == 1) {
        CString strBack = strPadded;
        strBack.Delete(4);
        Check(strBack == strValue && strPadded[4] == '0');
    } else {
        Check(strPadded == strValue);
    }
    Check(CEventList::PadOneDigitDay(strPadded) == strPadded);

    CString strLine = CEventList::LineFromValue(strValue);
    Check(strLine.GetLength() == strValue.GetLength() + (strValue.Find(';') >= 0 ? 0 : 1));
    int nSep = strValue.Find(';');
    bool bDateHasTab = strValue.Left(nSep < 0 ? 0 : nSep).Find('\t') >= 0;
    if (!bDateHasTab) {
        CString strBack = CEventList::ValueFromLine(strLine);
        Check(nSep >= 0 ? strBack == strValue : strBack == ";" + strValue);
    }
}

void CheckName(const CString& strRaw) {
    CString strName = strRaw;
    int nCaret = 0;
    bool bRemoved = CleanEventFileName(strName, nCaret);
    Check(bRemoved == (strName != strRaw));
    Check(bRemoved ? nCaret >= 0 && nCaret <= strName.GetLength() : nCaret == -1);
    Check(strName.IsEmpty() || strName[0] != ' ');
    for (int i = 0; i < strName.GetLength(); ++i) {
        unsigned char c = (unsigned char)strName[i];
        Check(c >= 32 && c != 127 && std::string("\\/:*?\"<>|").find((char)c) == std::string::npos);
    }
    CString strAgain = strName;
    Check(!CleanEventFileName(strAgain, nCaret) && strAgain == strName);

    CString strArg = "D:\\x\\" + strName + ".EvN";
    Check(ResolveEventFilePath(strName, strArg, "C:\\Cal\\") == strArg);
    Check(EventFileDisplayName(strArg) == strName);
    CString strPath = TakeEventFilePathForDelete(strName, strArg, "C:\\Cal\\");
    Check(strName.IsEmpty() ? strPath.IsEmpty() && !strArg.IsEmpty() : strArg.IsEmpty());
}

void CheckList(const std::vector<CString>& astrValues) {
    CEventList list;
    size_t nAsked = 0;
    list.Read([&](int nKey) {
        Check(nKey == (int)nAsked && nKey < CEventList::MAX_ENTRIES);
        ++nAsked;
        return nKey < (int)astrValues.size() ? astrValues[nKey] : CString("END");
    });
    size_t nExpected = 0;
    while (nExpected < astrValues.size() && nExpected < CEventList::MAX_ENTRIES &&
           astrValues[nExpected].Left(CEventList::MAX_VALUE_LENGTH) != "END")
        ++nExpected;
    Check(list.GetCount() == (int)nExpected);

    const std::vector<CString> astrRead = list.GetLines();
    // Sorting again changes nothing.
    list.Sort();
    Check(list.GetLines() == astrRead);

    // Sorting from another order keeps every line.
    CEventList reversed;
    for (auto it = astrRead.rbegin(); it != astrRead.rend(); ++it)
        reversed.AddLine(*it);
    reversed.Sort();
    std::vector<const std::string*> a, b;
    for (const CString& s : reversed.GetLines())
        a.push_back(&s.str());
    for (const CString& s : astrRead)
        b.push_back(&s.str());
    auto less = [](const std::string* p, const std::string* q) { return *p < *q; };
    std::sort(a.begin(), a.end(), less);
    std::sort(b.begin(), b.end(), less);
    Check(std::equal(a.begin(), a.end(), b.begin(), b.end(),
                     [](const std::string* p, const std::string* q) { return *p == *q; }));

    std::string strJoined;
    for (const CString& strLine : astrRead)
        strJoined += strLine.str() + "\r\n";
    CString strText = list.BuildEventText();
    Check(strText.str() == strJoined);
    // Each search runs through the whole text: a spread of lines is enough,
    // and keeps an input's work linear in its size.
    const size_t nStep = astrRead.size() / 8 + 1;
    for (size_t i = 0; i < astrRead.size(); i += nStep)
        if (astrRead[i].Find('\n') < 0)
            Check(CEventList::EventTextHasLine(strText, astrRead[i]));

    // Saved and read again, a list of dated lines comes back unchanged.
    std::vector<CString> astrSaved;
    list.Write([&](int nKey, const CString& strValue) {
        Check(nKey == (int)astrSaved.size());
        astrSaved.push_back(strValue);
    });
    bool bPlain = true;
    for (const CString& strLine : astrRead)
        bPlain = bPlain && strLine.Find('\t') >= 0 &&
                 strLine.Left(strLine.Find('\t')).Find(';') < 0 &&
                 strLine.GetLength() <= CEventList::MAX_VALUE_LENGTH &&
                 CEventList::ValueFromLine(strLine) != "END" &&
                 CEventList::PadOneDigitDay(CEventList::ValueFromLine(strLine)) ==
                     CEventList::ValueFromLine(strLine);
    if (bPlain) {
        CEventList reread;
        reread.Read([&](int nKey) {
            return nKey < (int)astrSaved.size() ? astrSaved[nKey] : CString("END");
        });
        Check(reread.GetLines() == astrRead);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<CString> astrValues;
    const char* p = (const char*)data;
    const char* end = p + size;
    // A hundred values show every rule; the list's own limit of 500 entries
    // is a unit test's, and more values per input would only make each
    // input slower to try.
    while (p < end && astrValues.size() < 100) {
        const char* eol = std::find(p, end, '\n');
        astrValues.emplace_back(p, (int)(eol - p));
        p = eol == end ? end : eol + 1;
    }
    for (const CString& strValue : astrValues) {
        CheckValue(strValue);
        CheckName(strValue);
    }
    CheckList(astrValues);
    return 0;
}
