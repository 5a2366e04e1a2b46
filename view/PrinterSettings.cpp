#include "view/PrinterSettings.h"

#include <algorithm>
#include <vector>

#include <winspool.h>

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/ModalSeam.h"
#include "framework/PrintInfo.h"
#include "view/AlmanarkView.h"
#include "view/PrintJob.h"

namespace {
const UINT kPrintFlags = PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOPAGENUMS |
                         PD_HIDEPRINTTOFILE | PD_NOSELECTION;

int CountLocalPrinters(const CString& strName) {
    if (strName.IsEmpty())
        return 0;
    DWORD cbNeeded = 0, nCount = 0;
    ::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &cbNeeded, &nCount);
    if (cbNeeded == 0)
        return 0;
    std::vector<BYTE> buffer(cbNeeded);
    if (!::EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), cbNeeded, &cbNeeded,
                         &nCount))
        return 0;
    const auto* pInfo = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
    int nFound = 0;
    for (DWORD i = 0; i < nCount; ++i)
        if (pInfo[i].pPrinterName && strName == pInfo[i].pPrinterName)
            ++nFound;
    return nFound;
}

// The whole value: a cut-off value written back later would damage the
// user's default printer.
CString SystemDefaultDevice() {
    return CWinApp::GetSystemProfileString("windows", "device");
}

void SetSystemDefaultDevice(const CString& strDevice) {
    ::WriteProfileStringA("windows", "device", strDevice);
    ::SendMessageTimeoutA(HWND_BROADCAST, WM_WININICHANGE, 0, (LPARAM) "windows", SMTO_ABORTIFHUNG,
                          2000, nullptr);
}

// "name,driver,port" as the system keeps it, when [devices] knows the printer.
CString DeviceEntry(const CString& strPrinter) {
    const CString strEntry = CWinApp::GetSystemProfileString("devices", strPrinter);
    return strEntry.IsEmpty() ? strPrinter : strPrinter + "," + strEntry;
}

enum PrinterSetting { settingOrientation, settingPaperSize, settingColor };

void PutIntoDevMode(DEVMODEA* pDevMode, PrinterSetting setting, short nValue) {
    if (!pDevMode)
        return;
    switch (setting) {
    case settingOrientation:
        pDevMode->dmOrientation = nValue;
        pDevMode->dmFields |= DM_ORIENTATION;
        break;
    case settingPaperSize:
        pDevMode->dmPaperSize = nValue;
        pDevMode->dmFields |= DM_PAPERSIZE;
        break;
    case settingColor:
        pDevMode->dmColor = nValue;
        pDevMode->dmFields |= DM_COLOR;
        break;
    }
}
} // namespace

CPrinterSettings::CPrinterSettings(CAlmanarkView& view) : m_view(view) {}

CPrinterSettings::~CPrinterSettings() = default;

CString CPrinterSettings::DialogPrinterName() const {
    if (!m_pPrintDlg)
        return CString();
    // The device names hold the whole name; the device mode only 31 characters of it.
    CString strName = m_pPrintDlg->GetDeviceName();
    const DEVMODEA* pDevMode = m_pPrintDlg->GetDevMode();
    if (strName.IsEmpty() && pDevMode)
        strName = CString(
            reinterpret_cast<const char*>(pDevMode->dmDeviceName),
            (int)strnlen(reinterpret_cast<const char*>(pDevMode->dmDeviceName), CCHDEVICENAME));
    return strName;
}

void CPrinterSettings::ReadPrinter() {
    ReadMetrics(m_pPrintDlg ? m_pPrintDlg->GetPrinterDC() : nullptr);
    if (const DEVMODEA* pDevMode = m_pPrintDlg ? m_pPrintDlg->GetDevMode() : nullptr) {
        theApp.m_strPrinter = DialogPrinterName();
        theApp.m_nOrientation = pDevMode->dmOrientation;
        theApp.m_nPaperSize = pDevMode->dmPaperSize;
        theApp.m_nPrintColor = pDevMode->dmColor;
    }
    theApp.WriteSetting(CSettingsKeys::kPrinter, theApp.m_strPrinter);
}

void CPrinterSettings::ReadMetrics(HDC hDC) {
    m_view.m_physWidth = hDC ? ::GetDeviceCaps(hDC, PHYSICALWIDTH) : 0;
    m_view.m_physHeight = hDC ? ::GetDeviceCaps(hDC, PHYSICALHEIGHT) : 0;
    m_view.m_printWidth = hDC ? ::GetDeviceCaps(hDC, HORZRES) - 10 : 0;
    m_view.m_printHeight = hDC ? ::GetDeviceCaps(hDC, VERTRES) - 10 : 0;
    m_view.m_offsetX = hDC ? ::GetDeviceCaps(hDC, PHYSICALOFFSETX) : 0;
    m_view.m_offsetY = hDC ? ::GetDeviceCaps(hDC, PHYSICALOFFSETY) : 0;
}

