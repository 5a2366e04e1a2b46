// CYearPage: draws a year calendar: the title band with the year and the
// user's title, and the twelve month panels in the chosen arrangement. The
// outer frame is drawn on screen only; on paper the panels close the page.
#pragma once
#include "framework/Rect.h"
#include "framework/String.h"
#include "view/YearLayout.h"

class CAlmanarkDoc;
class CCalendarText;
class CDC;
class CKeptPanels;

class CYearPage {
public:
    // pKept: where the screen keeps the panels as drawn; null draws them every time.
    CYearPage(CDC& dc, CAlmanarkDoc& doc, CKeptPanels* pKept = nullptr)
        : m_dc(dc), m_doc(doc), m_pKept(pKept) {}

    // Returns the layout drawn: its frame is what the calendar tracker takes.
    CYearLayout Draw(const CCalendarBox& box, int nCols, int nRows, const CString& strYear,
                     const CString& strTitle);

private:
    void DrawPanels(CCalendarText& text, const CYearLayout& layout);
    // False where the panels cannot be kept: the caller draws them.
    bool DrawKeptPanels(CCalendarText& text, const CYearLayout& layout);

    CDC& m_dc;
    CAlmanarkDoc& m_doc;
    CKeptPanels* m_pKept;
};
