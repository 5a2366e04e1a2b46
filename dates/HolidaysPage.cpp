#include "dates/HolidaysPage.h"

#include "dates/Holidays.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

namespace {
// The list's tab stop, in dialog units: names start under "Name".
const int kTabStop = 60;
const int kMaxSelected = 100;
} // namespace

CHolidaysPage::CHolidaysPage() : CDatePage(IDD_HOLIDAYS) {}

void CHolidaysPage::DoDataExchange(CDataExchange* pDX) {
    CDatePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HOLIDAY_LIST, m_listHolidays);
}

BOOL CHolidaysPage::OnInitDialog() {
    CDatePage::OnInitDialog();
    for (int i = 0; i < HOLIDAY_COUNT; ++i)
        m_listHolidays.InsertString(i, CString(g_aHolidays[i].m_pszDate) + "\t" +
                                           g_aHolidays[i].m_pszName);
    m_listHolidays.SetTabStops(kTabStop);
    for (CString& strText : m_strText)
        strText.Empty();
    return TRUE;
}

bool CHolidaysPage::OnCmdMsg(unsigned nID, int nCode) {
    if (nID == IDC_HOLIDAY_LIST && nCode == LBN_SELCHANGE) {
        OnHolidaySel();
        return true;
    }
    if (nID == IDC_HOLIDAY_LIST && nCode == LBN_DBLCLK) {
        // OK of the dialog, even while its OK button is disabled.
        ::SendMessageA(::GetAncestor(m_hWnd, GA_ROOT), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    }
    return CDatePage::OnCmdMsg(nID, nCode);
}

void CHolidaysPage::OnHolidaySel() {
    std::vector<int> selected = m_listHolidays.GetSelItems(kMaxSelected);
    for (CString& strText : m_strText)
        strText.Empty();
    if (selected.size() == 1) {
        CString strLine = m_listHolidays.GetText(selected[0]);
        m_strText[0] = strLine.Left(strLine.Find('\t'));
        m_strText[1] = strLine.Mid(strLine.ReverseFind('\t') + 1);
        m_strText[2] = " (" + m_strText[0] + ")";
    } else if (selected.size() > 1) {
        m_strText[1] = "multiple selection";
    }
    Publish();
    Notify(2, (LPARAM)selected.size());
}
