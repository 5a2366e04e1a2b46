// CStylePage: the "Style" page: fonts, colours and sizes of the four text
// elements, the title, and placement and order of month and year.
#pragma once
#include "framework/Button.h"
#include "framework/Edit.h"
#include "panel/PanelPage.h"

class CStylePage : public CPanelPage {
public:
    CStylePage();

    CEdit m_editTitle;
    CButton m_btnNotesLarge;
    CButton m_btnTitleLarge;
    CButton m_btnDateLarge;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
