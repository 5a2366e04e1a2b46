// File Print and Print Setup answered as a user would answer the real
// dialogs, print preview in the frame, and what a document may say about
// its printer: another installed printer, none, a missing or overlong one,
// settings of another driver.
#include "ViewFixture.h"

#include <winspool.h>

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/PreviewView.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
const char kSecond[] = "PDF-Legal"; // the set-up's second queue

CString SystemDevice() {
    char sz[1024] = {0};
    ::GetProfileStringA("windows", "device", "", sz, sizeof sz);
    return sz;
}

CString DefaultPrinter() {
    const CString str = SystemDevice();
    return str.Find(',') >= 0 ? str.Left(str.Find(',')) : str;
}

// Visible in itself: the test frame is never shown.
bool Shown(const CWnd& wnd) {
    return (::GetWindowLongA(wnd.GetSafeHwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
}

CString Ini(const char* pszSection, const char* pszKey) {
    return theApp.GetProfileString(pszSection, pszKey, "<none>");
}

// Fills the dialog's structure as the real dialog does when the user picks
// a printer, orientation and paper and presses OK.
int ChoosePrinter(CModalRequest& request, const CString& strPrinter, short nOrientation,
                  short nPaper) {
    auto* pPd = static_cast<PRINTDLGA*>(request.pStruct);
    HANDLE hPrinter = nullptr;
    if (!::OpenPrinterA(const_cast<char*>(strPrinter.c_str()), &hPrinter, nullptr))
        return 0;
    const LONG cb = ::DocumentPropertiesA(nullptr, hPrinter, const_cast<char*>(strPrinter.c_str()),
                                          nullptr, nullptr, 0);
    HGLOBAL hDevMode = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cb);
    auto* pDevMode = static_cast<DEVMODEA*>(::GlobalLock(hDevMode));
    ::DocumentPropertiesA(nullptr, hPrinter, const_cast<char*>(strPrinter.c_str()), pDevMode,
                          nullptr, DM_OUT_BUFFER);
    ::ClosePrinter(hPrinter);
    pDevMode->dmOrientation = nOrientation;
    pDevMode->dmPaperSize = nPaper;
    pDevMode->dmColor = DMCOLOR_MONOCHROME; // as the calendar has it
    pDevMode->dmFields |= DM_ORIENTATION | DM_PAPERSIZE | DM_COLOR;
    const CString strDriver = "winspool";
    const size_t cbNames = sizeof(DEVNAMES) + strDriver.GetLength() + strPrinter.GetLength() + 3;
    HGLOBAL hDevNames = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, cbNames);
    auto* pNames = static_cast<DEVNAMES*>(::GlobalLock(hDevNames));
    char* psz = reinterpret_cast<char*>(pNames);
    pNames->wDriverOffset = sizeof(DEVNAMES);
    lstrcpyA(psz + pNames->wDriverOffset, strDriver);
    pNames->wDeviceOffset = (WORD)(pNames->wDriverOffset + strDriver.GetLength() + 1);
    lstrcpyA(psz + pNames->wDeviceOffset, strPrinter);
    pNames->wOutputOffset = (WORD)(pNames->wDeviceOffset + strPrinter.GetLength() + 1);
    if (pPd->Flags & PD_RETURNDC)
        pPd->hDC = ::CreateDCA("WINSPOOL", strPrinter, nullptr, pDevMode);
    ::GlobalUnlock(hDevNames);
    ::GlobalUnlock(hDevMode);
    if (pPd->hDevMode)
        ::GlobalFree(pPd->hDevMode);
    if (pPd->hDevNames)
        ::GlobalFree(pPd->hDevNames);
    pPd->hDevMode = hDevMode;
    pPd->hDevNames = hDevNames;
    return 1;
}

// Millimetres of the short and the long side.
struct PaperMm {
    short nCode;
    double dShort, dLong;
};
const PaperMm kPapers[] = {{1, 215.9, 279.4}, {5, 215.9, 355.6}, {9, 210.0, 297.0}};

const PaperMm& Paper(short nCode) {
    for (const PaperMm& paper : kPapers)
        if (paper.nCode == nCode)
            return paper;
    return kPapers[0];
}
} // namespace

class PrintCommandTest : public CViewTest {
protected:
    void SetUp() override {
        CViewTest::SetUp();
        m_strDefault = DefaultPrinter();
        Back();
    }
    void TearDown() override {
        View().ClosePrintPreview();
        Back(1);
        Doc().SetModifiedFlag(false);
        CViewTest::TearDown();
    }
    // The default printer in landscape, on A4 unless told otherwise.
    void Back(short nPaper = 9) {
        theApp.m_strPrinter = Doc().m_strPrinter = m_strDefault;
        Doc().m_nOrientation = 2;
        Doc().m_nPaperSize = nPaper;
        Doc().m_nPrintColor = 1;
        CScopedAnswers answers;
        View().m_printer.EnsureDocumentPrinter();
        View().m_printer.SyncPrinterSettings(false);
        View().m_printer.ResetPrinterDC();
        View().m_printer.ReadPrinter();
    }
    CString m_strDefault;
};

