// The document's printer: the print dialog on the default printer, the
// metrics read from it, the settings that follow the document, the
// temporary switch of the system's default printer, and a missing printer.
#include "ViewFixture.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "view/AlmanarkView.h"

namespace {
CString SystemDevice() {
    char sz[1024] = {0};
    ::GetProfileStringA("windows", "device", "", sz, sizeof sz);
    return sz;
}

CString DefaultPrinterName() {
    CString strDevice = SystemDevice();
    const int nComma = strDevice.Find(',');
    return nComma >= 0 ? strDevice.Left(nComma) : strDevice;
}

CString Ini(const char* pszSection, const char* pszKey) {
    return theApp.GetProfileString(pszSection, pszKey, "<none>");
}

const char kMissing[] = "Almanark Printer That Is Not There";
} // namespace

class PrinterTest : public CViewTest {
protected:
    void SetUp() override {
        CViewTest::SetUp();
        m_strDefault = DefaultPrinterName();
        ASSERT_FALSE(m_strDefault.IsEmpty());
        Doc().m_strPrinter = m_strDefault;
        View().m_printer.EnsureDocumentPrinter();
    }
    void TearDown() override {
        // Back to the default printer in the settings every test starts with.
        theApp.m_nOrientation = Doc().m_nOrientation = 2;
        theApp.m_nPaperSize = Doc().m_nPaperSize = 1;
        Doc().m_strPrinter = m_strDefault;
        View().m_printer.EnsureDocumentPrinter();
        if (DEVMODEA* pDevMode = View().m_printer.GetPrintDialog()->GetDevMode()) {
            pDevMode->dmOrientation = 2;
            pDevMode->dmPaperSize = 1;
        }
        View().m_printer.ResetPrinterDC();
        View().m_printer.ReadPrinter();
        CViewTest::TearDown();
    }
    CString m_strDefault;
};

TEST_F(PrinterTest, DefaultPrinterGivesMetricsAndSettings) {
    const CAlmanarkView& view = View();
    ASSERT_NE(view.m_printer.GetPrintDialog(), nullptr);
    EXPECT_EQ(theApp.m_strPrinter, m_strDefault);
    EXPECT_EQ(Ini("Almanark", "Printer"), m_strDefault);
    EXPECT_GT(view.m_physWidth, view.m_physHeight); // landscape
    EXPECT_GE(view.m_offsetX, 0);
    EXPECT_GE(view.m_offsetY, 0);
    HDC hDC = view.m_printer.GetPrintDialog()->GetPrinterDC();
    ASSERT_NE(hDC, nullptr);
    EXPECT_EQ(view.m_printWidth, ::GetDeviceCaps(hDC, HORZRES) - 10);
    EXPECT_EQ(view.m_printHeight, ::GetDeviceCaps(hDC, VERTRES) - 10);
    EXPECT_LT(view.m_offsetX + view.m_printWidth, view.m_physWidth);
    EXPECT_EQ(view.m_printer.GetPrintDialog()->m_pd.nCopies, 1);
}

TEST_F(PrinterTest, SamePrinterKeepsTheDialog) {
    CPrintDialog* pBefore = View().m_printer.GetPrintDialog();
    CScopedAnswers answers;
    View().m_printer.EnsureDocumentPrinter();
    EXPECT_EQ(View().m_printer.GetPrintDialog(), pBefore);
    EXPECT_TRUE(answers.Asked().empty());
}

TEST_F(PrinterTest, MissingPrinterIsReportedAndTheDefaultUsed) {
    const CString strDevice = SystemDevice();
    Doc().m_strPrinter = kMissing;
    {
        CScopedAnswers answers;
        View().m_printer.EnsureDocumentPrinter();
        ASSERT_EQ(answers.Messages().size(), 1u);
        EXPECT_EQ(answers.Messages()[0],
                  CString("The document was last saved with the following printer:\n\n") +
                      kMissing +
                      "\n\nwhich is not available.  The current printer will be used instead.");
        EXPECT_EQ(answers.Asked()[0].strCaption, "Almanark");
        EXPECT_EQ(answers.Asked()[0].nType & 0xF, (UINT)MB_OK);
    }
    EXPECT_EQ(theApp.m_strPrinter, m_strDefault);
    EXPECT_GT(View().m_physWidth, 0);
    EXPECT_EQ(SystemDevice(), strDevice);
    // The document keeps naming its printer until a print dialog is confirmed.
    EXPECT_EQ(Doc().m_strPrinter, kMissing);
}

TEST_F(PrinterTest, DocumentsPrinterIsMadeDefaultOnlyWhileTheDialogIsMade) {
    // The system's default names a printer that is gone; the document's
    // printer is installed, so it is the default while the dialog is made.
    const CString strDevice = SystemDevice();
    const CString strOther = "Almanark Absent Default,winspool,Ne09:";
    ::WriteProfileStringA("windows", "device", strOther);
    CScopedAnswers answers;
    Doc().m_strPrinter = kMissing;
    View().m_printer.EnsureDocumentPrinter();
    // A printer that is not installed is never made the default.
    EXPECT_EQ(SystemDevice(), strOther);
    Doc().m_strPrinter = m_strDefault;
    View().m_printer.EnsureDocumentPrinter();
    const CString strAfter = SystemDevice();
    ::WriteProfileStringA("windows", "device", strDevice);
    EXPECT_EQ(strAfter, strOther);
    EXPECT_EQ(answers.Messages().size(), 1u);
    EXPECT_EQ(theApp.m_strPrinter, m_strDefault);
    EXPECT_EQ(View().m_printer.GetPrintDialog()->GetDeviceName(), m_strDefault);
    EXPECT_GT(View().m_physWidth, 0);
}

