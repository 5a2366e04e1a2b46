// CHolidaysPage: the "Holidays" page of the Insert Date dialog: one or more
// lines of a holiday set, the built-in table or one of the event files in
// the "Holidays" folder beside the program.
#pragma once
#include "dates/DatePage.h"
#include "framework/ComboBox.h"
#include "framework/ListBox.h"

#include <vector>

class CHolidaysPage : public CDatePage {
public:
    CHolidaysPage();

    // Sets the texts from the selected lines and tells the dialog.
    void OnHolidaySel();
    // Lists the holidays of the set chosen in the set box.
    void OnSetSel();

    // The folder of the holiday sets, ending in a backslash.
    static CString SetFolder();

    CListBox m_listHolidays;
    CComboBox m_cbSet;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCmdMsg(unsigned nID, int nCode) override;

private:
    void FillSetCombo();
    void ListSet();
    // The chosen set's lines: date text, tab, name.
    std::vector<CString> SetLines() const;
};
