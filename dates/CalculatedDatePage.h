// CCalculatedDatePage: the "Calculated Date" page of the Insert Date dialog:
// ordinal, weekday and month from three groups of radio buttons; gives
// calculated date texts such as "Nov-Thu #4".
#pragma once
#include "dates/DatePage.h"
#include "framework/Button.h"

class CCalculatedDatePage : public CDatePage {
public:
    CCalculatedDatePage();

    CButton m_radioJanuary;
    CButton m_radioMonday;
    CButton m_radio1st;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCmdMsg(unsigned nID, int nCode) override;

private:
    // Word i (1 = ordinal, 2 = weekday, 3 = month) of the pending date.
    void SetDateWord(int nIndex, const char* pszWord);
    void ComposeCalculatedDate();
};
