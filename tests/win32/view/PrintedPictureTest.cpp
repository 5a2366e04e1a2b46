// Pages with the picture, small and large, and a year page printed on the
// default printer.
// Run by tests/e2e/print_picture.sh, which reads the printed files back;
// ALMANARK_PRINT_JOB is the start of the three jobs' names.
#include "ViewFixture.h"

#include <cstdlib>

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "view/AlmanarkView.h"
#include "common/SampleDocument.h"

class PrintedPictureTest : public CViewTest {
protected:
    void TearDown() override {
        Doc().m_dib.Clear();
        Doc().m_bHasImage = Doc().m_bYearDoc = Doc().m_bImageShowsThrough = 0;
        Frame().m_wndCalendarPage.m_nArrangeCols = 3;
        Frame().m_wndCalendarPage.m_nArrangeRows = 4;
        CViewTest::TearDown();
    }
};

namespace {
// A red picture of cx x cy pixels for the document.
void AttachRed(CDib& dib, int cx, int cy) {
    ASSERT_TRUE(AttachSamplePicture(dib, cx, cy, [](int, int) { return kRed; }));
}
} // namespace

TEST_F(PrintedPictureTest, PictureUnderTheCalendarAndYearPage) {
    const char* pszJob = getenv("ALMANARK_PRINT_JOB");
    if (!pszJob || !*pszJob)
        GTEST_SKIP() << "prints only for tests/e2e/print_picture.sh";
    const CString strJob = pszJob;
    // Red in the middle of the sheet, under the calendar that fills the
    // printable area.
    AttachRed(Doc().m_dib, 2, 1);
    Doc().m_bHasImage = 1;
    Doc().m_dImgLeft = Doc().m_dImgTop = 0.2;
    Doc().m_dImgRight = Doc().m_dImgBottom = 0.8;

    Doc().SetTitle(strJob + "-hidden");
    ASSERT_EQ(View().DoFilePrint(true), CView::printDone);
    Doc().m_bImageShowsThrough = 1;
    Doc().SetTitle(strJob + "-through");
    ASSERT_EQ(View().DoFilePrint(true), CView::printDone);
    // Larger than its place on paper: the printer gets a reduced copy,
    // which a PostScript printer is sent encoded by the program.
    AttachRed(Doc().m_dib, 2000, 2800);
    Doc().SetTitle(strJob + "-large");
    ASSERT_EQ(View().DoFilePrint(true), CView::printDone);

    Doc().m_bHasImage = 0;
    Doc().m_bYearDoc = 1;
    Frame().m_wndCalendarPage.m_nArrangeCols = 6;
    Frame().m_wndCalendarPage.m_nArrangeRows = 2;
    Doc().SetTitle(strJob + "-year");
    ASSERT_EQ(View().DoFilePrint(true), CView::printDone);
}
