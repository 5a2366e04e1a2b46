#include "framework/PrintDialog.h"

#include <winspool.h>

#include <cstring>
#include <vector>

#include "framework/ModalSeam.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {
// What the spooler tells about a printer at the given level, empty on failure.
template <typename Query> std::vector<BYTE> SpoolerInfo(Query query) {
    DWORD cbNeeded = 0;
    query(nullptr, 0, &cbNeeded);
    std::vector<BYTE> info(cbNeeded);
    if (cbNeeded == 0 || !query(info.data(), cbNeeded, &cbNeeded))
        info.clear();
    return info;
}

HGLOBAL CopyToGlobal(const void* pData, size_t cb) {
    HGLOBAL hMem = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
    if (void* p = hMem ? ::GlobalLock(hMem) : nullptr) {
        memcpy(p, pData, cb);
        ::GlobalUnlock(hMem);
    }
    return hMem;
}

// The device names block: driver file name, device and port after the header.
HGLOBAL MakeDevNames(const char* pszDriverPath, const char* pszDevice, const char* pszPort) {
    const char* pszSlash = strrchr(pszDriverPath, '\\');
    const char* const apszNames[] = {pszSlash ? pszSlash + 1 : pszDriverPath, pszDevice, pszPort};
    std::vector<char> block(sizeof(DEVNAMES));
    WORD awOffsets[3];
    for (int i = 0; i < 3; ++i) {
        awOffsets[i] = (WORD)block.size();
        block.insert(block.end(), apszNames[i], apszNames[i] + strlen(apszNames[i]) + 1);
    }
    auto* pNames = reinterpret_cast<DEVNAMES*>(block.data());
    pNames->wDriverOffset = awOffsets[0];
    pNames->wDeviceOffset = awOffsets[1];
    pNames->wOutputOffset = awOffsets[2];
    pNames->wDefault = DN_DEFAULTPRN;
    return CopyToGlobal(block.data(), block.size());
}

// The default printer's device mode and names, as the print dialog's
// return-default mode gives them, read from the spooler alone: start-up
// needs the printer, not the common dialogs' library.
bool ReadDefaultPrinter(HGLOBAL& hDevMode, HGLOBAL& hDevNames) {
    DWORD cchName = 0;
    ::GetDefaultPrinterA(nullptr, &cchName);
    std::vector<char> name(cchName + 1, 0);
    HANDLE hPrinter = nullptr;
    if (cchName == 0 || !::GetDefaultPrinterA(name.data(), &cchName) ||
        !::OpenPrinterA(name.data(), &hPrinter, nullptr))
        return false;
    const std::vector<BYTE> printer = SpoolerInfo([hPrinter](BYTE* p, DWORD cb, DWORD* pcb) {
        return ::GetPrinterA(hPrinter, 2, p, cb, pcb);
    });
    const std::vector<BYTE> driver = SpoolerInfo([hPrinter](BYTE* p, DWORD cb, DWORD* pcb) {
        return ::GetPrinterDriverA(hPrinter, nullptr, 3, p, cb, pcb);
    });
    ::ClosePrinter(hPrinter);
    if (printer.empty() || driver.empty())
        return false;
    const auto* pInfo = reinterpret_cast<const PRINTER_INFO_2A*>(printer.data());
    const auto* pDriver = reinterpret_cast<const DRIVER_INFO_3A*>(driver.data());
    if (!pInfo->pDevMode || !pInfo->pPrinterName || !pInfo->pPortName || !pDriver->pDriverPath)
        return false;
    hDevMode =
        CopyToGlobal(pInfo->pDevMode, pInfo->pDevMode->dmSize + pInfo->pDevMode->dmDriverExtra);
    hDevNames = MakeDevNames(pDriver->pDriverPath, pInfo->pPrinterName, pInfo->pPortName);
    return hDevMode && hDevNames;
}
} // namespace

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
    HGLOBAL hOldDevMode = m_pd.hDevMode, hOldDevNames = m_pd.hDevNames;
    m_pd.hDevMode = m_pd.hDevNames = nullptr;
    bool bOK = ReadDefaultPrinter(m_pd.hDevMode, m_pd.hDevNames) &&
               (!(m_pd.Flags & PD_RETURNDC) || CreatePrinterDC());
    // Whichever handles are not kept go.
    for (HGLOBAL hMem : {bOK ? hOldDevMode : m_pd.hDevMode, bOK ? hOldDevNames : m_pd.hDevNames})
        if (hMem)
            ::GlobalFree(hMem);
    if (!bOK) {
        m_pd.hDevMode = hOldDevMode;
        m_pd.hDevNames = hOldDevNames;
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
