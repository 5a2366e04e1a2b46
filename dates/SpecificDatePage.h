// CSpecificDatePage: the "Specific Date" page of the Insert Date dialog:
// month, day and year from three lists, or month and day when "Annual" is
// checked; gives annual and one-year date texts, and annual dates that count
// the years since a year ("Mar 14 *1879") when "Show years since" is checked.
#pragma once
#include "dates/DatePage.h"
#include "framework/Button.h"
#include "framework/Edit.h"
#include "framework/ListBox.h"

class CSpecificDatePage : public CDatePage {
public:
    CSpecificDatePage();

    bool IsAnnual() const { return m_chkAnnual.GetCheck() == BST_CHECKED; }
    bool ShowsYearsSince() const { return IsAnnual() && m_chkYearsSince.GetCheck() == BST_CHECKED; }
    // The pending date and the heading's last word as the page's choice
    // gives them: with the year, without it, or with the year since.
    void ComposePending();

    CButton m_btnToday;
    CListBox m_listYear;
    CListBox m_listMonth;
    CListBox m_listDay;
    CButton m_chkAnnual;
    CButton m_chkYearsSince;
    CEdit m_editSinceYear;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCmdMsg(unsigned nID, int nCode) override;

private:
    void ComposeSpecificDate();
    // Gives the day list as many lines as the selected month has days.
    void FitDayList();
    void FitFebruary();
    void OnMonthSel();
    void OnDaySel();
    void OnYearSel();
    void OnAnnual();
    void OnToday();
    // Selects today's month, day and year, each the third visible line.
    void SelectToday();
    int SelectedYear() const;
    void OnYearsSince();
    void OnSinceYearChange();
    void ShowSinceYear();
    // Enables the year list and the years-since controls as Annual and
    // "Show years since" allow.
    void EnableYearChoices();

    // The year the years are counted from; the edit may hold a year half typed.
    int m_nSinceYear = 0;
};
