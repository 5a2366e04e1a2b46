// CSpecificDatePage: the "Specific Date" page of the Insert Date dialog:
// month, day and year from three lists, or month and day when "Annual" is
// checked; gives annual and one-year date texts.
#pragma once
#include "dates/DatePage.h"
#include "framework/Button.h"
#include "framework/ListBox.h"

class CSpecificDatePage : public CDatePage {
public:
    CSpecificDatePage();

    bool IsAnnual() const { return m_chkAnnual.GetCheck() == BST_CHECKED; }

    CButton m_btnToday;
    CListBox m_listYear;
    CListBox m_listMonth;
    CListBox m_listDay;
    CButton m_chkAnnual;

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
};
