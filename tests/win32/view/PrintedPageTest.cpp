// A month page printed on the default printer. Run by tests/e2e/print_month.sh,
// which names the job and reads the printed file back: ALMANARK_PRINT_JOB is
// the job's name, ALMANARK_PRINT_LAYOUT a file that receives where the grid
// lines must stand.
#include "ViewFixture.h"

#include <cstdio>
#include <cstdlib>

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "view/AlmanarkView.h"
#include "view/CalendarBox.h"

namespace {
CString Env(const char* pszName) {
    const char* psz = getenv(pszName);
    return psz ? psz : "";
}

// Paper size and printable origin, then the left edges of the columns and
// the top edges of the rows, in printer units from the paper's corner.
bool WriteLayout(const char* pszPath, const CAlmanarkView& view) {
    FILE* f = fopen(pszPath, "w");
    if (!f)
        return false;
    fprintf(f, "paper %d %d\n", view.m_physWidth, view.m_physHeight);
    fprintf(f, "columns");
    for (int c = 0; c < 7; ++c)
        fprintf(f, " %d", view.m_offsetX + view.m_boxRects[CMonthLayout::BoxIndex(c, 0)].left);
    fprintf(f, "\nrows");
    for (int r = 0; r < 6; ++r)
        fprintf(f, " %d", view.m_offsetY + view.m_boxRects[CMonthLayout::BoxIndex(0, r)].top);
    fprintf(f, "\n");
    return fclose(f) == 0;
}
} // namespace

class PrintedPageTest : public CViewTest {};

TEST_F(PrintedPageTest, MonthPageGoesToThePrinter) {
    const CString strJob = Env("ALMANARK_PRINT_JOB");
    const CString strLayout = Env("ALMANARK_PRINT_LAYOUT");
    if (strJob.IsEmpty() || strLayout.IsEmpty())
        GTEST_SKIP() << "prints only for tests/e2e/print_month.sh";
    theApp.m_strAllEvents = "May-Mon #L\tMemorial Day\r\nMay 05\tCinco de Mayo\r\n";
    Frame().m_wndStylePage.m_editTitle.SetWindowText("Family Calendar");
    int c = 0, r = 0;
    MayBox(12, c, r);
    Doc().SetNote("12\r\nDentist at nine", c, r);
    View().m_selDay = 12;
    Doc().SetTitle(strJob);
    ASSERT_EQ(View().DoFilePrint(true), CView::printDone);
    ASSERT_TRUE(WriteLayout(strLayout, View()));
    EXPECT_EQ(theApp.m_strEventText[1][5], "\r\nMemorial Day\r\n");
}
