#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <string>

#include "app/SettingsReader.h"

namespace {
// An Almanark.ini as text: "section/key" to value.
CSettingsReader Reader(const std::map<std::string, std::string>& ini) {
    return CSettingsReader([ini](const char* pszSection, const char* pszKey) {
        auto it = ini.find(std::string(pszSection) + "/" + pszKey);
        return it == ini.end() ? CString() : CString(it->second.c_str());
    });
}
} // namespace

TEST(SettingsReaderTest, NumbersAreReadUpToTheFirstOtherCharacter) {
    struct Case {
        const char* pszText;
        int nWant;
    };
    for (const Case& c : {Case{"", 42}, Case{"17", 17}, Case{"  -1", -1}, Case{"+8x", 8},
                          Case{"abc", 0}, Case{"12 34", 12}, Case{"99999999999999999999", INT_MAX},
                          Case{"-99999999999999999999", INT_MIN}, Case{"2147483648", INT_MAX},
                          Case{"-2147483648", INT_MIN}})
        EXPECT_EQ(c.nWant, CSettingsReader::ParseInt(c.pszText, 42)) << c.pszText;
}

// Each key with a value the program writes, and with values only a hand
// could have put there.
TEST(SettingsReaderTest, EveryValueIsOneTheProgramCanUse) {
    struct Case {
        const char* pszKey;
        const char* pszValue;
        int (*pfnRead)(const CSettingsReader&);
        int nWant;
    };
    auto show = [](const CSettingsReader& r) { return r.ShowCommand(); };
    auto style = [](const CSettingsReader& r) { return r.DateStyle(); };
    auto swap = [](const CSettingsReader& r) { return r.DaySwap(); };
    auto noteSize = [](const CSettingsReader& r) { return r.NoteSize(); };
    auto dateSwap = [](const CSettingsReader& r) { return r.DateSwap(); };
    auto orient = [](const CSettingsReader& r) { return (int)r.Orientation("PDF"); };
    auto paper = [](const CSettingsReader& r) { return (int)r.PaperSize("PDF"); };
    auto color = [](const CSettingsReader& r) { return (int)r.PrintColor("PDF"); };
    auto weekday = [](const CSettingsReader& r) { return r.Options().m_nFirstWeekday; };
    auto weeks = [](const CSettingsReader& r) { return (int)r.Options().m_bWeekNumbers; };
    auto local = [](const CSettingsReader& r) { return (int)r.Options().m_bLocalNames; };
    const Case cases[] = {
        {"Almanark/Show Window", nullptr, show, 5},
        {"Almanark/Show Window", "3", show, 3},
        {"Almanark/Show Window", "5", show, 5},
        {"Almanark/Show Window", "abc", show, 5},
        {"Almanark/Show Window", "0", show, 5},
        {"Almanark/Show Window", "-7", show, 5},
        {"Almanark/Show Window", "12345678901234567890", show, 5},
        {"Almanark/Date Style", nullptr, style, 1},
        {"Almanark/Date Style", "-1", style, -1},
        {"Almanark/Date Style", "2", style, 2},
        {"Almanark/Date Style", "9", style, 1},
        {"Almanark/Day Swap", "2", swap, 2},
        {"Almanark/Day Swap", "1", swap, 0},
        {"Almanark/Note Size", nullptr, noteSize, 1},
        {"Almanark/Note Size", "0", noteSize, 0},
        {"Almanark/Note Size", "-4", noteSize, 1},
        {"Almanark/Date Swap", "7", dateSwap, 1},
        {"PDF/Orientation", "1", orient, 1},
        {"PDF/Orientation", "0", orient, 2},
        {"PDF/Paper Size", "9", paper, 9},
        {"PDF/Paper Size", "-5", paper, 1},
        {"PDF/Paper Size", "70000", paper, 32767},
        {"PDF/Print Color", "2", color, 2},
        {"PDF/Print Color", "3", color, 1},
        {"Almanark/First Weekday", nullptr, weekday, 0},
        {"Almanark/First Weekday", "6", weekday, 6},
        {"Almanark/First Weekday", "1 (Monday)", weekday, 1},
        {"Almanark/First Weekday", "7", weekday, 0},
        {"Almanark/First Weekday", "-1", weekday, 0},
        {"Almanark/Week Numbers", "1", weeks, 1},
        {"Almanark/Week Numbers", "2", weeks, 0},
        {"Almanark/Local Names", "1", local, 1},
        {"Almanark/Local Names", "-1", local, 0},
    };
    for (const Case& c : cases) {
        std::map<std::string, std::string> ini;
        if (c.pszValue)
            ini[c.pszKey] = c.pszValue;
        EXPECT_EQ(c.nWant, c.pfnRead(Reader(ini)))
            << c.pszKey << "=" << (c.pszValue ? c.pszValue : "");
    }
}

TEST(SettingsReaderTest, LooksAndPlacementStayInRange) {
    const CSettingsReader reader = Reader({{"Almanark/Title Font", std::string(40, 'F')},
                                           {"Almanark/Title Color", "-1"},
                                           {"Almanark/Title Weight", "2147483647"},
                                           {"Almanark/Title Italic", "5"},
                                           {"Almanark/Window PosX", "-2147483648"},
                                           {"Almanark/Window SizeX", "2147483647"},
                                           {"Almanark/Window SizeY", "-3"}});
    const CTextLook title = reader.Look("Title");
    EXPECT_EQ(40, title.m_strFace.GetLength());
    EXPECT_EQ(0u, title.m_crColor) << "not a colour: black";
    EXPECT_EQ(1000, title.m_nWeight);
    EXPECT_EQ(1, title.m_bItalic);
    const CTextLook notes = reader.Look("Notes");
    EXPECT_EQ("Arial", notes.m_strFace);
    EXPECT_EQ(400, notes.m_nWeight);

    const CWindowPlacement placement = reader.Placement();
    EXPECT_EQ(-(1 << 20), placement.x);
    EXPECT_EQ(1 << 20, placement.cx);
    EXPECT_EQ(int(CWindowPlacement::kMinHeight), placement.cy);
    RECT work = {0, 0, 1280, 1024};
    const CWindowPlacement fitted = placement.ClampedTo(work);
    EXPECT_GE(fitted.x, 0);
    EXPECT_LE(fitted.x + fitted.cx, 1280);
}
