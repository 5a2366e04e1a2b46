// A run of months from one month calendar: the page range the print dialog
// offers, one job of one page per month through the print loop, preview
// that steps through the pages, and the open calendar untouched by it all.
// Save as Picture of the page: its size, its refusals, its file.
#include "ViewFixture.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/Dialog.h"
#include "framework/PreviewView.h"
#include "image/Dib.h"
#include "image/PictureDecoder.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"
#include "view/PictureExport.h"

namespace {
// Answers the print dialog with its printer as it stands and the pages
// nFrom .. nTo (0: "All"); keeps what the dialog was offered.
std::function<int(CModalRequest&)> ChoosePages(int nFrom, int nTo, PRINTDLGA* pOffered) {
    return [=](CModalRequest& request) {
        auto* pPd = static_cast<PRINTDLGA*>(request.pStruct);
        *pOffered = *pPd;
        pPd->Flags &= ~(PD_PAGENUMS | PD_ALLPAGES);
        pPd->Flags |= nFrom ? PD_PAGENUMS : PD_ALLPAGES;
        pPd->nFromPage = (WORD)nFrom;
        pPd->nToPage = (WORD)nTo;
        return 1;
    };
}

CString Seed(const char* pszName) {
    return CString("Z:") + ALMANARK_SOURCE_DIR + "/fuzz/fuzz_document/seeds/" + pszName;
}

int CountOf(const CString& strText, const char* pszWord) {
    int nCount = 0;
    for (int nAt = strText.Find(pszWord); nAt >= 0; nAt = strText.Find(pszWord, nAt + 1))
        ++nCount;
    return nCount;
}
} // namespace

class PrintRunTest : public CViewTest {
protected:
    void TearDown() override {
        View().ClosePrintPreview();
        Doc().SetModifiedFlag(false);
        CViewTest::TearDown();
    }
    // Runs File Print with the pages chosen; what the dialog was offered.
    PRINTDLGA PrintPages(int nFrom, int nTo, CView::PrintResult* pResult = nullptr) {
        PRINTDLGA offered = {};
        CScopedAnswers answers;
        answers.OnDialog(ChoosePages(nFrom, nTo, &offered));
        EXPECT_TRUE(View().m_printer.RunPrintDialog(false));
        // The spooler writes over a file without shortening it.
        ::DeleteFileA(m_dir.File("job.ps"));
        const CView::PrintResult result = View().DoFilePrint(false, m_dir.File("job.ps"));
        if (pResult)
            *pResult = result;
        return offered;
    }
    CTempDir m_dir;
};

TEST_F(PrintRunTest, OneJobHoldsOnePagePerMonthAndLeavesTheCalendarAsItWas) {
    theApp.m_strAllEvents = "May 05\tCinco de Mayo\r\nJun 14\tFlag Day\r\n";
    int c = 0, r = 0;
    MayBox(12, c, r);
    Doc().SetNote("12\r\nDentist at nine", c, r);
    View().m_selDay = 12;
    Paint(700, 500); // the screen's paint keeps the captions and the selection
    const CString strNote = Doc().GetNote(c, r);
    int c5 = 0, r5 = 0;
    MayBox(5, c5, r5);
    const CString strCaption = theApp.m_strEventText[c5][r5];
    ASSERT_FALSE(strCaption.IsEmpty());
    const int nSelCol = View().m_selCol, nSelRow = View().m_selRow;
    Doc().SetModifiedFlag(false);

    struct Case {
        int nFrom, nTo;
        int nPages;
    } const cases[] = {{1, 12, 12}, {3, 4, 2}, {0, 0, 1}, {12, 12, 1}};
    for (const Case& cs : cases) {
        SCOPED_TRACE(testing::Message() << "pages " << cs.nFrom << "-" << cs.nTo);
        CView::PrintResult result = CView::printFailed;
        const PRINTDLGA offered = PrintPages(cs.nFrom, cs.nTo, &result);
        // A month calendar offers twelve pages, "All" chosen unless told.
        EXPECT_FALSE(offered.Flags & PD_NOPAGENUMS);
        EXPECT_EQ(offered.nMinPage, 1);
        EXPECT_EQ(offered.nMaxPage, 12);
        ASSERT_EQ(result, CView::printDone);
        const CString strJob = ReadWholeFile(m_dir.File("job.ps"));
        EXPECT_EQ(CountOf(strJob, "%%Page: "), cs.nPages);
        EXPECT_EQ(CountOf(strJob, "%%EOF"), 1); // one job
    }
    EXPECT_EQ(Doc().GetNote(c, r), strNote);
    EXPECT_EQ(theApp.m_strEventText[c5][r5], strCaption);
    EXPECT_EQ(View().m_selCol, nSelCol);
    EXPECT_EQ(View().m_selRow, nSelRow);
    EXPECT_EQ(Doc().m_nMonth, 5);
    EXPECT_FALSE(Doc().IsModified());

    // A year calendar is one page and offers no range.
    Doc().m_bYearDoc = 1;
    const PRINTDLGA offered = PrintPages(0, 0);
    EXPECT_TRUE(offered.Flags & PD_NOPAGENUMS);
    EXPECT_EQ(CountOf(ReadWholeFile(m_dir.File("job.ps")), "%%Page: "), 1);
    // Printing from the shell prints the calendar's page alone, whatever was chosen.
    Doc().m_bYearDoc = 0;
    PrintPages(1, 5);
    ASSERT_EQ(View().DoFilePrint(true, m_dir.File("shell.ps")), CView::printDone);
    EXPECT_EQ(CountOf(ReadWholeFile(m_dir.File("shell.ps")), "%%Page: "), 1);
}

