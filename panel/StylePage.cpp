#include "panel/StylePage.h"

#include "app/AlmanarkApp.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

CStylePage::CStylePage() : CPanelPage(IDD_STYLE_PAGE) {}

void CStylePage::DoDataExchange(CDataExchange* pDX) {
    CPanelPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_TITLE, m_editTitle);
    DDX_Control(pDX, IDC_NOTES_LARGE, m_btnNotesLarge);
    DDX_Control(pDX, IDC_TITLE_LARGE, m_btnTitleLarge);
    DDX_Control(pDX, IDC_DATE_LARGE, m_btnDateLarge);
}

void CStylePage::CheckDateStyleRadio() {
    if (!m_hWnd)
        return;
    static const struct {
        int nID;
        int nStyle;
    } s_radios[] = {
        {IDC_DATE_LEFT, 0}, {IDC_DATE_CENTER, 1}, {IDC_DATE_RIGHT, 2}, {IDC_DATE_SPLIT, -1}};
    for (const auto& radio : s_radios)
        CheckDlgButton(radio.nID,
                       radio.nStyle == theApp.m_nDateStyle ? BST_CHECKED : BST_UNCHECKED);
}

void CStylePage::ShowDocumentKind(bool bYearDoc) {
    if (!m_hWnd)
        return;
    SetDlgItemText(IDC_WEEKDAY_GROUP, bYearDoc ? "Months" : "Days of the Week");
    SetDlgItemText(IDC_NOTES_GROUP, bYearDoc ? "Days" : "Day Notes");
    SetDlgItemText(IDC_DATE_GROUP, bYearDoc             ? "Year"
                                   : theApp.m_nDateSwap ? "Year and Month"
                                                        : "Month and Year");
    for (int nID : {IDC_DATE_SPLIT, IDC_DATE_SWAP, IDC_NOTES_LARGE})
        ::EnableWindow(GetDlgItem(nID), !bYearDoc);
}
