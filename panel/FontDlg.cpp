#include "panel/FontDlg.h"

namespace {
// The size label (stc3) and size list (cmb3) of the system's template.
const int kSizeLabel = 1090;
const int kSizeList = 1138;
} // namespace

BOOL CFontDlg::OnInitDialog() {
    CFontDialog::OnInitDialog();
    for (int nID : {kSizeLabel, kSizeList})
        ::ShowWindow(GetDlgItem(nID), SW_HIDE);
    return TRUE;
}
