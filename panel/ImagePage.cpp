#include "panel/ImagePage.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/DataExchange.h"
#include "framework/FileDialog.h"
#include "image/PictureDecoder.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

CImagePage::CImagePage() : CPanelPage(IDD_IMAGE_PAGE) {}

void CImagePage::DoDataExchange(CDataExchange* pDX) {
    CPanelPage::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_IMAGE_SHOWS_THROUGH, m_btnShowsThrough);
    DDX_Control(pDX, IDC_IMAGE_DELETE, m_btnDelete);
    DDX_Control(pDX, IDC_IMAGE_FILE, m_staticFile);
}

bool CImagePage::OnCmdMsg(unsigned nID, int nCode) {
    static const struct {
        unsigned nID;
        CImagePlacement::Button button;
    } s_placements[] = {
        {IDC_IMG_FULL_WIDTH, CImagePlacement::fullWidth},
        {IDC_IMG_FILL_WIDTH, CImagePlacement::fillWidth},
        {IDC_IMG_CENTER_H, CImagePlacement::centerHorizontally},
        {IDC_IMG_FULL_HEIGHT, CImagePlacement::fullHeight},
        {IDC_IMG_FILL_HEIGHT, CImagePlacement::fillHeight},
        {IDC_IMG_CENTER_V, CImagePlacement::centerVertically},
    };
    if (nCode != BN_CLICKED)
        return CPanelPage::OnCmdMsg(nID, nCode);
    switch (nID) {
    case IDC_IMAGE_NEW:
        OnNew();
        return true;
    case IDC_IMAGE_DELETE:
        RemoveImage();
        return true;
    case IDC_IMAGE_SHOWS_THROUGH:
        OnShowsThrough();
        return true;
    }
    for (const auto& placement : s_placements) {
        if (placement.nID == nID) {
            Place(placement.button);
            return true;
        }
    }
    return CPanelPage::OnCmdMsg(nID, nCode);
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

void CImagePage::OnNew() {
    CFileDialog dlg(true, "bmp", "*.bmp", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                    CPictureDecoder::kFilter, this);
    CAlmanarkDoc* pDoc = theApp.m_pDoc;
    if (!pDoc || dlg.DoModal() != IDOK)
        return;
    // The picture on show stays until the new one has loaded; the new one
    // is read whole, so the file may change or go once it is loaded.
    CDib dib;
    if (!CPictureDecoder::Load(dib, dlg.GetPathName()))
        return;
    pDoc->m_dib.Swap(dib);
    pDoc->m_bHasImage = TRUE;
    ShowNewPicture(dlg.GetFileName());
}

void CImagePage::ShowNewPicture(const CString& strName) {
    CAlmanarkDoc& doc = *theApp.m_pDoc;
    CAlmanarkView* pView = theApp.m_pView;
    if (pView)
        ++pView->m_nImgPositioning;
    doc.m_strImageFile = strName;
    const CSize size = doc.m_dib.GetSize();
    theApp.m_dImageAspect = (double)size.cx / size.cy;
    if (pView)
        pView->SetPictureRect(
            CImagePlacement::Initial(theApp.m_rectPrintable, theApp.m_dImageAspect));
    EnableControls(TRUE);
    if (theApp.m_pFrame)
        theApp.m_pFrame->SetStatusText(0, "Position graphic");
    SetFocus();
    theApp.MarkModified();
    theApp.InvalidateView();
}

void CImagePage::OnShowsThrough() {
    CAlmanarkDoc* pDoc = theApp.m_pDoc;
    if (!pDoc)
        return;
    if (m_btnShowsThrough.GetCheck() == BST_CHECKED)
        ++pDoc->m_bImageShowsThrough;
    else
        pDoc->m_bImageShowsThrough = 0;
    theApp.MarkModified();
    theApp.InvalidateView();
}

void CImagePage::Place(CImagePlacement::Button button) {
    CAlmanarkDoc* pDoc = theApp.m_pDoc;
    CAlmanarkView* pView = theApp.m_pView;
    if (!pDoc || !pDoc->m_bHasImage || !pView)
        return;
    CRect rc = pView->PictureRect();
    const int nEdges =
        CImagePlacement::Apply(button, rc, theApp.m_rectPrintable, pView->CalendarFrame());
    if (!pView->SetPictureRect(rc, nEdges))
        return;
    theApp.MarkModified();
    theApp.InvalidateView();
}
