#include "dates/ICalendarReader.h"

#include "dates/DateCalc.h"
#include "dates/EventRule.h"

#include <cstdlib>
#include <cstring>

namespace {

const int kMaxCaption = 30;
const char kWeekdays[7][3] = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};

// Unicode code points of the code page's bytes 0x80 to 0x9F; 0 where the
// byte has none.
const unsigned short kHighChars[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char CodePageChar(unsigned long cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return (char)cp;
    for (int i = 0; i < 32; ++i)
        if (kHighChars[i] != 0 && kHighChars[i] == cp)
            return (char)(0x80 + i);
    return '?';
}

// One UTF-8 character at s[i]: its code point, or -1 for a malformed one
// (then i passes its first byte only).
long NextCodePoint(const std::string& s, size_t& i) {
    unsigned char c = (unsigned char)s[i++];
    if (c < 0x80)
        return c;
    int nMore = c >= 0xF0 && c < 0xF5 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 && c < 0xE0 ? 1 : -1;
    if (c >= 0xF5 || nMore < 0 || i + nMore > s.size())
        return -1;
    long cp = c & (0x3F >> nMore);
    for (int k = 0; k < nMore; ++k) {
        unsigned char cc = (unsigned char)s[i + k];
        if ((cc & 0xC0) != 0x80)
            return -1;
        cp = (cp << 6) | (cc & 0x3F);
    }
    static const long kLeast[4] = {0, 0x80, 0x800, 0x10000};
    if (cp < kLeast[nMore] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return -1;
    i += nMore;
    return cp;
}

std::string Upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z')
            c = (char)(c - 'a' + 'A');
    return s;
}

// A whole number of at most four digits with an optional sign, or 0.
int SmallNumber(const std::string& s) {
    size_t nStart = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
    if (s.size() <= nStart || s.size() > nStart + 4)
        return 0;
    for (size_t i = nStart; i < s.size(); ++i)
        if (s[i] < '0' || s[i] > '9')
            return 0;
    return std::atoi(s.c_str());
}

// The text's content lines, unfolded: a line that begins with a blank or a
// tab continues the one before it. Line ends may be CR LF or LF alone.
std::vector<std::string> UnfoldedLines(const std::string& strText) {
    std::vector<std::string> lines;
    size_t nStart = strText.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    while (nStart < strText.size()) {
        size_t nEnd = strText.find('\n', nStart);
        if (nEnd == std::string::npos)
            nEnd = strText.size();
        size_t nLength = nEnd - nStart;
        if (nLength > 0 && strText[nEnd - 1] == '\r')
            --nLength;
        if (nLength > 0 && (strText[nStart] == ' ' || strText[nStart] == '\t') && !lines.empty())
            lines.back().append(strText, nStart + 1, nLength - 1);
        else if (nLength > 0)
            lines.emplace_back(strText, nStart, nLength);
        nStart = nEnd + 1;
    }
    return lines;
}

bool MentionsBirthday(const std::string& strUpper) {
    return strUpper.find("BIRTHDAY") != std::string::npos ||
           strUpper.find("ANNIVERSARY") != std::string::npos;
}

// RRULE parts as "KEY=VALUE" pairs, keys in upper case.
std::vector<std::pair<std::string, std::string>> RuleParts(const std::string& strRule) {
    std::vector<std::pair<std::string, std::string>> parts;
    size_t nStart = 0;
    while (nStart <= strRule.size()) {
        size_t nEnd = strRule.find(';', nStart);
        if (nEnd == std::string::npos)
            nEnd = strRule.size();
        std::string part = strRule.substr(nStart, nEnd - nStart);
        size_t nEq = part.find('=');
        if (!part.empty())
            parts.emplace_back(Upper(part.substr(0, nEq)),
                               nEq == std::string::npos ? "" : Upper(part.substr(nEq + 1)));
        nStart = nEnd + 1;
    }
    return parts;
}

// The start as the file states it: "20240314", "20240314T090000Z" or a
// time in the zone of its TZID; the day it names is the day shown.
bool StartDate(const std::string& start, int& nYear, int& nMonth, int& nDay) {
    if (start.size() < 8 || start.find_first_not_of("0123456789") < 8 ||
        (start.size() > 8 && start[8] != 'T'))
        return false;
    nYear = std::atoi(start.substr(0, 4).c_str());
    nMonth = std::atoi(start.substr(4, 2).c_str());
    nDay = std::atoi(start.substr(6, 2).c_str());
    return nYear > 0 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 &&
           nDay <= DaysInMonth(nYear, nMonth);
}

} // namespace

