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
class CPrintInfo;

class CPrinterSettings {
public:
    // Whether the printer (on the port, when given) has the paper; true
    // when its driver does not say.
    static bool TakesPaper(const CString& strPrinter, const CString& strPort, short nPaper);
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
    // The view's page metrics alone, from hDC (zero without one).
    void ReadMetrics(HDC hDC);
    // bDocTakesApp: the document takes the application's settings, else the
    // other way round. Returns how many settings differed. Values of the
    // document that the printer cannot take (another driver's) are
    // reported and left out; the document keeps them.
    int SyncPrinterSettings(bool bDocTakesApp);
    // File Print (bSetup false) or Print Setup up to the printing: the
    // dialog, and on OK the printer, the document, the status bar and the
    // orientation button follow it. False when cancelled.
    bool RunPrintDialog(bool bSetup);
    // The print or preview run on a new DC of the application's printer,
    // one page, without a dialog; false, after a message, without one.
    bool PreparePrinting(CPrintInfo& info);
    // The pages last chosen in the print dialog, 1 .. 1 when it printed "All".
    void ChosenPages(int& nFrom, int& nTo) const;
    // Applies the print dialog's device mode to its printer DC.
    void ResetPrinterDC();
    // Puts the orientation into the device mode and reads the printer again.
    void SetPrinterOrientation(short nOrientation);

    CPrintDialog* GetPrintDialog() const { return m_pPrintDlg.get(); }
    // The device name of the print dialog's printer, empty without one.
    CString DialogPrinterName() const;

    // Says that nothing was printed because the printer is not there.
    static void ReportUnavailable(const CString& strPrinter);

private:
    void CreatePrintDialog();
    // A month calendar offers its run of months as pages; a year calendar
    // is one page.
    void OfferPages(bool bRun);
    // Whether the application's printer can take the document's value.
    bool Accepts(int nSetting, short nValue) const;

    CAlmanarkView& m_view;
    std::unique_ptr<CPrintDialog> m_pPrintDlg;
};
