// CFontDlg: the common font dialog without its size label and size list;
// sizes come from the page layout and the "Large" switches.
#pragma once
#include "framework/FontDialog.h"

class CFontDlg : public CFontDialog {
public:
    explicit CFontDlg(LOGFONTA* plfInitial = nullptr, DWORD dwFlags = CF_EFFECTS | CF_SCREENFONTS,
                      HDC hdcPrinter = nullptr, CWnd* pParent = nullptr)
        : CFontDialog(plfInitial, dwFlags, hdcPrinter, pParent) {}

protected:
    BOOL OnInitDialog() override;
};
