// CStylePage: the "Style" page: fonts, colours and sizes of the four text
// elements, the title, and placement and order of month and year.
#pragma once
#include "framework/Button.h"
#include "framework/Edit.h"
#include "panel/PanelPage.h"

struct CTextElement;

class CStylePage : public CPanelPage {
public:
    CStylePage();

    // Checks the alignment radio of m_nDateStyle; any other value leaves
    // all four clear.
    void CheckDateStyleRadio();
    // Group captions and the controls a year calendar has no use for.
    void ShowDocumentKind(bool bYearDoc);
    // Puts a document's title into the edit. The edit cannot hold every
    // title a file may carry (line breaks, zero bytes, any length), so the
    // document keeps its own until the user edits the box.
    void ShowTitle(const CString& strTitle);
    bool TitleEdited() const { return m_bTitleEdited; }

    CEdit m_editTitle;
    CButton m_btnNotesLarge;
    CButton m_btnTitleLarge;
    CButton m_btnDateLarge;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    bool OnCmdMsg(unsigned nID, int nCode) override;

private:
    static const CTextElement* ElementOfButton(unsigned nID);

    void OnFont(const CTextElement& element);
    void OnTitleChange();
    void OnLarge(unsigned nID);
    void OnDateStyle(int nStyle);
    void OnSwap();
    void InvalidateTitle();

    bool m_bShowingTitle = false;
    bool m_bTitleEdited = false;
};
