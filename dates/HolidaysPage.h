// CHolidaysPage: the "Holidays" page of the Insert Date dialog: one or more
// lines of the built-in holiday table.
#pragma once
#include "dates/DatePage.h"
#include "framework/ListBox.h"

class CHolidaysPage : public CDatePage {
public:
    CHolidaysPage();

    // Sets the texts from the selected lines and tells the dialog.
    void OnHolidaySel();

    CListBox m_listHolidays;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCmdMsg(unsigned nID, int nCode) override;
};
