#include "dates/HolidaysPage.h"

#include "app/AlmanarkApp.h"
#include "dates/EventFileNames.h"
#include "dates/EventFileReader.h"
#include "dates/EventSection.h"
#include "dates/EventsPage.h"
#include "dates/Holidays.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

#include <algorithm>

namespace {
// The list's tab stop, in dialog units: names start under "Name".
const int kTabStop = 60;
const int kMaxSelected = 100;
// The built-in table: always there, and first.
const char kBuiltInSet[] = "United States";
} // namespace

CHolidaysPage::CHolidaysPage() : CDatePage(IDD_HOLIDAYS) {}

void CHolidaysPage::DoDataExchange(CDataExchange* pDX) {
    CDatePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_HOLIDAY_LIST, m_listHolidays);
    DDX_Control(pDX, IDC_HOLIDAY_SET, m_cbSet);
}

BOOL CHolidaysPage::OnInitDialog() {
    CDatePage::OnInitDialog();
    FillSetCombo();
    ListSet();
    m_listHolidays.SetTabStops(kTabStop);
    for (CString& strText : m_strText)
        strText.Empty();
    return TRUE;
}

CString CHolidaysPage::SetFolder() {
    return CWinApp::GetProgramFolder() + "Holidays\\";
}

void CHolidaysPage::FillSetCombo() {
    m_cbSet.ResetContent();
    m_cbSet.AddString(kBuiltInSet);
    std::vector<CString> names = EvnFileTitles(SetFolder());
    std::sort(names.begin(), names.end(),
              [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
    for (const CString& strName : names)
        m_cbSet.AddString(strName);
    // The set chosen last, in this run or an earlier one; a set since
    // removed from the folder gives way to the built-in table.
    int nChosen = m_cbSet.FindStringExact(-1, theApp.Settings().String(CSettingsKeys::kHolidaySet));
    m_cbSet.SetCurSel(nChosen > 0 ? nChosen : 0);
}

std::vector<CString> CHolidaysPage::SetLines() const {
    int nSet = m_cbSet.GetCurSel();
    std::vector<CString> lines;
    if (nSet <= 0) {
        for (const Holiday& holiday : g_aHolidays)
            lines.push_back(CString(holiday.m_pszDate) + "\t" + holiday.m_pszName);
        return lines;
    }
    // Read as an event file is, so that the set lists as it would on the
    // Events page.
    const CEventFileReader file(
        CEventsPage::ReadEventSection(SetFolder() + m_cbSet.GetLBText(nSet) + ".evn"));
    return file.m_list.GetLines();
}

void CHolidaysPage::ListSet() {
    m_listHolidays.ResetContent();
    std::vector<CString> lines = SetLines();
    for (int i = 0; i < (int)lines.size(); ++i)
        m_listHolidays.InsertString(i, lines[i]);
}

void CHolidaysPage::OnSetSel() {
    theApp.WriteSetting(CSettingsKeys::kHolidaySet, m_cbSet.GetLBText(m_cbSet.GetCurSel()));
    ListSet();
    OnHolidaySel();
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
    if (nID == IDC_HOLIDAY_SET && nCode == CBN_SELCHANGE) {
        OnSetSel();
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
