#include "app/SettingsReader.h"

#include <climits>
#include <cstdint>

using Keys = CSettingsKeys;

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

int CSettingsReader::Int(const CIntKey& key, const char* pszSection) const {
    return Int(key, pszSection, key.pszName);
}

int CSettingsReader::Int(const CIntKey& key, const char* pszSection, const CString& strName) const {
    return key.Fit(ParseInt(m_lookup(pszSection, strName), key.nDefault));
}

CString CSettingsReader::String(const CStringKey& key) const {
    return String(key, key.pszName);
}

CString CSettingsReader::String(const CStringKey& key, const CString& strName) const {
    CString strValue = m_lookup(Keys::kSection, strName);
    return strValue.IsEmpty() ? CString(key.pszDefault) : strValue;
}

CString CSettingsReader::LookKeyName(const char* pszElement, const char* pszKey) {
    return CString(pszElement) + " " + pszKey;
}

CTextLook CSettingsReader::Look(const char* pszElement) const {
    auto value = [&](const CIntKey& key) {
        return Int(key, Keys::kSection, LookKeyName(pszElement, key.pszName));
    };
    CTextLook look;
    look.m_strFace = String(Keys::kLookFace, LookKeyName(pszElement, Keys::kLookFace.pszName));
    look.m_crColor = (COLORREF)value(Keys::kLookColor);
    look.m_nWeight = value(Keys::kLookWeight);
    look.m_bItalic = (BYTE)value(Keys::kLookItalic);
    return look;
}

COptions CSettingsReader::Options() const {
    COptions options;
    options.m_nFirstWeekday = Int(Keys::kFirstWeekday);
    options.m_bWeekNumbers = Int(Keys::kWeekNumbers) == 1;
    options.m_bLocalNames = Int(Keys::kLocalNames) == 1;
    return options;
}

CWindowPlacement CSettingsReader::Placement() const {
    return {Int(Keys::kWindowPosX), Int(Keys::kWindowPosY), Int(Keys::kWindowSizeX),
            Int(Keys::kWindowSizeY)};
}

short CSettingsReader::Orientation(const char* pszPrinter) const {
    return (short)Int(Keys::kOrientation, pszPrinter);
}

short CSettingsReader::PaperSize(const char* pszPrinter) const {
    return (short)Int(Keys::kPaperSize, pszPrinter);
}

short CSettingsReader::PrintColor(const char* pszPrinter) const {
    return (short)Int(Keys::kPrintColor, pszPrinter);
}
