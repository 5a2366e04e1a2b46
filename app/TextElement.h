// CTextElement: one of the calendar's four text elements (the weekday
// headings, the notes, the title, the date) and the places its look is kept:
// the application's members, the document's font, the calendar file's font
// record, the settings keys' prefix and the Style page's font button. Code
// that treats every element alike loops over kAll.
#pragma once
#include "app/TextLook.h"
#include "document/CalendarFile.h"

class CAlmanarkApp;
class CAlmanarkDoc;

struct CTextElement {
    const char* pszName; // the settings keys' prefix: "Weekday", "Notes", "Title", "Date"
    unsigned nFontButton;
    LOGFONT CAlmanarkDoc::*plf;
    CCalendarFont CCalendarFile::*pFileFont;
    CString CAlmanarkApp::*pstrFace;
    COLORREF CAlmanarkApp::*pcrColor;
    int CAlmanarkApp::*pnWeight;
    BYTE CAlmanarkApp::*pbItalic;

    // The look as the application holds it.
    CTextLook Look() const;
    void SetLook(const CTextLook& look) const;
    // The document's font with the application's face and colour, as a
    // calendar file keeps them.
    CCalendarFont FileFont(const CAlmanarkDoc& doc) const;
    // A calendar file's record: its font to the document, its look to the
    // application.
    void TakeFileFont(const CCalendarFont& font, CAlmanarkDoc& doc) const;

    // The four, in the order a calendar file stores them.
    static const CTextElement kAll[4];
};
