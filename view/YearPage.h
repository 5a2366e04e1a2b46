// CYearPage: draws a year calendar: the title band with the year and the
// user's title, and the twelve month panels in the chosen arrangement. The
// outer frame is drawn on screen only; on paper the panels close the page.
#pragma once
#include "framework/Rect.h"
#include "framework/String.h"

class CAlmanarkDoc;
class CCalendarBox;
class CDC;

class CYearPage {
public:
    CYearPage(CDC& dc, CAlmanarkDoc& doc) : m_dc(dc), m_doc(doc) {}

    // Returns the outer frame (what the calendar tracker takes on screen).
    CRect Draw(const CCalendarBox& box, int nCols, int nRows, const CString& strYear,
               const CString& strTitle);

private:
    CDC& m_dc;
    CAlmanarkDoc& m_doc;
};
