#include "app/SettingsReader.h"

#include <climits>
#include <cstdint>

#include "app/LookLimits.h"

namespace {
const char kSection[] = "Almanark";
const int kShowMaximized = 3; // SW_SHOWMAXIMIZED
const int kShowNormal = 5;    // SW_SHOW
// Beyond any screen: keeps the sums of position and size within an int.
const int kMaxCoordinate = 1 << 20;

int Limit(int n, int nLow, int nHigh) {
    return n < nLow ? nLow : n > nHigh ? nHigh : n;
}
} // namespace

int CSettingsReader::ParseInt(const CString& strText, int nDefault) {
    const char* p = strText.c_str();
    const char* pEnd = p + strText.GetLength();
    if (p == pEnd)
        return nDefault;
    while (p < pEnd && (*p == ' ' || *p == '\t'))
        ++p;
    bool bNegative = p < pEnd && *p == '-';
    if (p < pEnd && (*p == '-' || *p == '+'))
        ++p;
    int64_t nValue = 0;
    for (; p < pEnd && *p >= '0' && *p <= '9'; ++p) {
        nValue = nValue * 10 + (*p - '0');
        if (nValue > (int64_t)INT_MAX + 1)
            nValue = (int64_t)INT_MAX + 1;
    }
    if (bNegative)
        nValue = -nValue;
    return (int)(nValue > INT_MAX ? INT_MAX : nValue);
}

CString CSettingsReader::String(const char* pszSection, const char* pszKey,
                                const char* pszDefault) const {
    CString strValue = m_lookup(pszSection, pszKey);
    return strValue.IsEmpty() ? CString(pszDefault) : strValue;
}

int CSettingsReader::Int(const char* pszSection, const char* pszKey, int nDefault) const {
    return ParseInt(m_lookup(pszSection, pszKey), nDefault);
}

int CSettingsReader::OneOf(const char* pszKey, int nDefault,
                           std::initializer_list<int> allowed) const {
    int nValue = Int(kSection, pszKey, nDefault);
    for (int nAllowed : allowed)
        if (nValue == nAllowed)
            return nValue;
    return nDefault;
}

// The frame writes only these two; anything else would start the program
// with a window that is never shown.
int CSettingsReader::ShowCommand() const {
    return Int(kSection, "Show Window", kShowNormal) == kShowMaximized ? kShowMaximized
                                                                       : kShowNormal;
}

int CSettingsReader::DaySwap() const {
    return OneOf("Day Swap", 0, {0, 2});
}

int CSettingsReader::NoteSize() const {
    return OneOf("Note Size", 1, {0, 1});
}

int CSettingsReader::DateSize() const {
    return OneOf("Date Size", 0, {0, 1});
}

int CSettingsReader::DateSwap() const {
    return Int(kSection, "Date Swap", 0) != 0 ? 1 : 0;
}

int CSettingsReader::DateStyle() const {
    return OneOf("Date Style", 1, {-1, 0, 1, 2});
}

CLookSettings CSettingsReader::Look(const char* pszElement) const {
    const CString strElement = CString(pszElement) + " ";
    CLookSettings look;
    look.m_strFace = String(kSection, strElement + "Font", "Arial");
    look.m_crColor = CLookLimits::Color((unsigned)Int(kSection, strElement + "Color", 0));
    look.m_nWeight = CLookLimits::Weight(Int(kSection, strElement + "Weight", 400));
    look.m_bItalic = CLookLimits::Italic((unsigned)Int(kSection, strElement + "Italic", 0));
    return look;
}

COptions CSettingsReader::Options() const {
    COptions options;
    options.m_nFirstWeekday = OneOf("First Weekday", 0, {0, 1, 2, 3, 4, 5, 6});
    options.m_bWeekNumbers = OneOf("Week Numbers", 0, {0, 1}) == 1;
    options.m_bLocalNames = OneOf("Local Names", 0, {0, 1}) == 1;
    return options;
}

CWindowPlacement CSettingsReader::Placement() const {
    return {Limit(Int(kSection, "Window PosX", 0), -kMaxCoordinate, kMaxCoordinate),
            Limit(Int(kSection, "Window PosY", 0), -kMaxCoordinate, kMaxCoordinate),
            Limit(Int(kSection, "Window SizeX", CWindowPlacement::kMinWidth),
                  CWindowPlacement::kMinWidth, kMaxCoordinate),
            Limit(Int(kSection, "Window SizeY", CWindowPlacement::kMinHeight),
                  CWindowPlacement::kMinHeight, kMaxCoordinate)};
}

short CSettingsReader::Orientation(const char* pszPrinter) const {
    return Int(pszPrinter, "Orientation", 2) == 1 ? 1 : 2;
}

short CSettingsReader::PaperSize(const char* pszPrinter) const {
    return (short)Limit(Int(pszPrinter, "Paper Size", 1), 1, SHRT_MAX);
}

short CSettingsReader::PrintColor(const char* pszPrinter) const {
    return Int(pszPrinter, "Print Color", 1) == 2 ? 2 : 1;
}