TEST_F(PrintCommandTest, ConfirmedDialogsCarryTheChoiceEverywhereAndCancelNothing) {
    struct Case {
        bool bSetup;
        bool bOK;
        const char* pszPrinter; // null: the default printer
        short nOrientation, nPaper;
    } const cases[] = {
        {false, true, nullptr, 1, 9}, {true, true, nullptr, 2, 5},   {true, true, kSecond, 1, 5},
        {false, true, kSecond, 2, 1}, {false, false, kSecond, 1, 5}, {true, false, nullptr, 1, 1},
        {false, true, nullptr, 2, 9},
    };
    for (const Case& c : cases) {
        Back();
        Doc().SetModifiedFlag(false);
        const CString strPrinter = c.pszPrinter ? CString(c.pszPrinter) : m_strDefault;
        const int nWidthBefore = View().m_physWidth;
        SCOPED_TRACE(strPrinter + (c.bSetup ? " setup" : " print") + (c.bOK ? " OK" : " Cancel") +
                     " " + CString::FromInt(c.nOrientation) + "/" + CString::FromInt(c.nPaper));
        CScopedAnswers answers;
        answers.OnDialog([&](CModalRequest& request) {
            EXPECT_EQ(request.kind, c.bSetup ? CModalRequest::printSetup : CModalRequest::print);
            return c.bOK ? ChoosePrinter(request, strPrinter, c.nOrientation, c.nPaper) : 0;
        });
        EXPECT_EQ(View().m_printer.RunPrintDialog(c.bSetup), c.bOK);
        ASSERT_EQ(answers.Asked().size(), 1u);
        const bool bChanged =
            c.bOK && (strPrinter != m_strDefault || c.nOrientation != 2 || c.nPaper != 9);
        const CString strNow = c.bOK ? strPrinter : m_strDefault;
        const short nOrientation = c.bOK ? c.nOrientation : 2, nPaper = c.bOK ? c.nPaper : 9;
        EXPECT_EQ(Doc().IsModified(), bChanged);
        EXPECT_EQ(theApp.m_strPrinter, strNow);
        EXPECT_EQ(Doc().m_strPrinter, strNow);
        EXPECT_EQ(theApp.m_nOrientation, nOrientation);
        EXPECT_EQ(Doc().m_nOrientation, nOrientation);
        EXPECT_EQ(Doc().m_nPaperSize, nPaper);
        EXPECT_EQ(Ini("Almanark", "Printer"), strNow);
        // Only what differed is written to the printer's section.
        if (nOrientation != 2)
            EXPECT_EQ(Ini(strNow, "Orientation"), CString::FromInt(nOrientation));
        if (nPaper != 9)
            EXPECT_EQ(Ini(strNow, "Paper Size"), CString::FromInt(nPaper));
        if (c.bOK)
            EXPECT_EQ(Frame().GetStatusText(1), strNow);
        EXPECT_EQ(Frame().m_wndCalendarPage.m_btnOrientation.GetWindowText(),
                  nOrientation == 1 ? "Landscape" : "Portrait");
        // The page on screen takes the paper's proportions.
        const PaperMm& paper = Paper(nPaper);
        const double dWide = nOrientation == 2 ? paper.dLong : paper.dShort;
        const double dHigh = nOrientation == 2 ? paper.dShort : paper.dLong;
        EXPECT_NEAR(View().m_physWidth * dHigh, View().m_physHeight * dWide,
                    View().m_physHeight * 2.0);
        if (!c.bOK)
            EXPECT_EQ(View().m_physWidth, nWidthBefore);
    }
}

TEST_F(PrintCommandTest, DocumentOfTheSecondPrinterIsShownOnItAndTheDefaultStays) {
    const CString strDevice = SystemDevice();
    Doc().m_strPrinter = kSecond;
    Doc().m_nOrientation = 1;
    Doc().m_nPaperSize = 5;
    View().OnInitialUpdate();
    EXPECT_EQ(SystemDevice(), strDevice);
    EXPECT_EQ(View().m_printer.GetPrintDialog()->GetDeviceName(), kSecond);
    EXPECT_EQ(theApp.m_strPrinter, kSecond);
    EXPECT_EQ(Frame().GetStatusText(1), kSecond);
    EXPECT_EQ(Ini(kSecond, "Paper Size"), "5");
    EXPECT_NEAR(View().m_physWidth * 355.6, View().m_physHeight * 215.9, View().m_physHeight);
}