int CPrinterSettings::SyncPrinterSettings(bool bDocTakesApp) {
    CAlmanarkDoc* pDoc = m_view.GetDocument();
    if (!pDoc)
        return 0;
    int nDiffer = 0;
    if (bDocTakesApp && pDoc->m_strPrinter != theApp.m_strPrinter) {
        pDoc->m_strPrinter = theApp.m_strPrinter;
        theApp.WriteSetting(CSettingsKeys::kPrinter, theApp.m_strPrinter);
        nDiffer = 1;
    }
    DEVMODEA* pDevMode = m_pPrintDlg ? m_pPrintDlg->GetDevMode() : nullptr;
    CString strRefused;
    struct Setting {
        short& nDoc;
        short& nApp;
        PrinterSetting setting;
        const CIntKey& key;
        const char* pszName;
    } settings[] = {
        {pDoc->m_nOrientation, theApp.m_nOrientation, settingOrientation,
         CSettingsKeys::kOrientation, "orientation"},
        {pDoc->m_nPaperSize, theApp.m_nPaperSize, settingPaperSize, CSettingsKeys::kPaperSize,
         "paper size"},
        {pDoc->m_nPrintColor, theApp.m_nPrintColor, settingColor, CSettingsKeys::kPrintColor,
         "colour"},
    };
    for (Setting& s : settings) {
        if (s.nDoc == s.nApp)
            continue;
        if (!bDocTakesApp && !Accepts(s.setting, s.nDoc)) {
            strRefused += CString(strRefused.IsEmpty() ? "" : ", ") + s.pszName + " " +
                          CString::FromInt(s.nDoc);
            continue;
        }
        if (bDocTakesApp)
            s.nDoc = s.nApp;
        else
            s.nApp = s.nDoc;
        PutIntoDevMode(pDevMode, s.setting, s.nApp);
        theApp.WriteSetting(s.key, s.nApp, theApp.m_strPrinter);
        ++nDiffer;
    }
    if (!strRefused.IsEmpty())
        AfxMessageBox("The document's printer settings (" + strRefused +
                          ") do not suit the printer\n\n" + theApp.m_strPrinter +
                          "\n\nThe printer's own settings will be used instead.",
                      MB_OK | MB_ICONEXCLAMATION);
    return nDiffer;
}

bool CPrinterSettings::Accepts(int nSetting, short nValue) const {
    if (nSetting != settingPaperSize)
        return nValue == 1 || nValue == 2;
    return nValue > 0 && TakesPaper(theApp.m_strPrinter,
                                    m_pPrintDlg ? m_pPrintDlg->GetPortName() : CString(), nValue);
}

bool CPrinterSettings::TakesPaper(const CString& strPrinter, const CString& strPort, short nPaper) {
    const char* pszPort = strPort.IsEmpty() ? nullptr : strPort.c_str();
    const int nPapers = ::DeviceCapabilitiesA(strPrinter, pszPort, DC_PAPERS, nullptr, nullptr);
    if (nPapers <= 0)
        return true; // the driver does not say; let it decide
    std::vector<WORD> papers(nPapers);
    ::DeviceCapabilitiesA(strPrinter, pszPort, DC_PAPERS, (char*)papers.data(), nullptr);
    return std::find(papers.begin(), papers.end(), (WORD)nPaper) != papers.end();
}

void CPrinterSettings::ReportUnavailable(const CString& strPrinter) {
    AfxMessageBox("The printer\n\n" + strPrinter + "\n\nis not available.  Nothing was printed.",
                  MB_OK | MB_ICONEXCLAMATION);
}

void CPrinterSettings::ResetPrinterDC() {
    const HDC hDC = m_pPrintDlg ? m_pPrintDlg->GetPrinterDC() : nullptr;
    const DEVMODEA* pDevMode = m_pPrintDlg ? m_pPrintDlg->GetDevMode() : nullptr;
    if (hDC && pDevMode)
        ::ResetDCA(hDC, pDevMode);
}

void CPrinterSettings::SetPrinterOrientation(short nOrientation) {
    if (!m_pPrintDlg)
        return;
    PutIntoDevMode(m_pPrintDlg->GetDevMode(), settingOrientation, nOrientation);
    ResetPrinterDC();
    ReadPrinter();
}

void CPrinterSettings::CreatePrintDialog() {
    m_pPrintDlg = std::make_unique<CPrintDialog>(false, kPrintFlags, &m_view);
    m_pPrintDlg->GetDefaults();
    m_pPrintDlg->m_pd.nCopies = 1;
    DEVMODEA* pDevMode = m_pPrintDlg->GetDevMode();
    PutIntoDevMode(pDevMode, settingOrientation, theApp.m_nOrientation);
    PutIntoDevMode(pDevMode, settingPaperSize, theApp.m_nPaperSize);
    PutIntoDevMode(pDevMode, settingColor, theApp.m_nPrintColor);
    ResetPrinterDC();
    ReadPrinter();
}

