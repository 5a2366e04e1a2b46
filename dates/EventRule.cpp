#include "dates/EventRule.h"

#include "dates/DateCalc.h"

namespace {

const char kEaster[] = "EASTER";
const char kOrthodoxEaster[] = "OEASTER";
const int kMaxOffset = 99;

bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}

// Digits s[nFrom, nTo) as a number, or -1 when any is not a digit.
int DigitsAt(std::string_view s, size_t nFrom, size_t nTo) {
    int n = 0;
    for (size_t i = nFrom; i < nTo; ++i) {
        if (!IsDigit(s[i]))
            return -1;
        n = n * 10 + (s[i] - '0');
    }
    return n;
}

// "+n" or "-n" with n from 1 to 99 without a leading zero, after the word at
// nFrom; an empty tail is Easter Sunday itself when bBareAllowed.
bool ParseOffset(std::string_view s, size_t nFrom, bool bBareAllowed, int& nOffset) {
    size_t nLength = s.size() - nFrom;
    if (nLength == 0) {
        nOffset = 0;
        return bBareAllowed;
    }
    if (nLength < 2 || nLength > 3 || (s[nFrom] != '+' && s[nFrom] != '-') || s[nFrom + 1] == '0')
        return false;
    int n = DigitsAt(s, nFrom + 1, s.size());
    if (n < 1 || n > kMaxOffset)
        return false;
    nOffset = s[nFrom] == '+' ? n : -n;
    return true;
}

// "Mmm DD *YYYY": an annual date, one blank, "*" and a four-digit year.
bool ParseAge(std::string_view s, int& nMonth, int& nDay, int& nYear) {
    if (s.size() != 12 || s[3] != ' ' || s[6] != ' ' || s[7] != '*')
        return false;
    nMonth = 0;
    for (int m = 0; m < 12 && !nMonth; ++m)
        if (s.compare(0, 3, g_apszMonthAbbrev[m]) == 0)
            nMonth = m + 1;
    nDay = DigitsAt(s, 4, 6);
    nYear = DigitsAt(s, 8, 12);
    return nMonth && nDay >= 1 && nDay <= 31 && nYear >= 0;
}

bool IsEasterOffsetOf(int nDayNumber, int nYear, int nOffset, bool bOrthodox) {
    MonthDay easter = bOrthodox ? OrthodoxEasterSunday(nYear) : EasterSunday(nYear);
    return DayNumber(nYear, easter.m_nMonth, easter.m_nDay) + nOffset == nDayNumber;
}

} // namespace

CEventRule CEventRule::Easter(Kind kind, int nOffset) {
    CEventRule rule;
    rule.m_kind = kind;
    rule.m_nOffset = nOffset;
    return rule;
}

CEventRule CEventRule::Age(int nMonth, int nDay, int nYear) {
    CEventRule rule;
    rule.m_kind = age;
    rule.m_nMonth = nMonth;
    rule.m_nDay = nDay;
    rule.m_nYear = nYear;
    return rule;
}

CEventRule CEventRule::Parse(std::string_view s) {
    int nOffset = 0;
    // "EASTER" alone is the fixed form of its own and no rule here.
    if (s.compare(0, 6, kEaster) == 0 && ParseOffset(s, 6, false, nOffset))
        return Easter(easter, nOffset);
    if (s.compare(0, 7, kOrthodoxEaster) == 0 && ParseOffset(s, 7, true, nOffset))
        return Easter(orthodoxEaster, nOffset);
    int nMonth, nDay, nYear;
    if (ParseAge(s, nMonth, nDay, nYear))
        return Age(nMonth, nDay, nYear);
    return CEventRule();
}

bool CEventRule::FallsOn(int nYear, int nMonth, int nDay) const {
    switch (m_kind) {
    case easter:
    case orthodoxEaster: {
        // At most 99 days before Easter reaches back into December: such a
        // day belongs to the next year's Easter.
        int nDayNumber = DayNumber(nYear, nMonth, nDay);
        bool bOrthodox = m_kind == orthodoxEaster;
        return IsEasterOffsetOf(nDayNumber, nYear, m_nOffset, bOrthodox) ||
               (m_nOffset < 0 && IsEasterOffsetOf(nDayNumber, nYear + 1, m_nOffset, bOrthodox));
    }
    case age:
        return nMonth == m_nMonth && nDay == m_nDay && nYear >= m_nYear;
    default:
        return false;
    }
}

CString CEventRule::CaptionIn(int nYear, const CString& strCaption) const {
    if (m_kind != age || nYear <= m_nYear)
        return strCaption;
    return strCaption + " (" + CString::FromInt(nYear - m_nYear) + ")";
}

CString CEventRule::Text() const {
    CString str;
    switch (m_kind) {
    case easter:
    case orthodoxEaster:
        str = m_kind == easter ? kEaster : kOrthodoxEaster;
        if (m_nOffset)
            str += (m_nOffset > 0 ? "+" : "-") +
                   CString::FromInt(m_nOffset > 0 ? m_nOffset : -m_nOffset);
        break;
    case age:
        str.Format("%s *%04d", AnnualDateText(m_nMonth, m_nDay).c_str(), m_nYear);
        break;
    default:
        break;
    }
    return str;
}