TEST_F(PrintCommandTest, PrinterNamesOfTheDocument) {
    const CString strLong(std::string(5000, 'P').c_str());
    struct Case {
        CString strName;
        const char* pszShown; // null: no message
    } const cases[] = {
        {"", nullptr}, // an empty file names none: the current printer, silently
        {"Almanark Gone Printer", "Almanark Gone Printer"},
        {strLong, nullptr},
    };
    for (const Case& c : cases) {
        Back();
        SCOPED_TRACE(c.strName.Left(40));
        Doc().m_strPrinter = c.strName;
        CScopedAnswers answers;
        View().m_printer.EnsureDocumentPrinter();
        EXPECT_EQ(theApp.m_strPrinter, m_strDefault);
        EXPECT_EQ(Doc().m_strPrinter, c.strName.IsEmpty() ? m_strDefault : c.strName);
        if (c.strName.IsEmpty()) {
            EXPECT_TRUE(answers.Asked().empty());
            continue;
        }
        ASSERT_EQ(answers.Messages().size(), 1u);
        const CString strMessage = answers.Messages()[0];
        const CString strBefore = "The document was last saved with the following printer:\n\n";
        const CString strAfter =
            "\n\nwhich is not available.  The current printer will be used instead.";
        if (c.pszShown) {
            EXPECT_EQ(strMessage, strBefore + c.pszShown + strAfter);
            continue;
        }
        // The message box keeps to the screen: the name's middle gives way.
        EXPECT_EQ(0, strMessage.Find(strBefore + "PPPP"));
        EXPECT_EQ(strMessage.GetLength() - strAfter.GetLength() - 1,
                  strMessage.Find("P" + strAfter));
        EXPECT_NE(-1, strMessage.Find("P...P"));
        EXPECT_LT(strMessage.GetLength(), 400);
    }
}

TEST_F(PrintCommandTest, SettingsOfAnotherDriverAreReportedAndLeftOut) {
    struct Case {
        short nOrientation, nPaper, nColor;
        const char* pszNamed;
    } const cases[] = {
        {7, 9, 1, "orientation 7"},
        {2, 0, 1, "paper size 0"},
        {2, 30000, 1, "paper size 30000"},
        {2, 9, -1, "colour -1"},
    };
    for (const Case& c : cases) {
        Back();
        SCOPED_TRACE(c.pszNamed);
        const CString strIni = ReadWholeFile(theApp.m_pszProfileName);
        Doc().m_nOrientation = c.nOrientation;
        Doc().m_nPaperSize = c.nPaper;
        Doc().m_nPrintColor = c.nColor;
        CScopedAnswers answers;
        EXPECT_EQ(View().m_printer.SyncPrinterSettings(false), 0);
        ASSERT_EQ(answers.Messages().size(), 1u);
        EXPECT_NE(answers.Messages()[0].Find(c.pszNamed), -1) << answers.Messages()[0];
        EXPECT_EQ(theApp.m_nOrientation, 2);
        EXPECT_EQ(theApp.m_nPaperSize, 9);
        EXPECT_EQ(theApp.m_nPrintColor, 1);
        EXPECT_EQ(ReadWholeFile(theApp.m_pszProfileName), strIni);
        EXPECT_EQ(Doc().m_nOrientation, c.nOrientation);
        EXPECT_EQ(Doc().m_nPaperSize, c.nPaper);
        EXPECT_EQ(Doc().m_nPrintColor, c.nColor);
        EXPECT_FALSE(Doc().IsModified());
        Doc().m_nOrientation = 2;
        Doc().m_nPaperSize = 9;
        Doc().m_nPrintColor = 1;
    }
}

TEST_F(PrintCommandTest, VanishedPrinterPrintsNothingAndSaysSo) {
    theApp.m_strPrinter = "Almanark Vanished Printer";
    CScopedAnswers answers;
    EXPECT_EQ(View().DoFilePrint(true), CView::printCancelled);
    ASSERT_EQ(answers.Messages().size(), 1u);
    EXPECT_EQ(
        answers.Messages()[0],
        "The printer\n\nAlmanark Vanished Printer\n\nis not available.  Nothing was printed.");
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_TRUE(Shown(Frame().m_wndPanelBar));
}

