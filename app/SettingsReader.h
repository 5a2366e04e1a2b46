// CSettingsReader: the keys of Almanark.ini as the program takes them. The
// file may have been edited by hand: numbers are read by the program's own
// rule, and each value is brought into its key's range (CSettingsKeys), so
// that no setting can hide the window, hang a font or upset a layout.
#pragma once
#include <functional>
#include "app/Options.h"
#include "app/SettingsKeys.h"
#include "app/TextLook.h"
#include "frame/WindowPlacement.h"
#include "framework/String.h"
#include "framework/WinTypes.h"

class CSettingsReader {
public:
    // A key's text as the file holds it; empty when the key is missing.
    using Lookup = std::function<CString(const char* pszSection, const char* pszKey)>;

    explicit CSettingsReader(Lookup lookup) : m_lookup(std::move(lookup)) {}

    // Blanks, an optional sign, decimal digits up to the first other
    // character; a value beyond an int stops at the int's limit. Empty text
    // gives the default, text without digits 0.
    static int ParseInt(const CString& strText, int nDefault);

    // The key of section "Almanark", or of the section named pszSection.
    int Int(const CIntKey& key, const char* pszSection = CSettingsKeys::kSection) const;
    CString String(const CStringKey& key) const;

    // Section "Almanark".
    int ShowCommand() const { return Int(CSettingsKeys::kShowWindow); } // 3 or 5
    int DaySwap() const { return Int(CSettingsKeys::kDaySwap); }        // 0 or 2
    int NoteSize() const { return Int(CSettingsKeys::kNoteSize); }      // 0 or 1
    int DateSize() const { return Int(CSettingsKeys::kDateSize); }      // 0 or 1
    int DateSwap() const { return Int(CSettingsKeys::kDateSwap); }      // 0 or 1
    int DateStyle() const { return Int(CSettingsKeys::kDateStyle); }    // -1, 0, 1 or 2
    // pszElement: "Weekday", "Notes", "Title" or "Date".
    CTextLook Look(const char* pszElement) const;
    // The name of a look key of an element: "<element> <key>", e.g. "Title Face".
    static CString LookKeyName(const char* pszElement, const char* pszKey);
    // The user's preferences.
    COptions Options() const;
    // Before it is fitted to the screen's work area.
    CWindowPlacement Placement() const;
    // The section named after the printer.
    short Orientation(const char* pszPrinter) const; // 1 or 2
    short PaperSize(const char* pszPrinter) const;   // a positive paper code
    short PrintColor(const char* pszPrinter) const;  // 1 or 2

private:
    // strName: the key's name as the file spells it, prefixed for a look.
    int Int(const CIntKey& key, const char* pszSection, const CString& strName) const;
    CString String(const CStringKey& key, const CString& strName) const;

    Lookup m_lookup;
};
