#include "panel/StylePage.h"

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