TEST_F(PrintRunTest, PreviewStepsThroughTheChosenPages) {
    CMainFrame& frame = Frame();
    // "All": one page and no page buttons, as ever.
    PrintPages(0, 0);
    ASSERT_TRUE(View().DoPrintPreview());
    EXPECT_EQ(frame.GetPreview()->GetDlgItem(CPreviewView::kNextPage), nullptr);
    View().ClosePrintPreview();

    PrintPages(1, 3);
    ASSERT_TRUE(View().DoPrintPreview());
    CPreviewView& preview = *frame.GetPreview();
    const HWND hNext = preview.GetDlgItem(CPreviewView::kNextPage);
    const HWND hPrev = preview.GetDlgItem(CPreviewView::kPrevPage);
    ASSERT_NE(hNext, nullptr);
    const CRect rcClient = preview.GetClientRect();
    std::vector<std::unique_ptr<CPaintedPage>> pages;
    for (int nPage = 1; nPage <= 3; ++nPage) {
        EXPECT_EQ(preview.Info().m_nCurPage, (UINT)nPage);
        EXPECT_EQ(::IsWindowEnabled(hPrev) != 0, nPage > 1) << nPage;
        EXPECT_EQ(::IsWindowEnabled(hNext) != 0, nPage < 3) << nPage;
        pages.push_back(std::make_unique<CPaintedPage>(rcClient.Width(), rcClient.Height()));
        preview.DrawPreview(pages.back()->Dc());
        Keep(*pages.back(), ("preview-page-" + CString::FromInt(nPage)).c_str());
        preview.SendMessage(WM_COMMAND, MAKEWPARAM(CPreviewView::kNextPage, BN_CLICKED),
                            (LPARAM)hNext);
    }
    EXPECT_EQ(preview.Info().m_nCurPage, 3u); // no page past the last
    // May, June and July 1999 begin on other weekdays: the pages differ.
    EXPECT_FALSE(pages[0]->SamePixels(*pages[1]));
    EXPECT_FALSE(pages[1]->SamePixels(*pages[2]));
    preview.SendMessage(WM_COMMAND, MAKEWPARAM(CPreviewView::kPrevPage, BN_CLICKED), (LPARAM)hPrev);
    EXPECT_EQ(preview.Info().m_nCurPage, 2u);
    View().ClosePrintPreview();
    EXPECT_EQ(Doc().m_nMonth, 5);
}

