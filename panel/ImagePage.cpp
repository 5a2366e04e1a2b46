#include "panel/ImagePage.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "framework/DataExchange.h"
#include "resources/resource.h"

CImagePage::CImagePage() : CPanelPage(IDD_IMAGE_PAGE) {}

void CImagePage::DoDataExchange(CDataExchange* pDX) {
    CPanelPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_IMAGE_SHOWS_THROUGH, m_btnShowsThrough);
    DDX_Control(pDX, IDC_IMAGE_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_IMAGE_FILE, m_staticFile);
}

void CImagePage::EnableControls(BOOL bEnable) {
    if (!m_hWnd)
        return;
    static const int s_anPlacement[] = {
        IDC_IMG_FULL_WIDTH,  IDC_IMG_FILL_WIDTH, IDC_IMG_CENTER_H,       IDC_IMG_FULL_HEIGHT,
        IDC_IMG_FILL_HEIGHT, IDC_IMG_CENTER_V,   IDC_IMAGE_SHOWS_THROUGH};
    for (int nID : s_anPlacement)
        ::EnableWindow(GetDlgItem(nID), bEnable);
    CAlmanarkDoc* pDoc = theApp.m_pDoc;
    m_btnDelete.EnableWindow(pDoc && pDoc->m_bHasImage);
    if (pDoc)
        m_staticFile.SetWindowText(pDoc->m_strImageFile);
}

void CImagePage::RemoveImage() {
    CAlmanarkDoc* pDoc = theApp.m_pDoc;
    if (!pDoc || !pDoc->m_bHasImage)
        return;
    pDoc->RemovePicture();
    theApp.MarkModified();
    theApp.InvalidateView();
}
