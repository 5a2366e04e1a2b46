// CPrinterSettings: the view's printer. Owns the view's one print dialog,
// measures the printer's page into the view's metrics, keeps the
// application's and the document's printer settings in step, and makes the
// print dialog follow the printer the document names.
#pragma once
#include <windows.h>

#include <memory>

#include "framework/PrintDialog.h"
#include "framework/String.h"

class CAlmanarkView;

class CPrinterSettings {
public:
    explicit CPrinterSettings(CAlmanarkView& view);
    ~CPrinterSettings();
    CPrinterSettings(const CPrinterSettings&) = delete;
    CPrinterSettings& operator=(const CPrinterSettings&) = delete;

    // Makes the print dialog refer to the document's printer, or tells the
    // user it is missing and takes the default printer.
    void EnsureDocumentPrinter();
    // Metrics and the application's printer settings from the print
    // dialog's printer DC and device mode.
    void ReadPrinter();
    // bDocTakesApp: the document takes the application's settings, else the
    // other way round. Returns how many settings differed.
    int SyncPrinterSettings(bool bDocTakesApp);
    // Applies the print dialog's device mode to its printer DC.
    void ResetPrinterDC();
    // Puts the orientation into the device mode and reads the printer again.
    void SetPrinterOrientation(short nOrientation);

    CPrintDialog* GetPrintDialog() const { return m_pPrintDlg.get(); }
    // The device name of the print dialog's printer, empty without one.
    CString DialogPrinterName() const;

private:
    void CreatePrintDialog();

    CAlmanarkView& m_view;
    std::unique_ptr<CPrintDialog> m_pPrintDlg;
};