TEST_F(PrintRunTest, SeveralCalendarsPrintAsOneJobAndTheOpenOneStaysAsItWas) {
    theApp.m_strAllEvents = "May 05\tCinco de Mayo\r\n";
    theApp.m_crTitleColor = RGB(1, 2, 3);
    const CString strFace = theApp.m_strTitleFont;
    theApp.m_strTitleFont = "Liberation Serif";
    theApp.m_nDaySwap = 2;
    int c = 0, r = 0;
    MayBox(12, c, r);
    Doc().SetNote("12\r\nDentist at nine", c, r);
    Doc().m_strTitle = "Open one";
    Paint(700, 500);
    Doc().SetModifiedFlag(false);
    const CString strNote = Doc().GetNote(c, r), strCaptions = theApp.m_strEventText[3][1];
    ASSERT_FALSE(strCaptions.IsEmpty()); // May 5th, a Wednesday
    const int nWidth = View().m_physWidth, nHeight = View().m_physHeight;
    const CString strBroken = m_dir.File("broken.kal"), strMissing = m_dir.File("missing.kal");
    ASSERT_TRUE(WriteWholeFile(strBroken, "not a calendar"));

    struct Case {
        std::vector<CString> paths;
        int nPages; // 0: no job at all
        CString strMessage;
    } const cases[] = {
        {{Seed("styled.kal"), strBroken, Seed("july.kal"), strMissing, Seed("year.kal")},
         3,
         "These calendars could not be opened and were not printed:\n\n" + strBroken + "\n" +
             strMissing},
        {{Seed("july.kal")}, 1, ""},
        {{strBroken},
         0,
         "These calendars could not be opened and were not printed:\n\n" + strBroken},
    };
    for (const Case& cs : cases) {
        SCOPED_TRACE(cs.nPages);
        const CString strOutput = m_dir.File("several.ps");
        ::DeleteFileA(strOutput);
        CScopedAnswers answers;
        View().PrintSeveral(cs.paths, strOutput);
        ASSERT_EQ(answers.Messages().size(), cs.strMessage.IsEmpty() ? 0u : 1u);
        if (!cs.strMessage.IsEmpty())
            EXPECT_EQ(answers.Messages()[0], cs.strMessage);
        EXPECT_EQ(CountOf(ReadWholeFile(strOutput), "%%Page: "), cs.nPages);
        // Nothing of the open calendar, its look or the program's state changed.
        EXPECT_EQ(theApp.m_pDoc, &Doc());
        EXPECT_EQ(Doc().GetNote(c, r), strNote);
        EXPECT_EQ(Doc().m_strTitle, "Open one");
        EXPECT_EQ(Doc().m_nMonth, 5);
        EXPECT_FALSE(Doc().IsModified());
        EXPECT_EQ(theApp.m_strEventText[3][1], strCaptions);
        EXPECT_EQ(theApp.m_crTitleColor, RGB(1, 2, 3));
        EXPECT_EQ(theApp.m_strTitleFont, "Liberation Serif");
        EXPECT_EQ(theApp.m_nDaySwap, 2);
        EXPECT_EQ(View().m_physWidth, nWidth);
        EXPECT_EQ(View().m_physHeight, nHeight);
    }
    theApp.m_strTitleFont = strFace;
}