struct CICalendarReader::ContentLine {
    std::string strName; // upper case
    std::string strParams;
    std::string strValue;
};

CICalendarReader::ContentLine CICalendarReader::SplitLine(const std::string& line) {
    ContentLine result;
    size_t nNameEnd = line.find_first_of(";:");
    result.strName = Upper(line.substr(0, nNameEnd));
    if (nNameEnd == std::string::npos)
        return result;
    // Parameter values may hold ':' inside quotes.
    bool bQuoted = false;
    size_t i = nNameEnd;
    for (; i < line.size(); ++i) {
        if (line[i] == '"')
            bQuoted = !bQuoted;
        else if (line[i] == ':' && !bQuoted)
            break;
    }
    result.strParams = Upper(line.substr(nNameEnd, i - nNameEnd));
    result.strValue = i < line.size() ? line.substr(i + 1) : std::string();
    return result;
}

struct CICalendarReader::Event {
    std::string strStart;
    std::string strStartParams;
    std::string strSummary;
    std::vector<std::string> rules;
    bool bExceptions = false;
    bool bBirthday = false;
};

CString CICalendarReader::CaptionFromText(const std::string& strValue) {
    std::string strCaption;
    for (size_t i = 0; i < strValue.size();) {
        // The escapes of a text value; a backslash before anything else is dropped.
        if (strValue[i] == '\\') {
            char c = i + 1 < strValue.size() ? strValue[i + 1] : '\0';
            bool bEscape = c != '\0' && std::strchr("nN\\;,", c) != nullptr;
            if (bEscape)
                strCaption += c == 'n' || c == 'N' ? ' ' : c;
            i += bEscape ? 2 : 1;
            continue;
        }
        long cp = NextCodePoint(strValue, i);
        // A caption is one line of a day box: control characters become blanks.
        strCaption += cp < 0 ? '?' : cp < 0x20 || cp == 0x7F ? ' ' : CodePageChar(cp);
    }
    CString str(strCaption);
    str.Trim();
    str = str.Left(kMaxCaption);
    str.TrimRight();
    return str;
}

bool CICalendarReader::Read(const std::string& strText, int nCurrentYear) {
    m_entries.clear();
    std::memset(m_anSkipped, 0, sizeof m_anSkipped);
    std::vector<std::string> components;
    Event event;
    bool bCalendar = false, bDamaged = false;
    for (const std::string& line : UnfoldedLines(strText)) {
        ContentLine content = SplitLine(line);
        bool bBoundary = content.strName == "BEGIN" || content.strName == "END";
        std::string strValue = bBoundary ? Upper(content.strValue) : std::string();
        if (content.strName == "BEGIN") {
            // Everything lies inside a calendar.
            if (components.empty() && strValue != "VCALENDAR") {
                bDamaged = true;
                break;
            }
            bCalendar = true;
            components.push_back(strValue);
            if (components.size() == 2 && strValue == "VEVENT")
                event = Event();
        } else if (content.strName == "END") {
            if (components.empty() || components.back() != strValue) {
                bDamaged = true;
                break;
            }
            if (components.size() == 2 && strValue == "VEVENT")
                AddEvent(event, nCurrentYear);
            components.pop_back();
        } else if (components.empty()) {
            bDamaged = true;
            break;
        } else if (components.size() == 2 && components.back() == "VEVENT") {
            AddProperty(event, content);
        }
    }
    // A file cut short ends inside its calendar: none of it is taken.
    if (bDamaged || !bCalendar || !components.empty()) {
        m_entries.clear();
        std::memset(m_anSkipped, 0, sizeof m_anSkipped);
        return false;
    }
    return true;
}

void CICalendarReader::AddProperty(Event& event, const ContentLine& content) {
    const std::string& name = content.strName;
    if (name == "DTSTART") {
        event.strStart = content.strValue;
        event.strStartParams = content.strParams;
    } else if (name == "SUMMARY") {
        event.strSummary = content.strValue;
    } else if (name == "RRULE") {
        event.rules.push_back(Upper(content.strValue));
    } else if (name == "EXDATE" || name == "RDATE" || name == "EXRULE" || name == "RECURRENCE-ID") {
        event.bExceptions = true;
    } else if ((name == "CATEGORIES" || name.compare(0, 2, "X-") == 0) &&
               MentionsBirthday(Upper(content.strValue))) {
        event.bBirthday = true;
    }
}

