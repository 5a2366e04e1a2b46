#include "framework/ComboBox.h"

CString CComboBox::GetLBText(int nIndex) const {
    CString s;
    int n = GetLBTextLen(nIndex);
    if (n > 0) {
        SendMessage(CB_GETLBTEXT, nIndex, (LPARAM)s.GetBuffer(n + 1));
        s.ReleaseBuffer();
    }
    return s;
}

void CComboBox::GetEditSel(int& nStart, int& nEnd) const {
    DWORD dwStart = 0, dwEnd = 0;
    SendMessage(CB_GETEDITSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    nStart = (int)dwStart;
    nEnd = (int)dwEnd;
}
