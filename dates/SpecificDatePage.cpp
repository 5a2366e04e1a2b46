#include "dates/SpecificDatePage.h"

#include <algorithm>
#include <cstdlib>

#include "app/AlmanarkApp.h"
#include "dates/CalendarNames.h"
#include "dates/DateCalc.h"
#include "dates/EventRule.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

namespace {

// Date texts are stored in English, whatever names the calendar shows.
const CString& EnglishMonth(int nMonth) {
    return CCalendarNames::Of(false).Month(nMonth);
}

CString TwoDigits(int n) {
    CString str;
    str.Format("%02d", n);
    return str;
}

// The selection stands as the third visible line, so that the lines before
// it can be seen too.
void SelectAsThirdLine(CListBox& list, int nIndex) {
    list.SetCurSel(nIndex);
    list.SetTopIndex(std::max(0, nIndex - 2));
}

bool IsThirtyDayMonth(int nMonthIndex) {
    return nMonthIndex == 3 || nMonthIndex == 5 || nMonthIndex == 8 || nMonthIndex == 10;
}

} // namespace

CSpecificDatePage::CSpecificDatePage() : CDatePage(IDD_SPECIFIC_DATE) {}

void CSpecificDatePage::DoDataExchange(CDataExchange* pDX) {
    CDatePage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TODAY, m_btnToday);
    DDX_Control(pDX, IDC_SPEC_YEAR, m_listYear);
    DDX_Control(pDX, IDC_SPEC_MONTH, m_listMonth);
    DDX_Control(pDX, IDC_SPEC_DAY, m_listDay);
    DDX_Control(pDX, IDC_ANNUAL, m_chkAnnual);
    DDX_Control(pDX, IDC_YEARS_SINCE, m_chkYearsSince);
    DDX_Control(pDX, IDC_SINCE_YEAR, m_editSinceYear);
}

BOOL CSpecificDatePage::OnInitDialog() {
    CDatePage::OnInitDialog();
    for (int nYear = FIRST_YEAR; nYear <= LAST_YEAR; ++nYear)
        m_listYear.AddString(CString::FromInt(nYear));
    for (int nMonth = 1; nMonth <= 12; ++nMonth)
        m_listMonth.AddString(EnglishMonth(nMonth));
    for (int nDay = 1; nDay <= 30; ++nDay)
        m_listDay.AddString(TwoDigits(nDay));
    SelectToday();
    m_nSinceYear = GetToday().m_nYear;
    m_editSinceYear.LimitText(4);
    ShowSinceYear();
    Publish();
    ComposeSpecificDate();
    return TRUE;
}

bool CSpecificDatePage::OnCmdMsg(unsigned nID, int nCode) {
    if (nCode == LBN_SELCHANGE && nID == IDC_SPEC_MONTH)
        OnMonthSel();
    else if (nCode == LBN_SELCHANGE && nID == IDC_SPEC_DAY)
        OnDaySel();
    else if (nCode == LBN_SELCHANGE && nID == IDC_SPEC_YEAR)
        OnYearSel();
    else if (nCode == BN_CLICKED && nID == IDC_ANNUAL)
        OnAnnual();
    else if (nCode == BN_CLICKED && nID == IDC_TODAY)
        OnToday();
    else if (nCode == BN_CLICKED && nID == IDC_YEARS_SINCE)
        OnYearsSince();
    else if (nCode == EN_CHANGE && nID == IDC_SINCE_YEAR)
        OnSinceYearChange();
    else if (nCode == EN_KILLFOCUS && nID == IDC_SINCE_YEAR)
        ShowSinceYear();
    else
        return CDatePage::OnCmdMsg(nID, nCode);
    return true;
}

void CSpecificDatePage::ComposeSpecificDate() {
    m_strText[0] = m_strText[1].Left(3) + m_strText[2];
    const int nMonth = m_listMonth.GetCurSel() + 1;
    if (ShowsYearsSince() && nMonth >= 1)
        theApp.m_strPendingDate = CEventRule::Age(nMonth, atoi(m_strText[2]), m_nSinceYear).Text();
    else
        theApp.m_strPendingDate = m_strText[0] + (IsAnnual() ? CString() : m_strText[3]);
}

void CSpecificDatePage::ComposePending() {
    if (ShowsYearsSince())
        theApp.m_strPendingWords[2].Format(", since %04d", m_nSinceYear);
    else
        theApp.m_strPendingWords[2] = IsAnnual() ? CString() : m_strText[3];
    ComposeSpecificDate();
}

void CSpecificDatePage::EnableYearChoices() {
    m_listYear.EnableWindow(!IsAnnual());
    m_chkYearsSince.EnableWindow(IsAnnual());
    m_editSinceYear.EnableWindow(ShowsYearsSince());
}