void CICalendarReader::AddEvent(const Event& event, int nCurrentYear) {
    CString strCaption = CaptionFromText(event.strSummary);
    int nYear = 0, nMonth = 0, nDay = 0;
    if (!StartDate(event.strStart, nYear, nMonth, nDay) || strCaption.IsEmpty()) {
        ++m_anSkipped[kNoDate];
        return;
    }
    if (event.bExceptions || event.rules.size() > 1) {
        ++m_anSkipped[kRepeating];
        return;
    }
    if (event.rules.empty()) {
        if (!IsKnownYear(nYear)) {
            ++m_anSkipped[kNoDate];
            return;
        }
        m_entries.push_back(
            {AnnualDateText(nMonth, nDay) + ", " + CString::FromInt(nYear), strCaption});
        return;
    }
    int nRuleMonth = nMonth, nRuleDay = nDay;
    CString strDate = YearlyDateText(event.rules[0], nRuleMonth, nRuleDay);
    if (strDate.IsEmpty()) {
        ++m_anSkipped[kRepeating];
        return;
    }
    // Apple marks a birthday without a known year by this parameter.
    bool bYearKnown = event.strStartParams.find("X-APPLE-OMIT-YEAR") == std::string::npos;
    bool bBirthday = event.bBirthday || MentionsBirthday(Upper(event.strSummary));
    if (bBirthday && bYearKnown && strDate.GetLength() == 6 && nYear >= 1000 &&
        nYear < nCurrentYear)
        strDate = CEventRule::Age(nRuleMonth, nRuleDay, nYear).Text();
    m_entries.push_back({strDate, strCaption});
}

// The annual or calculated date text of a yearly rule for an event starting
// on nMonth/nDay, or empty when the rule is not one of those. nMonth and nDay
// become the month and day the rule names.
CString CICalendarReader::YearlyDateText(const std::string& strRule, int& nMonth, int& nDay) {
    std::string strByDay;
    int nSetPos = 0;
    bool bYearly = false, bMonthDay = false;
    for (const auto& [key, value] : RuleParts(strRule)) {
        if (key == "FREQ" && value == "YEARLY") {
            bYearly = true;
        } else if ((key == "INTERVAL" && SmallNumber(value) == 1) || key == "WKST") {
            continue; // no bearing on a yearly date
        } else if (key == "BYMONTH" && SmallNumber(value) >= 1 && SmallNumber(value) <= 12) {
            nMonth = SmallNumber(value);
        } else if (key == "BYMONTHDAY" && SmallNumber(value) >= 1 && SmallNumber(value) <= 31) {
            nDay = SmallNumber(value);
            bMonthDay = true;
        } else if (key == "BYDAY" && value.size() >= 2) {
            strByDay = value;
        } else if (key == "BYSETPOS" && SmallNumber(value) != 0) {
            nSetPos = SmallNumber(value);
        } else {
            return CString(); // another frequency, an end (COUNT, UNTIL), or a rule of its own
        }
    }
    if (!bYearly)
        return CString();
    if (strByDay.empty()) {
        // An annual date may be 29 February, as the Specific Date page allows.
        if (nSetPos != 0 || nDay > (nMonth == 2 ? 29 : DaysInMonth(2001, nMonth)))
            return CString();
        return AnnualDateText(nMonth, nDay);
    }
    int nWeekday = -1;
    for (int i = 0; i < 7; ++i)
        if (strByDay.compare(strByDay.size() - 2, 2, kWeekdays[i]) == 0)
            nWeekday = i;
    std::string strCount = strByDay.substr(0, strByDay.size() - 2);
    int nOrdinal = strCount.empty() ? nSetPos : nSetPos == 0 ? SmallNumber(strCount) : 0;
    if (nWeekday < 0 || bMonthDay || (!strCount.empty() && SmallNumber(strCount) == 0) ||
        nOrdinal == 0 || nOrdinal > 4 || nOrdinal < -1)
        return CString();
    return CalculatedDatePrefix(nMonth, nWeekday) +
           g_apszOrdinal[nOrdinal == -1 ? 4 : nOrdinal - 1];
}
