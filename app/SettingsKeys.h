// CSettingsKeys: every key of Almanark.ini, spelled here once, with the
// default and the range the settings reader brings its value into. The
// reader and every writer name the keys through this table; a new setting is
// one line here and a use where it is read or written.
#pragma once
#include <algorithm>
#include <climits>
#include "frame/WindowPlacement.h"

// A number key: its default and the values it may take.
struct CIntKey {
    // How a value that is not allowed is brought back.
    enum Rule {
        kNearest, // to the nearer end of nLow .. nHigh
        kDefault, // to nDefault: allowed are nLow, nLow + nStep, ... up to nHigh
        kNonzero, // any value but nLow is nHigh
    };
    const char* pszName;
    int nDefault;
    int nLow;
    int nHigh;
    Rule rule;
    int nStep;

    // nValue brought to an allowed one by the rule.
    constexpr int Fit(int nValue) const {
        if (rule == kNearest)
            return std::clamp(nValue, nLow, nHigh);
        if (rule == kNonzero)
            return nValue != nLow ? nHigh : nLow;
        const bool bAllowed = nValue >= nLow && nValue <= nHigh && (nValue - nLow) % nStep == 0;
        return bAllowed ? nValue : nDefault;
    }
};

// A text key; an empty value counts as missing.
struct CStringKey {
    const char* pszName;
    const char* pszDefault;
};

struct CSettingsKeys {
    // The program's own section.
    static constexpr char kSection[] = "Almanark";
    // Beyond any screen: keeps the sums of window position and size within an int.
    static constexpr int kMaxCoordinate = 1 << 20;
    static constexpr int kMinWidth = CWindowPlacement::kMinWidth;
    static constexpr int kMinHeight = CWindowPlacement::kMinHeight;

    // clang-format off
    // Each key: name, default, lowest, highest, rule, step.
    // The frame writes only SW_SHOWMAXIMIZED (3) or SW_SHOW (5); anything else
    // would start the program with a window that is never shown.
    static constexpr CIntKey kShowWindow{"Show Window", 5, 3, 5, CIntKey::kDefault, 2};
    static constexpr CIntKey kWindowPosX{"Window PosX", 0, -kMaxCoordinate, kMaxCoordinate, CIntKey::kNearest, 1};
    static constexpr CIntKey kWindowPosY{"Window PosY", 0, -kMaxCoordinate, kMaxCoordinate, CIntKey::kNearest, 1};
    static constexpr CIntKey kWindowSizeX{"Window SizeX", kMinWidth, kMinWidth, kMaxCoordinate, CIntKey::kNearest, 1};
    static constexpr CIntKey kWindowSizeY{"Window SizeY", kMinHeight, kMinHeight, kMaxCoordinate, CIntKey::kNearest, 1};

    static constexpr CIntKey kDaySwap{"Day Swap", 0, 0, 2, CIntKey::kDefault, 2};
    static constexpr CIntKey kNoteSize{"Note Size", 1, 0, 1, CIntKey::kDefault, 1};
    static constexpr CIntKey kDateSize{"Date Size", 0, 0, 1, CIntKey::kDefault, 1};
    static constexpr CIntKey kDateSwap{"Date Swap", 0, 0, 1, CIntKey::kNonzero, 1};
    static constexpr CIntKey kDateStyle{"Date Style", 1, -1, 2, CIntKey::kDefault, 1};

    // The user's preferences (COptions): 0 = Sunday .. 6 = Saturday; 0 or 1.
    static constexpr CIntKey kFirstWeekday{"First Weekday", 0, 0, 6, CIntKey::kDefault, 1};
    static constexpr CIntKey kWeekNumbers{"Week Numbers", 0, 0, 1, CIntKey::kDefault, 1};
    static constexpr CIntKey kLocalNames{"Local Names", 0, 0, 1, CIntKey::kDefault, 1};

    static constexpr CStringKey kPrinter{"Printer", ""};
    static constexpr CStringKey kLastEventFile{"Last Event File", ""};
    // The Holidays page's set chosen last; missing or gone: the built-in one.
    static constexpr CStringKey kHolidaySet{"Holiday Set", ""};
    static constexpr CStringKey kMonthDoc{"Month Doc", ""};
    static constexpr CStringKey kYearDoc{"Year Doc", ""};

    // A text element's look: the key is the element's name, one blank and
    // the name below ("Title Color"). A colour is 0x00BBGGRR; anything else
    // (palette indexes, CLR_INVALID) is black.
    static constexpr char kWeekdayLook[] = "Weekday";
    static constexpr char kNotesLook[] = "Notes";
    static constexpr char kTitleLook[] = "Title";
    static constexpr char kDateLook[] = "Date";
    static constexpr CStringKey kLookFace{"Font", "Arial"};
    static constexpr CIntKey kLookColor{"Color", 0, 0, 0x00FFFFFF, CIntKey::kDefault, 1};
    static constexpr CIntKey kLookWeight{"Weight", 400, 0, 1000, CIntKey::kNearest, 1};
    static constexpr CIntKey kLookItalic{"Italic", 0, 0, 1, CIntKey::kNonzero, 1};

    // The section named after the printer.
    static constexpr CIntKey kOrientation{"Orientation", 2, 1, 2, CIntKey::kDefault, 1};
    static constexpr CIntKey kPaperSize{"Paper Size", 1, 1, SHRT_MAX, CIntKey::kNearest, 1};
    static constexpr CIntKey kPrintColor{"Print Color", 1, 1, 2, CIntKey::kDefault, 1};
    // clang-format on
};
