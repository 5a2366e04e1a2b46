// CCalculatedDatePage: the "Calculated Date" page of the Insert Date dialog:
// ordinal, weekday and month from three groups of radio buttons; gives
// calculated date texts such as "Nov-Thu #4", and days counted from Easter
// or Orthodox Easter ("EASTER-2", "OEASTER+39") when one of them is chosen.
#pragma once
#include "dates/DatePage.h"
#include "framework/Button.h"
#include "framework/Edit.h"

class CCalculatedDatePage : public CDatePage {
public:
    CCalculatedDatePage();

    CButton m_radioJanuary;
    CButton m_radioMonday;
    CButton m_radio1st;
    CButton m_radioEaster;
    CButton m_radioOrthodoxEaster;
    CEdit m_editEasterDays;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCmdMsg(unsigned nID, int nCode) override;

private:
    // Word i (1 = ordinal, 2 = weekday, 3 = month) of the pending date.
    void SetDateWord(int nIndex, const char* pszWord);
    void ComposeCalculatedDate();
    // Days from Easter: a click on "Easter" or "Orthodox Easter", or a new
    // number of days, composes their date text and heading.
    void OnEasterChange();
    bool IsFromEaster() const;
    // Back from Easter to the weekday that the radio buttons show.
    void LeaveEaster();
};