TEST_F(PrintCommandTest, PreviewStandsInForTheViewWithoutThePanel) {
    CMainFrame& frame = Frame();
    ASSERT_TRUE(Shown(frame.m_wndPanelBar));
    ASSERT_TRUE(View().DoPrintPreview());
    CPreviewView* pPreview = frame.GetPreview();
    ASSERT_NE(pPreview, nullptr);
    EXPECT_FALSE(View().DoPrintPreview()); // one at a time
    EXPECT_FALSE(Shown(frame.m_wndPanelBar));
    EXPECT_FALSE(Shown(View()));
    EXPECT_TRUE(Shown(*pPreview));
    EXPECT_EQ(pPreview->GetWindowRect().Width(), frame.GetClientRect().Width());

    // One page at the printer's proportions, drawn as on paper.
    const CRect rcPage = pPreview->PageRect();
    EXPECT_NEAR(rcPage.Width() * (double)View().m_physHeight,
                rcPage.Height() * (double)View().m_physWidth, View().m_physHeight);
    const CRect rcClient = pPreview->GetClientRect();
    CPaintedPage page(rcClient.Width(), rcClient.Height());
    pPreview->DrawPreview(page.Dc());
    Keep(page, "preview");
    CRect rcInside = rcPage;
    rcInside.DeflateRect(1, 1);
    EXPECT_EQ(page.CountOf(rcInside, kYellow), 0);
    EXPECT_EQ(page.CountOf(rcInside, kSurroundGrey), 0);
    EXPECT_GT(page.CountOf(rcInside, RGB(0, 0, 0)), rcPage.Width()); // the grid

    // Scroll bars come with a zoom that needs them; their ends show the
    // page's margins, and the zoom keeps doubling the whole page.
    const auto bars = [&] {
        return ::GetWindowLongA(*pPreview, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL);
    };
    EXPECT_EQ(bars(), 0);
    pPreview->SetZoom(1);
    EXPECT_NEAR(pPreview->PageRect().Width(), 2 * rcPage.Width(), 2);
    pPreview->SetZoom(2);
    EXPECT_NEAR(pPreview->PageRect().Width(), 4 * rcPage.Width(), 4);
    EXPECT_EQ(bars(), WS_HSCROLL | WS_VSCROLL);
    pPreview->SendMessage(WM_KEYDOWN, VK_HOME);
    const int nTopMargin = pPreview->PageRect().top - pPreview->PageArea().top;
    pPreview->SendMessage(WM_KEYDOWN, VK_END);
    EXPECT_EQ(pPreview->PageArea().bottom - pPreview->PageRect().bottom, nTopMargin);
    pPreview->SetZoom(0);
    EXPECT_EQ(pPreview->PageRect(), rcPage);
    EXPECT_EQ(bars(), 0);

    pPreview->SendMessage(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(frame.GetPreview(), nullptr);
    EXPECT_TRUE(Shown(frame.m_wndPanelBar));
    EXPECT_TRUE(Shown(View()));
}

TEST_F(PrintCommandTest, PreviewsPrintButtonAndMenuCommandsGiveTheViewBack) {
    CMainFrame& frame = Frame();
    ASSERT_TRUE(View().DoPrintPreview());
    CScopedAnswers answers;
    answers.OnDialog([](CModalRequest&) { return 0; }); // Cancel
    frame.SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    EXPECT_NE(frame.GetPreview(), nullptr);
    frame.SendMessage(WM_COMMAND, ID_FILE_PRINT_SETUP);
    EXPECT_EQ(frame.GetPreview(), nullptr);
    ASSERT_EQ(answers.Asked().size(), 1u);
    EXPECT_EQ(answers.Asked()[0].kind, CModalRequest::printSetup);

    ASSERT_TRUE(View().DoPrintPreview());
    CPreviewView* pPreview = frame.GetPreview();
    pPreview->SendMessage(WM_COMMAND, MAKEWPARAM(CPreviewView::kPrint, BN_CLICKED),
                          (LPARAM)pPreview->GetDlgItem(CPreviewView::kPrint));
    EXPECT_EQ(frame.GetPreview(), nullptr);
    PumpMessages();
    ASSERT_EQ(answers.Asked().size(), 2u);
    EXPECT_EQ(answers.Asked()[1].kind, CModalRequest::print);
    EXPECT_TRUE(Shown(frame.m_wndPanelBar));
}

// Run by tests/e2e/print_refused.sh with a queue that refuses every job.
TEST_F(PrintCommandTest, RefusedJobIsReportedAndChangesNothing) {
    const char* pszQueue = getenv("ALMANARK_REFUSING_PRINTER");
    if (!pszQueue || !*pszQueue)
        GTEST_SKIP() << "prints only for tests/e2e/print_refused.sh";
    Doc().m_strPrinter = pszQueue;
    View().m_printer.EnsureDocumentPrinter();
    ASSERT_EQ(theApp.m_strPrinter, pszQueue);
    Doc().SetModifiedFlag(false);
    CScopedAnswers answers;
    View().OnFilePrintDirect();
    ASSERT_EQ(answers.Messages().size(), 1u);
    EXPECT_EQ(answers.Messages()[0], "The calendar could not be printed.");
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_EQ(Doc().m_strPrinter, pszQueue);
}
