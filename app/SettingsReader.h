// CSettingsReader: the keys of Almanark.ini as the program takes them. The
// file may have been edited by hand: numbers are read by the program's own
// rule, and each value is brought into the range its user can handle, so
// that no setting can hide the window, hang a font or upset a layout.
#pragma once
#include <functional>
#include "app/Options.h"
#include "frame/WindowPlacement.h"
#include "framework/String.h"
#include "framework/WinTypes.h"

// A text element's look: face, colour, weight and italic flag.
struct CLookSettings {
    CString m_strFace;
    COLORREF m_crColor = 0;
    int m_nWeight = 400;
    BYTE m_bItalic = 0;
};

class CSettingsReader {
public:
    // A key's text as the file holds it; empty when the key is missing.
    using Lookup = std::function<CString(const char* pszSection, const char* pszKey)>;

    explicit CSettingsReader(Lookup lookup) : m_lookup(std::move(lookup)) {}

    // Blanks, an optional sign, decimal digits up to the first other
    // character; a value beyond an int stops at the int's limit. Empty text
    // gives the default, text without digits 0.
    static int ParseInt(const CString& strText, int nDefault);

    CString String(const char* pszSection, const char* pszKey, const char* pszDefault) const;
    int Int(const char* pszSection, const char* pszKey, int nDefault) const;

    // Section "Almanark".
    int ShowCommand() const; // 3 (maximised) or 5 (normal)
    int DaySwap() const;     // 0 or 2
    int NoteSize() const;    // 0 or 1
    int DateSize() const;    // 0 or 1
    int DateSwap() const;    // 0 or 1
    int DateStyle() const;   // -1, 0, 1 or 2
    // pszElement: "Weekday", "Notes", "Title" or "Date".
    CLookSettings Look(const char* pszElement) const;
    // The user's preferences: "First Weekday" (0 = Sunday .. 6), "Week
    // Numbers" and "Local Names" (0 or 1).
    COptions Options() const;
    // Before it is fitted to the screen's work area.
    CWindowPlacement Placement() const;
    // The section named after the printer.
    short Orientation(const char* pszPrinter) const; // 1 or 2
    short PaperSize(const char* pszPrinter) const;   // a positive paper code
    short PrintColor(const char* pszPrinter) const;  // 1 or 2

private:
    // The key's value when it is one of the allowed ones, else the default.
    int OneOf(const char* pszKey, int nDefault, std::initializer_list<int> allowed) const;

    Lookup m_lookup;
};
