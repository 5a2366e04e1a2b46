#include "framework/DataExchange.h"

#include "framework/Dialog.h"

HWND CDataExchange::GetControl(int nID) const {
    return m_pDlgWnd ? m_pDlgWnd->GetDlgItem(nID) : nullptr;
}

void DDX_Control(CDataExchange* pDX, int nID, CWnd& ctrl) {
    if (!pDX->m_pDlgWnd->BindControl(nID, ctrl))
        pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nID, CString& value) {
    HWND hCtrl = pDX->GetControl(nID);
    if (!hCtrl) {
        pDX->Fail();
        return;
    }
    if (!pDX->m_bSaveAndValidate) {
        ::SetWindowTextA(hCtrl, value);
        return;
    }
    int n = ::GetWindowTextLengthA(hCtrl);
    CString s;
    if (n > 0) {
        ::GetWindowTextA(hCtrl, s.GetBuffer(n + 1), n + 1);
        s.ReleaseBuffer();
    }
    value = s;
}

void DDX_Check(CDataExchange* pDX, int nID, int& value) {
    HWND hCtrl = pDX->GetControl(nID);
    if (!hCtrl) {
        pDX->Fail();
        return;
    }
    if (pDX->m_bSaveAndValidate)
        value = (int)::SendMessageA(hCtrl, BM_GETCHECK, 0, 0);
    else
        ::SendMessageA(hCtrl, BM_SETCHECK, (WPARAM)value, 0);
}
