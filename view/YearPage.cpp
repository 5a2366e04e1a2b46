#include "view/YearPage.h"

#include <string>

#include "app/AlmanarkApp.h"
#include "dates/DateCalc.h"
#include "document/AlmanarkDoc.h"
#include "framework/Dc.h"
#include "view/CalendarText.h"
#include "view/KeptPanels.h"

CYearLayout CYearPage::Draw(const CCalendarBox& box, int nCols, int nRows, const CString& strYear,
                            const CString& strTitle) {
    const CYearLayout layout(box, theApp.m_nDateSize || m_doc.m_bTitleLarge, nCols, nRows);
    if (!m_dc.IsPrinting())
        m_dc.Rectangle(layout.Frame());
    m_dc.Rectangle(layout.TitleBox());
    CCalendarText text(m_dc, m_doc);
    text.DrawTitle(layout.TitleTextRect(), CString(), strYear, strTitle);
    if (!DrawKeptPanels(text, layout))
        DrawPanels(text, layout);
    return layout;
}

void CYearPage::DrawPanels(CCalendarText& text, const CYearLayout& layout) {
    // Each panel is skipped, frame and all, outside the years the program knows.
    for (int nMonth = 1; nMonth <= 12; ++nMonth)
        text.DrawMonthPanel(layout.PanelRect(nMonth), nMonth, m_doc.m_nYear,
                            layout.PanelTitleHeight(nMonth));
}

bool CYearPage::DrawKeptPanels(CCalendarText& text, const CYearLayout& layout) {
    // Without panels there is nothing worth keeping.
    if (!m_pKept || !IsKnownYear(m_doc.m_nYear))
        return false;
    std::string strInputs = text.PanelInputs();
    CKeptPanels::AddInput(strInputs, m_doc.m_nYear);
    CKeptPanels::AddInput(strInputs, static_cast<const RECT&>(layout.Frame()));
    CKeptPanels::AddInput(strInputs, static_cast<const RECT&>(layout.TitleBox()));
    CKeptPanels::AddInput(strInputs, layout.Columns());
    CKeptPanels::AddInput(strInputs, layout.Rows());
    if (!m_pKept->Draw(m_dc, layout.PanelArea(), strInputs, [&](CDC& dc) {
            // The frame's fill lies under the panels on the page as well.
            dc.Rectangle(layout.Frame());
            CCalendarText bitmapText(dc, m_doc);
            DrawPanels(bitmapText, layout);
        }))
        return false;
    text.LeavePanelNameHeight(layout.PanelRect(12));
    return true;
}
