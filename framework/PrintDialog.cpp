#include "framework/PrintDialog.h"

#include "framework/ModalSeam.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

CPrintDialog::CPrintDialog(bool bPrintSetupOnly, DWORD dwFlags, CWnd* pParent)
    : m_pParent(pParent) {
    m_pd.lStructSize = sizeof m_pd;
    m_pd.Flags = dwFlags | (bPrintSetupOnly ? PD_PRINTSETUP : PD_RETURNDC);
    m_pd.nCopies = 1;
    m_pd.nFromPage = m_pd.nToPage = 1;
    m_pd.nMinPage = m_pd.nMaxPage = 1;
}

CPrintDialog::~CPrintDialog() {
    if (m_pd.hDC)
        ::DeleteDC(m_pd.hDC);
    if (m_pd.hDevMode)
        ::GlobalFree(m_pd.hDevMode);
    if (m_pd.hDevNames)
        ::GlobalFree(m_pd.hDevNames);
}

bool CPrintDialog::Run() {
    HDC hOldDC = m_pd.hDC;
    m_pd.hDC = nullptr;
    HWND hOwner = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    if (!hOwner && AfxGetApp() && AfxGetApp()->m_pMainWnd)
        hOwner = AfxGetApp()->m_pMainWnd->GetSafeHwnd();
    m_pd.hwndOwner = hOwner;
    bool bOK = AfxPrintDlg(&m_pd) != FALSE;
    if (!bOK) {
        // A cancelled dialog leaves everything as it was.
        if (m_pd.hDC)
            ::DeleteDC(m_pd.hDC);
        m_pd.hDC = hOldDC;
        return false;
    }
    // The device mode and names it was given are the dialog's to reallocate;
    // a DC it returns is new, so the old one goes.
    if (m_pd.hDC) {
        if (hOldDC)
            ::DeleteDC(hOldDC);
    } else {
        m_pd.hDC = hOldDC;
    }
    return true;
}

int CPrintDialog::DoModal() {
    DWORD dwSaved = m_pd.Flags & PD_RETURNDEFAULT;
    m_pd.Flags &= ~PD_RETURNDEFAULT;
    bool bOK = Run();
    m_pd.Flags |= dwSaved;
    return bOK ? IDOK : IDCANCEL;
}

bool CPrintDialog::GetDefaults() {
    // Return-default mode refuses to run with handles already set.
    HGLOBAL hDevMode = m_pd.hDevMode, hDevNames = m_pd.hDevNames;
    m_pd.hDevMode = m_pd.hDevNames = nullptr;
    m_pd.Flags |= PD_RETURNDEFAULT;
    bool bOK = Run();
    m_pd.Flags &= ~PD_RETURNDEFAULT;
    if (bOK) {
        if (hDevMode)
            ::GlobalFree(hDevMode);
        if (hDevNames)
            ::GlobalFree(hDevNames);
    } else {
        m_pd.hDevMode = hDevMode;
        m_pd.hDevNames = hDevNames;
    }
    return bOK;
}

DEVMODEA* CPrintDialog::GetDevMode() const {
    if (!m_pd.hDevMode)
        return nullptr;
    // Global memory from the dialog does not move while it lives.
    auto* pDevMode = static_cast<DEVMODEA*>(::GlobalLock(m_pd.hDevMode));
    ::GlobalUnlock(m_pd.hDevMode);
    return pDevMode;
}

CString CPrintDialog::DevNamesString(int nWhich) const {
    if (!m_pd.hDevNames)
        return CString();
    auto* pNames = static_cast<const DEVNAMES*>(::GlobalLock(m_pd.hDevNames));
    if (!pNames)
        return CString();
    SIZE_T cbSize = ::GlobalSize(m_pd.hDevNames);
    WORD wOffset = nWhich == 0   ? pNames->wDriverOffset
                   : nWhich == 1 ? pNames->wDeviceOffset
                                 : pNames->wOutputOffset;
    CString str;
    // The offsets come from outside; stay inside the block.
    if (wOffset >= sizeof(DEVNAMES) && wOffset < cbSize) {
        const char* psz = reinterpret_cast<const char*>(pNames) + wOffset;
        SIZE_T nMax = cbSize - wOffset, n = 0;
        while (n < nMax && psz[n])
            ++n;
        str = CString(psz, (int)n);
    }
    ::GlobalUnlock(m_pd.hDevNames);
    return str;
}

CString CPrintDialog::GetDriverName() const {
    return DevNamesString(0);
}

CString CPrintDialog::GetDeviceName() const {
    return DevNamesString(1);
}

CString CPrintDialog::GetPortName() const {
    return DevNamesString(2);
}

HDC CPrintDialog::CreatePrinterDC() {
    CString strDriver = GetDriverName(), strDevice = GetDeviceName(), strPort = GetPortName();
    if (strDevice.IsEmpty())
        return nullptr;
    HDC hDC = ::CreateDCA(strDriver.IsEmpty() ? nullptr : strDriver.c_str(), strDevice,
                          strPort.IsEmpty() ? nullptr : strPort.c_str(), GetDevMode());
    if (!hDC)
        return nullptr;
    if (m_pd.hDC)
        ::DeleteDC(m_pd.hDC);
    m_pd.hDC = hDC;
    return hDC;
}

HDC CPrintDialog::DetachPrinterDC() {
    HDC hDC = m_pd.hDC;
    m_pd.hDC = nullptr;
    return hDC;
}
