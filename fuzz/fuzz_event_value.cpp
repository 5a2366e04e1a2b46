// Event-file values as a hand-edited file may hold them: each input line is
// one value. Checks that the value and file-name rules keep their
// invariants on any bytes; fuzz_event_list checks the list built of them.
#include "dates/EventFileNames.h"
#include "dates/EventList.h"
#include "dates/EventRule.h"
#include "fuzz/FuzzLines.h"
#include "dates/DateCalc.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

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

// A date text that parses as a rule is written back as the same text, and
// falls on days only as its form says.
void CheckRule(const CString& strValue) {
    int nSep = strValue.Find(';');
    const std::string strDate = strValue.str().substr(0, nSep < 0 ? strValue.GetLength() : nSep);
    CEventRule rule = CEventRule::Parse(strDate);
    if (rule.IsNone())
        return;
    Check(rule.Text().str() == strDate);
    Check(rule.GetOffset() >= -99 && rule.GetOffset() <= 99);
    for (int nYear : {1970, 2000, 2037}) {
        int nDays = 0;
        for (int nMonth = 1; nMonth <= 12; ++nMonth)
            for (int nDay = 1; nDay <= DaysInMonth(nYear, nMonth); ++nDay)
                nDays += rule.FallsOn(nYear, nMonth, nDay) ? 1 : 0;
        // Once a year, but a day before Easter may fall in December too.
        Check(nDays <= (rule.GetOffset() < 0 ? 2 : 1));
        Check(rule.CaptionIn(nYear, "A").Left(1) == "A");
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
        Check(c >= 32 && c != 127 && std::strchr("\\/:*?\"<>|", c) == nullptr);
    }
    CString strAgain = strName;
    Check(!CleanEventFileName(strAgain, nCaret) && strAgain == strName);

    CString strArg = "D:\\x\\" + strName + ".EvN";
    Check(ResolveEventFilePath(strName, strArg, "C:\\Cal\\") == strArg);
    Check(EventFileDisplayName(strArg) == strName);
    CString strPath = TakeEventFilePathForDelete(strName, strArg, "C:\\Cal\\");
    Check(strName.IsEmpty() ? strPath.IsEmpty() && !strArg.IsEmpty() : strArg.IsEmpty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    for (const CString& strValue : FuzzLines(data, size)) {
        CheckValue(strValue);
        CheckRule(strValue);
        CheckName(strValue);
    }
    return 0;
}
