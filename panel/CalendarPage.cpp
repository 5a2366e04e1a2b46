#include "panel/CalendarPage.h"

#include "dates/DateCalc.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

CCalendarPage::CCalendarPage() : CPanelPage(IDD_CALENDAR_PAGE) {}

void CCalendarPage::DoDataExchange(CDataExchange* pDX) {
    CPanelPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MONTH, m_cbMonth);
    DDX_Control(pDX, IDC_YEAR, m_cbYear);
    DDX_Control(pDX, IDC_NOTE, m_editNote);
    DDX_Control(pDX, IDC_FULL_TEXT, m_editFullText);
    DDX_Control(pDX, IDC_DAY_SWAP, m_btnDaySwap);
    DDX_Control(pDX, IDC_DOC_KIND, m_btnDocKind);
    DDX_Control(pDX, IDC_ORIENTATION, m_btnOrientation);
}

BOOL CCalendarPage::OnInitDialog() {
    CPanelPage::OnInitDialog();
    // The year list holds exactly the years the program works with, so that
    // list index i is year 1970 + i.
    if (m_cbYear.GetCount() == 0)
        for (int nYear = FIRST_YEAR; nYear <= LAST_YEAR; ++nYear)
            m_cbYear.AddString(CString::FromInt(nYear));
    return TRUE;
}
