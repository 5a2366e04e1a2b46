#include "framework/ComboBox.h"

CString CComboBox::GetLBText(int nIndex) const {
    return GetItemText(CB_GETLBTEXTLEN, CB_GETLBTEXT, nIndex);
}

void CComboBox::GetEditSel(int& nStart, int& nEnd) const {
    DWORD dwStart = 0, dwEnd = 0;
    SendMessage(CB_GETEDITSEL, (WPARAM)&dwStart, (LPARAM)&dwEnd);
    nStart = (int)dwStart;
    nEnd = (int)dwEnd;
}
