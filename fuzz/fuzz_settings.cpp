// The settings file as a hand may have edited it: each input line is the
// value of one key of Almanark.ini, in the order of the table below. Every
// value the program takes from it must be one it can use.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/SettingsReader.h"

namespace {
const char* const s_apszKeys[] = {
    "Almanark/Show Window",    "Almanark/Day Swap",      "Almanark/Note Size",
    "Almanark/Date Size",      "Almanark/Date Swap",     "Almanark/Date Style",
    "Almanark/Weekday Font",   "Almanark/Weekday Color", "Almanark/Weekday Weight",
    "Almanark/Weekday Italic", "Almanark/Notes Font",    "Almanark/Notes Color",
    "Almanark/Notes Weight",   "Almanark/Notes Italic",  "Almanark/Title Font",
    "Almanark/Title Color",    "Almanark/Title Weight",  "Almanark/Title Italic",
    "Almanark/Date Font",      "Almanark/Date Color",    "Almanark/Date Weight",
    "Almanark/Date Italic",    "Almanark/Window PosX",   "Almanark/Window PosY",
    "Almanark/Window SizeX",   "Almanark/Window SizeY",  "PDF/Orientation",
    "PDF/Paper Size",          "PDF/Print Color",
};

void Check(bool bOk) {
    if (!bOk)
        abort();
}

bool OneOf(int n, std::initializer_list<int> allowed) {
    for (int nAllowed : allowed)
        if (n == nAllowed)
            return true;
    return false;
}

// Plain digits that fit an int read as their value.
void CheckParse(const CString& strValue) {
    const std::string s = strValue.str();
    if (s.empty() || s.size() > 9 || s.find_first_not_of("0123456789") != std::string::npos)
        return;
    Check(CSettingsReader::ParseInt(strValue, -1) == atoi(s.c_str()));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t nSize) {
    std::vector<CString> astrValues;
    const char* p = (const char*)pData;
    const char* pEnd = p + nSize;
    while (p < pEnd && astrValues.size() < sizeof s_apszKeys / sizeof *s_apszKeys) {
        const char* pEol = (const char*)memchr(p, '\n', (size_t)(pEnd - p));
        if (!pEol)
            pEol = pEnd;
        astrValues.emplace_back(p, (int)(pEol - p));
        p = pEol == pEnd ? pEnd : pEol + 1;
    }
    for (const CString& strValue : astrValues)
        CheckParse(strValue);

    const CSettingsReader reader([&astrValues](const char* pszSection, const char* pszKey) {
        const std::string strKey = std::string(pszSection) + "/" + pszKey;
        for (size_t i = 0; i < astrValues.size(); ++i)
            if (strKey == s_apszKeys[i])
                return astrValues[i];
        return CString();
    });
    Check(OneOf(reader.ShowCommand(), {3, 5}));
    Check(OneOf(reader.DaySwap(), {0, 2}));
    Check(OneOf(reader.NoteSize(), {0, 1}));
    Check(OneOf(reader.DateSize(), {0, 1}));
    Check(OneOf(reader.DateSwap(), {0, 1}));
    Check(OneOf(reader.DateStyle(), {-1, 0, 1, 2}));
    for (const char* pszElement : {"Weekday", "Notes", "Title", "Date"}) {
        const CTextLook look = reader.Look(pszElement);
        Check(look.m_nWeight >= 0 && look.m_nWeight <= 1000);
        Check(look.m_bItalic <= 1 && look.m_crColor <= 0x00FFFFFF);
        Check(!look.m_strFace.IsEmpty());
    }
    Check(OneOf(reader.Orientation("PDF"), {1, 2}));
    Check(reader.PaperSize("PDF") >= 1);
    Check(OneOf(reader.PrintColor("PDF"), {1, 2}));

    // Fitted to a work area, the window lies on it, at least at its least size.
    const CWindowPlacement placement = reader.Placement();
    const RECT work = {0, 0, 1280, 1024};
    const CWindowPlacement fitted = placement.ClampedTo(work);
    Check(fitted.cx >= CWindowPlacement::kMinWidth && fitted.cy >= CWindowPlacement::kMinHeight);
    Check(fitted.x >= 0 && fitted.y >= 0);
    Check(fitted.x + fitted.cx <= work.right && fitted.y + fitted.cy <= work.bottom);
    return 0;
}