TEST_F(PrintRunTest, SaveAsPictureWritesThePageAtItsResolutionOrRefuses) {
    CPictureExport picture(View());
    const CSize size150 = picture.PixelSize(150), size300 = picture.PixelSize(300);
    ASSERT_GT(size150.cx, 0);
    EXPECT_NEAR(size300.cx, 2 * size150.cx, 1);
    EXPECT_NEAR(size300.cy, 2 * size150.cy, 1);
    // The paper's inches times the resolution.
    const CPrintDialog* pDlg = View().m_printer.GetPrintDialog();
    const int nDpi = ::GetDeviceCaps(pDlg->GetPrinterDC(), LOGPIXELSX);
    EXPECT_NEAR(size300.cx, View().m_physWidth * 300.0 / nDpi, 1);
    // The common papers in landscape, to the pixel, whatever the driver rounds.
    DEVMODEA* pDevMode = pDlg->GetDevMode();
    const short nPaper = pDevMode->dmPaperSize;
    for (const auto& paper : {std::make_pair(DMPAPER_A4, CSize(3508, 2480)),
                              std::make_pair(DMPAPER_LETTER, CSize(3300, 2550))}) {
        pDevMode->dmPaperSize = paper.first;
        EXPECT_EQ(picture.PixelSize(300), paper.second) << paper.first;
    }
    pDevMode->dmPaperSize = nPaper;

    struct Case {
        const char* pszName;
        int nDpi;
    } const cases[] = {{"page.png", 150}, {"page.jpg", 150}, {"page.tif", 150}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CScopedAnswers answers;
        ASSERT_TRUE(picture.Save(m_dir.File(c.pszName), c.nDpi));
        EXPECT_TRUE(answers.Messages().empty());
        EXPECT_FALSE(FileExistsOnDisk(m_dir.File(c.pszName) + ".tmp"));
        CDib dib;
        ASSERT_TRUE(CPictureDecoder::Load(dib, m_dir.File(c.pszName)));
        EXPECT_EQ(dib.GetSize(), size150);
    }

    // Past 100 MB of pixels, and into a folder that is not there: a message
    // and no file.
    // Legal at 600 dpi is 5100 x 8400 pixels, 128 MB.
    pDevMode->dmPaperSize = DMPAPER_LEGAL;
    {
        CScopedAnswers answers;
        EXPECT_FALSE(picture.Save(m_dir.File("huge.png"), 600));
        ASSERT_EQ(answers.Messages().size(), 1u);
        EXPECT_GE(answers.Messages()[0].Find("more than 100 MB"), 0);
    }
    pDevMode->dmPaperSize = nPaper;
    EXPECT_FALSE(FileExistsOnDisk(m_dir.File("huge.png")));
    CScopedAnswers answers;
    const CString strMissing = m_dir.File("missing\\page.png");
    EXPECT_FALSE(picture.Save(strMissing, 150));
    ASSERT_EQ(answers.Messages().size(), 1u);
    EXPECT_EQ(answers.Messages()[0], "The picture could not be saved as\n\n" + strMissing);
}

TEST_F(PrintRunTest, SaveAsPictureAsksTheResolutionThenTheNameAndType) {
    CPictureExport picture(View());
    const CSize size150 = picture.PixelSize(150);
    CString strShown;
    CScopedAnswers answers;
    answers.OnDialog([&](CModalRequest& request) {
        if (request.kind == CModalRequest::dialog) {
            auto* pDlg = static_cast<CDialog*>(request.pStruct);
            EXPECT_EQ(pDlg->GetTemplateID(), (UINT)IDD_SAVE_PICTURE);
            EXPECT_TRUE(pDlg->IsDlgButtonChecked(IDC_PICTURE_300DPI)); // the default
            pDlg->CheckRadioButton(IDC_PICTURE_150DPI, IDC_PICTURE_600DPI, IDC_PICTURE_150DPI);
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PICTURE_150DPI, BN_CLICKED),
                              (LPARAM)pDlg->GetDlgItem(IDC_PICTURE_150DPI));
            strShown = pDlg->GetDlgItemText(IDC_PICTURE_SIZE);
            return IDOK;
        }
        EXPECT_EQ(request.kind, CModalRequest::fileSave);
        auto* pOfn = static_cast<OPENFILENAMEA*>(request.pStruct);
        EXPECT_EQ(CString(pOfn->lpstrFile).Right(4), ".png");
        // A name without an extension, the JPEG type chosen.
        lstrcpynA(pOfn->lpstrFile, m_dir.File("chosen"), pOfn->nMaxFile);
        pOfn->nFilterIndex = 2;
        return 1;
    });
    View().OnCmdMsg(ID_FILE_SAVE_PICTURE, 0);
    EXPECT_EQ(answers.Asked().size(), 2u);
    EXPECT_EQ(strShown,
              CString::FromInt(size150.cx) + " x " + CString::FromInt(size150.cy) + " pixels");
    CDib dib;
    ASSERT_TRUE(CPictureDecoder::Load(dib, m_dir.File("chosen.jpg")));
    EXPECT_EQ(dib.GetSize(), size150);
}