TEST_F(PrinterTest, ApplicationTakesTheDocumentsSettings) {
    Doc().m_nOrientation = 1;
    Doc().m_nPaperSize = 9; // A4
    EXPECT_EQ(View().m_printer.SyncPrinterSettings(false), 2);
    EXPECT_EQ(theApp.m_nOrientation, 1);
    EXPECT_EQ(theApp.m_nPaperSize, 9);
    const DEVMODEA* pDevMode = View().m_printer.GetPrintDialog()->GetDevMode();
    ASSERT_NE(pDevMode, nullptr);
    EXPECT_EQ(pDevMode->dmOrientation, 1);
    EXPECT_EQ(pDevMode->dmPaperSize, 9);
    EXPECT_EQ(Ini(m_strDefault, "Orientation"), "1");
    EXPECT_EQ(Ini(m_strDefault, "Paper Size"), "9");
    EXPECT_EQ(View().m_printer.SyncPrinterSettings(false), 0);

    // The printer DC follows, and with it the page on screen.
    View().m_printer.ResetPrinterDC();
    View().m_printer.ReadPrinter();
    EXPECT_LT(View().m_physWidth, View().m_physHeight);
    EXPECT_NEAR(View().m_physWidth * 297.0, View().m_physHeight * 210.0, View().m_physHeight);
    Paint(600, 800);
    EXPECT_DOUBLE_EQ(View().m_pageHeight, 800.0);
    EXPECT_NEAR(View().m_pageWidth, 800.0 * 210 / 297, 2.0);
}

TEST_F(PrinterTest, DocumentTakesTheApplicationsSettings) {
    Doc().m_strPrinter = "Some other printer";
    Doc().m_nPrintColor = 2;
    theApp.m_nPrintColor = 1;
    EXPECT_EQ(View().m_printer.SyncPrinterSettings(true), 2);
    EXPECT_EQ(Doc().m_strPrinter, m_strDefault);
    EXPECT_EQ(Doc().m_nPrintColor, 1);
    EXPECT_EQ(Ini(m_strDefault, "Print Color"), "1");
    EXPECT_EQ(Ini("Almanark", "Printer"), m_strDefault);
}

TEST_F(PrinterTest, InitialUpdateShowsTheDocumentsPrinterAndSettings) {
    Doc().m_nOrientation = 1;
    Doc().m_bTitleLarge = 1;
    Doc().m_strTitle = "Family";
    theApp.m_nDaySwap = 2;
    theApp.m_strNotesFont = "Courier New";
    Doc().SetModifiedFlag(true);
    View().OnInitialUpdate();
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(View().m_nClearModified, 1);
    EXPECT_EQ(View().m_selDay, 1);
    EXPECT_EQ(View().m_selCol, -1);
    EXPECT_STREQ(Doc().m_lfNotes.lfFaceName, "Courier New");
    EXPECT_EQ(theApp.m_nOrientation, 1);
    EXPECT_LT(View().m_physWidth, View().m_physHeight);
    CMainFrame& frame = Frame();
    EXPECT_EQ(frame.m_wndCalendarPage.m_btnOrientation.GetWindowText(), "Landscape");
    EXPECT_EQ(frame.m_wndCalendarPage.m_btnDaySwap.GetWindowText(), "Left");
    EXPECT_EQ(frame.m_wndStylePage.m_btnTitleLarge.GetCheck(), BST_CHECKED);
    EXPECT_EQ(frame.m_wndStylePage.m_editTitle.GetWindowText(), "Family");
    EXPECT_EQ(frame.GetStatusText(1), m_strDefault);
    EXPECT_EQ(Ini("Almanark", "Month Doc"), "");
    theApp.m_strNotesFont = "Arial";
    theApp.m_nDaySwap = 0;
    View().OnInitialUpdate();
    EXPECT_EQ(frame.m_wndCalendarPage.m_btnDaySwap.GetWindowText(), "Right");
}

TEST_F(PrinterTest, PageIsPaintedAgainAfterTheMissingPrinterMessage) {
    Paint(900, 640);
    Frame().ShowWindow(SW_SHOWNOACTIVATE);
    Doc().m_strPrinter = kMissing;
    Doc().m_nOrientation = 1;
    // The window paints the old page while the message is up.
    CModalSeam::SetResponder([this](CModalRequest&) {
        ::ValidateRect(View().GetSafeHwnd(), nullptr);
        return IDOK;
    });
    View().OnInitialUpdate();
    CModalSeam::SetResponder(nullptr);
    EXPECT_EQ(theApp.m_nOrientation, 1);
    RECT rcUpdate = {};
    ::GetUpdateRect(View().GetSafeHwnd(), &rcUpdate, FALSE);
    EXPECT_FALSE(::IsRectEmpty(&rcUpdate));
    Frame().ShowWindow(SW_HIDE);
}
