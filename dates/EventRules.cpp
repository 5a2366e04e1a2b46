#include "dates/EventRules.h"

#include "dates/DateCalc.h"
#include "framework/String.h"

#include <string>

namespace {

// Position of the first line at or after nFrom that begins with strPrefix.
// Only line starts count: a date text must match a whole date text, not the
// tail of another one or a piece of a caption.
size_t FindLineStart(const std::string& text, const std::string& strPrefix, size_t nFrom) {
    for (size_t pos = text.find(strPrefix, nFrom); pos != std::string::npos;
         pos = text.find(strPrefix, pos + 1)) {
        if (pos == 0 || (pos >= 2 && text[pos - 2] == '\r' && text[pos - 1] == '\n'))
            return pos;
    }
    return std::string::npos;
}

} // namespace

CString FindEventCaptions(const CString& strAllEvents, const CString& strEaster,
                          const CString& strDate, const CString& strNote) {
    const std::string& text = strAllEvents.str();
    const std::string& note = strNote.str();
    const std::string key = strDate.str() + '\t';
    std::string result;

    size_t pos = FindLineStart(text, key, 0);
    while (pos != std::string::npos) {
        size_t captionStart = pos + key.size();
        size_t lineEnd = text.find(kCrLf, captionStart);
        // The last line may lack its line break; its caption still counts.
        std::string line =
            text.substr(captionStart,
                        lineEnd == std::string::npos ? std::string::npos : lineEnd - captionStart);
        line += kCrLf;
        if (note.find(kCrLf + line) == std::string::npos)
            result += line;
        if (lineEnd == std::string::npos)
            break;
        pos = FindLineStart(text, key, lineEnd + 2);
    }

    if (strEaster.str().find(key) != std::string::npos &&
        FindLineStart(text, "EASTER\t", 0) != std::string::npos)
        result += "Easter\r\n";
    return CString(result);
}

CString EventCaptionsForDay(const CString& strAllEvents, const CString& strEaster, int nYear,
                            int nMonth, int nWeekday, const CString& strDay, const CString& strNote,
                            int nWeekIndex, bool bLast) {
    if (nMonth < 1 || nMonth > 12 || nWeekday < 0 || nWeekday > 6 || nWeekIndex < 0 ||
        nWeekIndex > 4)
        return CString();

    CString strDD = strDay.GetLength() < 2 ? "0" + strDay : strDay;
    CString strMonth = g_apszMonthAbbrev[nMonth - 1];
    CString strCalculated = strMonth + "-" + g_apszWeekdayAbbrev[nWeekday] + " #";

    CString strAnnual = strMonth + " " + strDD;
    CString strResult = FindEventCaptions(strAllEvents, strEaster, strAnnual, strNote);
    strResult += FindEventCaptions(strAllEvents, strEaster,
                                   strAnnual + ", " + CString::FromInt(nYear), strNote);
    strResult += FindEventCaptions(strAllEvents, strEaster,
                                   strCalculated + g_apszOrdinal[nWeekIndex], strNote);
    // A fourth occurrence that is also the last answers to "#L" as well.
    if (bLast && nWeekIndex == 3)
        strResult += FindEventCaptions(strAllEvents, strEaster, strCalculated + "L", strNote);
    return strResult;
}
