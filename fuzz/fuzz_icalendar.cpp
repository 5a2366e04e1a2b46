// iCalendar files as any program or any damage may leave them: the reader
// takes them whole or not at all, and every entry it gives is a date text
// the event list knows with a caption a user could have typed.
#include "dates/DateCalc.h"
#include "dates/ICalendarReader.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

void Check(bool bOk) {
    if (!bOk)
        abort();
}

int MonthIndex(const CString& str) {
    for (int i = 0; i < 12; ++i)
        if (str.Left(3) == g_apszMonthAbbrev[i])
            return i + 1;
    return 0;
}

bool IsDigits(const CString& str, int nStart, int nCount) {
    for (int i = nStart; i < nStart + nCount; ++i)
        if (i >= str.GetLength() || str[i] < '0' || str[i] > '9')
            return false;
    return true;
}

// "Mar 14", "Mar 14, 2027", "Mar 14 *1879" or "Nov-Thu #4".
bool IsDateText(const CString& str) {
    if (MonthIndex(str) == 0 || str.GetLength() < 6)
        return false;
    if (str[3] == '-') {
        bool bWeekday = false;
        for (const char* pszDay : g_apszWeekdayAbbrev)
            bWeekday = bWeekday || str.Mid(4, 3) == pszDay;
        return str.GetLength() == 10 && bWeekday && str.Mid(7, 2) == " #" &&
               std::strchr("1234L", str[9]) != nullptr;
    }
    if (str[3] != ' ' || !IsDigits(str, 4, 2))
        return false;
    int nDay = atoi(str.Mid(4, 2).c_str());
    if (nDay < 1 || nDay > (MonthIndex(str) == 2 ? 29 : DaysInMonth(2001, MonthIndex(str))))
        return false;
    if (str.GetLength() == 6)
        return true;
    if (str.GetLength() == 12 && str.Mid(6, 2) == ", " && IsDigits(str, 8, 4)) {
        int nYear = atoi(str.Mid(8, 4).c_str());
        return nYear >= FIRST_YEAR && nYear <= LAST_YEAR &&
               nDay <= DaysInMonth(nYear, MonthIndex(str));
    }
    return str.GetLength() == 12 && str.Mid(6, 2) == " *" && IsDigits(str, 8, 4);
}

void CheckCaption(const CString& str) {
    Check(str.GetLength() <= 30);
    Check(str.IsEmpty() || (str[0] != ' ' && str[str.GetLength() - 1] != ' '));
    for (int i = 0; i < str.GetLength(); ++i)
        Check((unsigned char)str[i] >= 0x20 && str[i] != 0x7F);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string strText((const char*)data, size);
    CICalendarReader reader;
    bool bRead = reader.Read(strText, 2026);
    int nSkipped =
        reader.Skipped(CICalendarReader::kRepeating) + reader.Skipped(CICalendarReader::kNoDate);
    Check(bRead || (reader.Entries().empty() && nSkipped == 0));
    for (const ICalendarEntry& entry : reader.Entries()) {
        Check(IsDateText(entry.m_strDate));
        Check(!entry.m_strCaption.IsEmpty());
        CheckCaption(entry.m_strCaption);
    }
    return 0;
}
