// CCalendarText: the texts of a calendar page that need no view state: the
// title band, the weekday names and the small month panels, with the names
// the user chose (CCalendarNames). Fonts come from
// the document's LOGFONT records, of which only lfHeight is changed;
// colours and switches from the application.
#pragma once
#include <string>

#include "framework/Rect.h"
#include "framework/String.h"
#include "view/DayNumbers.h"

class CAlmanarkDoc;
class CDC;
class CMonthLayout;

class CCalendarText {
public:
    CCalendarText(CDC& dc, CAlmanarkDoc& doc) : m_dc(dc), m_doc(doc) {}

    // Cell heights of the month-and-year and the title fonts for a title
    // text rectangle of nWidth by nHeight.
    static void TitleFontHeights(int nWidth, int nHeight, bool bDateLarge, bool bTitleLarge,
                                 int& nDateHeight, int& nTitleHeight);

    // strMonth is empty on a year page.
    void DrawTitle(const CRect& rcText, const CString& strMonth, const CString& strYear,
                   const CString& strTitle);
    // Also sets the weekday font's height for the day numbers of this paint.
    void DrawWeekdayNames(const CMonthLayout& layout);
    // Nothing outside the years 1970 to 2037. Whatever else it comes to draw
    // from belongs in PanelInputs, whatever else it sets in LeavePanelNameHeight.
    void DrawMonthPanel(const CRect& rcPanel, int nMonth, int nYear, int nTitleHeight);
    // What DrawMonthPanel draws from besides its arguments, as bytes to compare.
    std::string PanelInputs() const;
    // The weekday font's height as drawing the panel rcPanel leaves it (files store it).
    void LeavePanelNameHeight(const CRect& rcPanel);

private:
    void DrawSplitDate(const CRect& rcText, const CString& strMonth, const CString& strYear);
    // Returns the alignment the title text takes beside the date.
    UINT DrawJoinedDate(const CRect& rcText, const CString& strMonth, const CString& strYear);

    CDC& m_dc;
    CAlmanarkDoc& m_doc;
    CDayNumbers m_dayNumbers; // shared by the panels this object draws
};
