#include "app/OptionsDlg.h"

#include "dates/CalendarNames.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

COptionsDlg::COptionsDlg(const COptions& options, CWnd* pParent)
    : CDialog(IDD_OPTIONS, pParent), m_options(options) {}

void COptionsDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIRST_WEEKDAY, m_cbFirstWeekday);
    DDX_Control(pDX, IDC_WEEK_NUMBERS, m_btnWeekNumbers);
}

BOOL COptionsDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The list's order is the weekday's number (0 = Sunday). The dialog speaks
    // the program's language, whatever the calendar's names.
    for (int nWeekday = 0; nWeekday < 7; ++nWeekday)
        m_cbFirstWeekday.AddString(CCalendarNames::Of(false).Weekday(nWeekday));
    m_cbFirstWeekday.SetCurSel(m_options.m_nFirstWeekday);
    m_btnWeekNumbers.SetCheck(m_options.m_bWeekNumbers ? BST_CHECKED : BST_UNCHECKED);
    CheckRadioButton(IDC_NAMES_ENGLISH, IDC_NAMES_LOCAL,
                     m_options.m_bLocalNames ? IDC_NAMES_LOCAL : IDC_NAMES_ENGLISH);
    return TRUE;
}

void COptionsDlg::OnOK() {
    const int nSel = m_cbFirstWeekday.GetCurSel();
    if (nSel >= 0)
        m_options.m_nFirstWeekday = nSel;
    m_options.m_bWeekNumbers = m_btnWeekNumbers.GetCheck() == BST_CHECKED;
    m_options.m_bLocalNames = IsDlgButtonChecked(IDC_NAMES_LOCAL) == BST_CHECKED;
    CDialog::OnOK();
}
