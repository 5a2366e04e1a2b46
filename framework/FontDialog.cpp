#include "framework/FontDialog.h"

#include "framework/ModalSeam.h"
#include "framework/WinApp.h"

CFontDialog::CFontDialog(LOGFONTA* plfInitial, DWORD dwFlags, HDC hdcPrinter, CWnd* pParent)
    : CDialog(0, pParent), m_plfCaller(plfInitial) {
    m_cf.lStructSize = sizeof m_cf;
    m_cf.hDC = hdcPrinter;
    m_cf.Flags = dwFlags;
    m_cf.lpLogFont = &m_lf;
    if (plfInitial) {
        m_lf = *plfInitial;
        m_cf.Flags |= CF_INITTOLOGFONTSTRUCT;
    }
}

INT_PTR CFontDialog::DoModal() {
    HWND hOwner = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : nullptr;
    if (!hOwner && AfxGetApp() && AfxGetApp()->m_pMainWnd)
        hOwner = AfxGetApp()->m_pMainWnd->GetSafeHwnd();
    m_cf.hwndOwner = hOwner;
    m_cf.Flags |= CF_ENABLEHOOK;
    m_cf.lpfnHook = &CFontDialog::HookProc;
    m_cf.lCustData = (LPARAM)this;
    m_cf.lpLogFont = &m_lf;
    // The system dialog writes its LOGFONT while the user browses, also when
    // the choice is then cancelled; the caller's record changes only on OK.
    if (m_plfCaller)
        m_lf = *m_plfCaller;
    m_bModal = true;
    BOOL bOK = AfxChooseFont(&m_cf);
    m_bModal = false;
    m_hWnd = nullptr; // the dialog's window is gone
    if (m_plfCaller) {
        if (bOK)
            *m_plfCaller = m_lf;
        else
            m_lf = *m_plfCaller;
    }
    return bOK ? IDOK : IDCANCEL;
}

UINT_PTR CALLBACK CFontDialog::HookProc(HWND hWnd, UINT nMsg, WPARAM, LPARAM lParam) {
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    auto* pCf = reinterpret_cast<CHOOSEFONTA*>(lParam);
    auto* pDlg = pCf ? reinterpret_cast<CFontDialog*>(pCf->lCustData) : nullptr;
    if (!pDlg)
        return TRUE;
    pDlg->Attach(hWnd);
    try {
        return pDlg->OnInitDialog();
    } catch (...) {
        return TRUE;
    }
}
