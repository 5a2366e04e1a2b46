#include "view/SavePictureDlg.h"

#include "framework/ModalSeam.h"
#include "resources/resource.h"
#include "view/PictureExport.h"

namespace {
struct CChoice {
    int nID;
    int nDpi;
};
const CChoice kChoices[] = {
    {IDC_PICTURE_150DPI, 150}, {IDC_PICTURE_300DPI, 300}, {IDC_PICTURE_600DPI, 600}};
} // namespace

CSavePictureDlg::CSavePictureDlg(const CPictureExport& export_, CWnd* pParent)
    : CDialog(IDD_SAVE_PICTURE, pParent), m_nDpi(CPictureExport::kDefaultDpi), m_export(export_) {}

BOOL CSavePictureDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    for (const CChoice& choice : kChoices)
        if (choice.nDpi == m_nDpi)
            CheckRadioButton(IDC_PICTURE_150DPI, IDC_PICTURE_600DPI, choice.nID);
    ShowSize();
    return TRUE;
}

bool CSavePictureDlg::OnCommand(WPARAM wParam, LPARAM lParam) {
    for (const CChoice& choice : kChoices)
        if (LOWORD(wParam) == choice.nID && HIWORD(wParam) == BN_CLICKED) {
            m_nDpi = choice.nDpi;
            ShowSize();
            return true;
        }
    return CDialog::OnCommand(wParam, lParam);
}

void CSavePictureDlg::ShowSize() {
    const CSize size = m_export.PixelSize(m_nDpi);
    CString str;
    if (size.cx > 0)
        str.Format("%d x %d pixels", (int)size.cx, (int)size.cy);
    ::SetDlgItemTextA(m_hWnd, IDC_PICTURE_SIZE, str);
}

void CSavePictureDlg::OnOK() {
    const CString strTooLarge = CPictureExport::TooLarge(m_export.PixelSize(m_nDpi));
    if (!strTooLarge.IsEmpty()) {
        AfxMessageBox(strTooLarge, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    CDialog::OnOK();
}
