// CSavePictureDlg: the resolution of Save as Picture, with the picture's
// size in pixels at each choice. A choice past the size limit is refused
// here, while another can still be made.
#pragma once
#include "framework/Dialog.h"

class CPictureExport;

class CSavePictureDlg : public CDialog {
public:
    CSavePictureDlg(const CPictureExport& export_, CWnd* pParent);

    int m_nDpi;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnOK() override;

private:
    void ShowSize();

    const CPictureExport& m_export;
};