void CPrinterSettings::EnsureDocumentPrinter() {
    CAlmanarkDoc* pDoc = m_view.GetDocument();
    // A calendar that names no printer (an empty file) is the current printer's.
    if (pDoc && pDoc->m_strPrinter.IsEmpty())
        pDoc->m_strPrinter = theApp.m_strPrinter;
    const CString strWanted = pDoc ? pDoc->m_strPrinter : theApp.m_strPrinter;
    if (m_pPrintDlg && DialogPrinterName() == strWanted)
        return;
    m_pPrintDlg.reset();
    const CString strDevice = SystemDefaultDevice();
    const int nComma = strDevice.Find(',');
    const CString strDefault = nComma >= 0 ? strDevice.Left(nComma) : strDevice;
    bool bSwitched = false;
    if (strDefault != strWanted) {
        if (CountLocalPrinters(strWanted) > 0) {
            SetSystemDefaultDevice(DeviceEntry(strWanted));
            bSwitched = true;
        } else {
            AfxMessageBox("The document was last saved with the following printer:\n\n" +
                              strWanted +
                              "\n\nwhich is not available.  The current printer will be used "
                              "instead.",
                          MB_OK);
        }
    }
    CreatePrintDialog();
    if (bSwitched)
        SetSystemDefaultDevice(strDevice);
}

bool CPrinterSettings::RunPrintDialog(bool bSetup) {
    if (!m_pPrintDlg)
        EnsureDocumentPrinter();
    CPrintDialog& dlg = *m_pPrintDlg;
    if (DEVMODEA* pDevMode = dlg.GetDevMode()) {
        PutIntoDevMode(pDevMode, settingOrientation, theApp.m_nOrientation);
        PutIntoDevMode(pDevMode, settingPaperSize, theApp.m_nPaperSize);
        PutIntoDevMode(pDevMode, settingColor, theApp.m_nPrintColor);
        if (!bSetup)
            lstrcpynA(reinterpret_cast<char*>(pDevMode->dmDeviceName), theApp.m_strPrinter,
                      CCHDEVICENAME);
    }
    if (bSetup)
        dlg.m_pd.Flags |= PD_PRINTSETUP;
    else
        OfferPages(m_view.GetDocument() && !m_view.GetDocument()->m_bYearDoc);
    const bool bOK = dlg.DoModal() == IDOK;
    dlg.m_pd.Flags &= ~PD_PRINTSETUP;
    if (!bOK)
        return false;
    // The setup dialog returns no DC: make one for what was chosen.
    if (bSetup || !dlg.GetPrinterDC())
        dlg.CreatePrinterDC();
    ReadPrinter();
    if (SyncPrinterSettings(true))
        theApp.MarkModified();
    if (CMainFrame* pFrame = theApp.m_pFrame) {
        pFrame->SetStatusText(1, theApp.m_strPrinter);
        pFrame->m_wndCalendarPage.ShowOrientation();
    }
    theApp.InvalidateView();
    return true;
}

void CPrinterSettings::OfferPages(bool bRun) {
    PRINTDLGA& pd = m_pPrintDlg->m_pd;
    if (!bRun) {
        pd.Flags = (pd.Flags & ~PD_PAGENUMS) | PD_NOPAGENUMS;
        pd.nMinPage = pd.nMaxPage = pd.nFromPage = pd.nToPage = 1;
        return;
    }
    pd.Flags &= ~PD_NOPAGENUMS;
    pd.nMinPage = 1;
    pd.nMaxPage = CPrintJob::kMaxMonths;
    // The range chosen last is offered again, "All" selected as the default.
    pd.nFromPage = (WORD)std::clamp<int>(pd.nFromPage, 1, CPrintJob::kMaxMonths);
    pd.nToPage = (WORD)std::clamp<int>(pd.nToPage, pd.nFromPage, CPrintJob::kMaxMonths);
}

void CPrinterSettings::ChosenPages(int& nFrom, int& nTo) const {
    nFrom = nTo = 1;
    if (!m_pPrintDlg || !(m_pPrintDlg->m_pd.Flags & PD_PAGENUMS))
        return;
    nFrom = m_pPrintDlg->m_pd.nFromPage;
    nTo = m_pPrintDlg->m_pd.nToPage;
}

bool CPrinterSettings::PreparePrinting(CPrintInfo& info) {
    if (!m_pPrintDlg)
        EnsureDocumentPrinter();
    const HDC hDC = ::CreateDCA("WINSPOOL", theApp.m_strPrinter, nullptr, nullptr);
    if (!hDC) {
        ReportUnavailable(theApp.m_strPrinter);
        return false;
    }
    if (const DEVMODEA* pDevMode = m_pPrintDlg ? m_pPrintDlg->GetDevMode() : nullptr)
        ::ResetDCA(hDC, pDevMode);
    info.m_pPD->m_pd.hDC = hDC;
    info.SetMaxPage(1);
    info.m_nNumPreviewPages = 1;
    info.m_bDirect = true;
    return true;
}
