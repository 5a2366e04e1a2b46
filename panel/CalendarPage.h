// CCalendarPage: the "Calendar" page: month and year, kind of calendar, the
// note of the selected day box, day-number side, orientation and size of the
// calendar block, arrangement of a year calendar.
#pragma once
#include "framework/Button.h"
#include "framework/ComboBox.h"
#include "framework/Edit.h"
#include "panel/PanelPage.h"

class CCalendarPage : public CPanelPage {
public:
    CCalendarPage();

    int m_nArrangeCols = 3;
    int m_nArrangeRows = 4;

    CComboBox m_cbMonth;
    CComboBox m_cbYear;
    CEdit m_editNote;
    CEdit m_editFullText;
    CButton m_btnDaySwap;
    CButton m_btnDocKind;
    CButton m_btnOrientation;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};
