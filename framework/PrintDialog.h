// CPrintDialog: the common print or print-setup dialog, shown through the
// modal seam. It owns the device mode, device names and printer DC it
// holds and frees them when replaced or destroyed.
#pragma once
#include <windows.h>
#include <commdlg.h>
#include "framework/String.h"

class CWnd;

class CPrintDialog {
public:
    // A print dialog returns a printer DC; a setup-only dialog does not.
    explicit CPrintDialog(bool bPrintSetupOnly,
                          DWORD dwFlags = PD_ALLPAGES | PD_USEDEVMODECOPIESANDCOLLATE |
                                          PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_NOSELECTION,
                          CWnd* pParent = nullptr);
    CPrintDialog(const CPrintDialog&) = delete;
    CPrintDialog& operator=(const CPrintDialog&) = delete;
    ~CPrintDialog();

    // IDOK or IDCANCEL. PD_PRINTSETUP in m_pd.Flags shows the setup dialog.
    int DoModal();
    // The default printer's settings (and DC) without showing anything.
    bool GetDefaults();

    // The device mode; null without one. Valid until the dialog replaces it.
    DEVMODEA* GetDevMode() const;
    CString GetDeviceName() const;
    CString GetDriverName() const;
    CString GetPortName() const;
    // The printer DC the dialog returned; it stays owned by the dialog.
    HDC GetPrinterDC() const { return m_pd.hDC; }
    // Makes a new DC from the device names and mode, owned by the dialog.
    HDC CreatePrinterDC();

    PRINTDLGA m_pd = {};

private:
    // Runs the dialog; on success a printer DC it returns replaces the old one.
    bool Run();
    CString DevNamesString(int nWhich) const;

    CWnd* m_pParent;
};