void CSpecificDatePage::OnYearsSince() {
    EnableYearChoices();
    ComposePending();
    Notify();
}

// Only a whole year counts; until then the date keeps the last one.
void CSpecificDatePage::OnSinceYearChange() {
    CString strYear = m_editSinceYear.GetWindowText();
    if (strYear.GetLength() != 4 || !ShowsYearsSince())
        return;
    m_nSinceYear = atoi(strYear);
    ComposePending();
    Notify();
}

void CSpecificDatePage::ShowSinceYear() {
    CString strYear;
    strYear.Format("%04d", m_nSinceYear);
    if (m_editSinceYear.GetWindowText() != strYear)
        m_editSinceYear.SetWindowText(strYear);
}

void CSpecificDatePage::SelectToday() {
    CalDate today = GetToday();
    // The year first: February's length depends on it.
    SelectAsThirdLine(m_listYear, today.m_nYear - FIRST_YEAR);
    m_strText[3] = ", " + CString::FromInt(today.m_nYear);
    SelectAsThirdLine(m_listMonth, today.m_nMonth - 1);
    m_strText[1] = EnglishMonth(today.m_nMonth);
    FitDayList();
    SelectAsThirdLine(m_listDay, today.m_nDay - 1);
    m_strText[2] = " " + m_listDay.GetText(today.m_nDay - 1);
}

int CSpecificDatePage::SelectedYear() const {
    int nSel = m_listYear.GetCurSel();
    if (nSel >= 0)
        return FIRST_YEAR + nSel;
    // Without a selection (Annual), the year last chosen.
    return atoi(m_strText[3].Mid(2));
}

void CSpecificDatePage::FitDayList() {
    int nMonth = m_listMonth.GetCurSel();
    if (nMonth == 1) {
        FitFebruary();
        return;
    }
    int nDays = IsThirtyDayMonth(nMonth) ? 30 : 31;
    while (m_listDay.GetCount() < nDays)
        m_listDay.AddString(CString::FromInt(m_listDay.GetCount() + 1));
    if (m_listDay.GetCount() > nDays) {
        m_listDay.DeleteString(nDays);
        if (m_strText[2] == " 31") {
            m_strText[2] = " 30";
            theApp.m_strPendingWords[1] = m_strText[2];
            m_listDay.SetCurSel(29);
        }
    }
}

void CSpecificDatePage::FitFebruary() {
    int nSel = m_listDay.GetCurSel();
    while (m_listDay.GetCount() > 28)
        m_listDay.DeleteString(m_listDay.GetCount() - 1);
    // An annual date may be 29 February.
    int nDays = IsAnnual() ? 29 : DaysInMonth(SelectedYear(), 2);
    if (nDays == 29)
        m_listDay.AddString("29");
    if (nSel >= nDays - 1) {
        m_listDay.SetCurSel(nDays - 1);
        m_strText[2] = " " + CString::FromInt(nDays);
        theApp.m_strPendingWords[1] = m_strText[2];
    }
}

void CSpecificDatePage::OnMonthSel() {
    int nSel = m_listMonth.GetCurSel();
    if (nSel < 0)
        return;
    m_strText[1] = EnglishMonth(nSel + 1);
    theApp.m_strPendingWords[0] = m_strText[1];
    FitDayList();
    ComposeSpecificDate();
    Notify();
}

void CSpecificDatePage::OnDaySel() {
    int nSel = m_listDay.GetCurSel();
    if (nSel < 0)
        return;
    m_strText[2] = " " + m_listDay.GetText(nSel);
    theApp.m_strPendingWords[1] = m_strText[2];
    ComposeSpecificDate();
    Notify();
}

void CSpecificDatePage::OnYearSel() {
    int nSel = m_listYear.GetCurSel();
    if (nSel < 0)
        return;
    m_strText[3] = ", " + m_listYear.GetText(nSel);
    FitDayList();
    theApp.m_strPendingWords[2] = m_strText[3];
    ComposeSpecificDate();
    Notify();
}

void CSpecificDatePage::OnAnnual() {
    if (IsAnnual()) {
        FitDayList();
        m_listYear.SetCurSel(-1);
    } else {
        m_listYear.SelectString(-1, m_strText[3].Right(4));
        FitDayList();
    }
    EnableYearChoices();
    // The day may have changed with February's length.
    ComposePending();
    Notify();
}

void CSpecificDatePage::OnToday() {
    SelectToday();
    Publish();
    if (IsAnnual())
        m_listYear.SetCurSel(-1);
    ComposePending();
    Notify();
}
