// CStylePage: the "Style" page: fonts, colours and sizes of the four text
// elements, the title, and placement and order of month and year.
#pragma once
#include "framework/Button.h"
#include "framework/Edit.h"
#include "panel/PanelPage.h"

class CStylePage : public CPanelPage {
public:
    CStylePage();

    // Checks the alignment radio of m_nDateStyle; any other value leaves
    // all four clear.
    void CheckDateStyleRadio();
    // Group captions and the controls a year calendar has no use for.
    void ShowDocumentKind(bool bYearDoc);

    CEdit m_editTitle;
    CButton m_btnNotesLarge;
    CButton m_btnTitleLarge;
    CButton m_btnDateLarge;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
