#include "view/YearPage.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "framework/Dc.h"
#include "view/CalendarText.h"

CYearLayout CYearPage::Draw(const CCalendarBox& box, int nCols, int nRows, const CString& strYear,
                            const CString& strTitle) {
    const CYearLayout layout(box, theApp.m_nDateSize || m_doc.m_bTitleLarge, nCols, nRows);
    if (!m_dc.IsPrinting())
        m_dc.Rectangle(layout.Frame());
    m_dc.Rectangle(layout.TitleBox());
    CCalendarText text(m_dc, m_doc);
    text.DrawTitle(layout.TitleTextRect(), CString(), strYear, strTitle);
    // Each panel is skipped, frame and all, outside the years the program knows.
    for (int nMonth = 1; nMonth <= 12; ++nMonth)
        text.DrawMonthPanel(layout.PanelRect(nMonth), nMonth, m_doc.m_nYear,
                            layout.PanelTitleHeight(nMonth));
    return layout;
}
