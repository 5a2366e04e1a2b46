// The day boxes: the stored form of their texts, day numbers, notes that
// shrink and overflow, the selection, and the note editor.
#include "ViewFixture.h"

#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "view/AlmanarkView.h"

namespace {
bool IsInk(COLORREF cr) {
    return cr != kWhite;
}

CRect MarkEdge(const CRect& rcBox) {
    // The left stroke of the 2-unit frame drawn inside the box.
    return CRect(rcBox.left + 1, rcBox.top + 6, rcBox.left + 3, rcBox.bottom - 6);
}
} // namespace

class DayBoxTest : public CViewTest {};

TEST_F(DayBoxTest, TextsAreStoredAsDayNumberLineBreakNote) {
    int c = 0, r = 0;
    MayBox(5, c, r);
    Doc().SetNote("5", c, r);
    MayBox(6, c, r);
    Doc().SetNote("\t6\r\nDentist", c, r);
    MayBox(7, c, r);
    Doc().SetNote("Lunch", c, r);
    MayBox(8, c, r);
    Doc().SetNote("8\r\nTwo\r\nlines", c, r);
    Doc().SetNote("left over", 0, 0); // a box without a day this month
    Paint(900, 1000);
    MayBox(5, c, r);
    EXPECT_EQ(Doc().GetNote(c, r), "5\r\n");
    MayBox(6, c, r);
    EXPECT_EQ(Doc().GetNote(c, r), "6\r\nDentist");
    MayBox(7, c, r);
    EXPECT_EQ(Doc().GetNote(c, r), "7\r\nLunch");
    MayBox(8, c, r);
    EXPECT_EQ(Doc().GetNote(c, r), "8\r\nTwo\r\nlines");
    MayBox(1, c, r);
    EXPECT_EQ(Doc().GetNote(c, r), "1\r\n");
    EXPECT_EQ(Doc().GetNote(0, 0), "left over");
    // Normalising alone does not make the document modified.
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(DayBoxTest, DayNumberStandsLeftOrRight) {
    int c = 0, r = 0;
    MayBox(31, c, r);
    auto left = Paint(900, 1000);
    const CRect rcBox = View().m_boxRects[CMonthLayout::BoxIndex(c, r)];
    const int nThird = rcBox.Width() / 3;
    const CRect rcTopLeft(rcBox.left + 3, rcBox.top + 3, rcBox.left + nThird,
                          rcBox.top + rcBox.Height() / 3);
    const CRect rcTopRight(rcBox.right - nThird, rcBox.top + 3, rcBox.right - 3,
                           rcBox.top + rcBox.Height() / 3);
    EXPECT_GT(left->Count(rcTopLeft, IsInk), 10);
    EXPECT_EQ(left->Count(rcTopRight, IsInk), 0);
    theApp.m_nDaySwap = 2;
    auto right = Paint(900, 1000);
    EXPECT_EQ(right->Count(rcTopLeft, IsInk), 0);
    EXPECT_GT(right->Count(rcTopRight, IsInk), 10);
}

TEST_F(DayBoxTest, LongNoteOverflowsWithMagentaFrameShortOneDoesNot) {
    int cLong = 0, rLong = 0, cShort = 0, rShort = 0;
    MayBox(12, cLong, rLong);
    MayBox(13, cShort, rShort);
    Doc().SetNote("12\r\n" + CString('W', 600), cLong, rLong);
    Doc().SetNote("13\r\nShort", cShort, rShort);
    View().m_selDay = 20;
    auto page = Paint(900, 1000);
    Keep(*page, "overflow");
    const CRect rcLong = View().m_boxRects[CMonthLayout::BoxIndex(cLong, rLong)];
    const CRect rcShort = View().m_boxRects[CMonthLayout::BoxIndex(cShort, rShort)];
    EXPECT_GT(page->CountOf(MarkEdge(rcLong), kMagenta), 10);
    EXPECT_EQ(page->CountOf(MarkEdge(rcShort), kMagenta), 0);
    EXPECT_GT(page->Count(rcShort, IsInk), 0);
    EXPECT_EQ(page->Count(MarkEdge(rcShort), [](COLORREF cr) { return cr == kBlue || cr == kRed; }),
              0);
}

// Notes heights of the last box drawn (31 May): start and floor.
class NoteSizeTest : public DayBoxTest {
protected:
    void LastBoxHeights(int& nStart, int& nFloor) {
        int c = 0, r = 0;
        MayBox(31, c, r);
        const CRect rc = View().m_boxRects[CMonthLayout::BoxIndex(c, r)];
        const int w = rc.Width() - 2 * (int)(0.07 * rc.Width());
        const int h = rc.Height() - (int)(0.06 * rc.Height()) - (int)(0.02 * rc.Height());
        nFloor = std::min(w / 9, h / 9);
        nStart = w / 9 <= h / 9 ? w / 7 : h / 7;
    }
    void SetLastNote(const CString& strNote) {
        int c = 0, r = 0;
        MayBox(31, c, r);
        Doc().SetNote(strNote, c, r);
    }
};

TEST_F(NoteSizeTest, ShortNoteKeepsTheLargeSize) {
    SetLastNote("31\r\nTea");
    Paint(900, 1000);
    int nStart = 0, nFloor = 0;
    LastBoxHeights(nStart, nFloor);
    ASSERT_GT(nStart, nFloor);
    EXPECT_EQ(Doc().m_lfNotes.lfHeight, nStart);
    EXPECT_EQ(View().m_nOverflow, 0);
}

TEST_F(NoteSizeTest, LongNoteShrinksToTheFloorThenOverflows) {
    SetLastNote("31\r\n" + CString('W', 600));
    Paint(900, 1000);
    int nStart = 0, nFloor = 0;
    LastBoxHeights(nStart, nFloor);
    EXPECT_EQ(Doc().m_lfNotes.lfHeight, nFloor);
    EXPECT_EQ(View().m_nOverflow, 1);
}

TEST_F(NoteSizeTest, SmallNotesStayAtTheFloor) {
    theApp.m_nNoteSize = 0;
    SetLastNote("31\r\nTea");
    Paint(900, 1000);
    int nStart = 0, nFloor = 0;
    LastBoxHeights(nStart, nFloor);
    EXPECT_EQ(Doc().m_lfNotes.lfHeight, nFloor);
}

TEST_F(NoteSizeTest, PrinterFloorIsNineTenthsOfTheScreenFloor) {
    SetLastNote("31\r\n" + CString('W', 600));
    PaintAsPrinter();
    int nStart = 0, nFloor = 0;
    LastBoxHeights(nStart, nFloor);
    EXPECT_EQ(Doc().m_lfNotes.lfHeight, (int)(0.9 * nFloor));
}

TEST_F(DayBoxTest, SelectedBoxIsFramedBlueOrRedWhenItOverflows) {
    View().m_selDay = 20;
    auto page = Paint(900, 1000);
    int c = 0, r = 0;
    MayBox(20, c, r);
    EXPECT_EQ(View().m_selCol, c);
    EXPECT_EQ(View().m_selRow, r);
    const CRect rcBox = View().m_boxRects[CMonthLayout::BoxIndex(c, r)];
    EXPECT_GT(page->CountOf(MarkEdge(rcBox), kBlue), 10);

    Doc().SetNote("20\r\n" + CString('W', 600), c, r);
    View().m_selDay = 20;
    page = Paint(900, 1000);
    EXPECT_GT(page->CountOf(MarkEdge(rcBox), kRed), 10);
    EXPECT_EQ(page->CountOf(MarkEdge(rcBox), kBlue), 0);
}

TEST_F(DayBoxTest, NoteEditorGetsTheSelectedBoxWhenAsked) {
    int c = 0, r = 0;
    MayBox(3, c, r);
    Doc().SetNote("3\r\nDentist", c, r);
    View().m_selDay = 3;
    CEdit& edit = Frame().m_wndCalendarPage.m_editNote;
    edit.SetWindowText("old");
    Paint(900, 1000);
    EXPECT_EQ(edit.GetWindowText(), "old");
    View().m_nRefreshNote = 1;
    Paint(900, 1000);
    EXPECT_EQ(edit.GetWindowText(), "3\r\nDentist");
    EXPECT_EQ(View().m_nRefreshNote, 0);
    theApp.m_nDaySwap = 2;
    View().m_nRefreshNote = 1;
    Paint(900, 1000);
    EXPECT_EQ(edit.GetWindowText(), "\t3\r\nDentist");
}

TEST_F(DayBoxTest, LongNotesInEveryBoxAndManyEventsDrawAndKeepTheirText) {
    CString strNote;
    for (int i = 0; strNote.GetLength() < 120; ++i)
        strNote += "word" + CString::FromInt(i) + " ";
    strNote = strNote.Left(120);
    SetAllNotes(strNote);
    CString strEvents;
    for (int i = 0; i < 500; ++i)
        strEvents +=
            CString(i % 2 ? "May 15" : "Jun 01") + "\tEvent number " + CString::FromInt(i) + "\r\n";
    theApp.m_strAllEvents = strEvents;
    auto page = Paint(900, 1000);
    Keep(*page, "crowded");
    int c = 0, r = 0;
    MayBox(15, c, r);
    EXPECT_EQ(Doc().GetNote(c, r), "15\r\n" + strNote);
    EXPECT_EQ(theApp.m_strEventText[c][r].Left(17), "\r\nEvent number 1\r");
    EXPECT_GT(theApp.m_strEventText[c][r].GetLength(), 250 * 15);
    MayBox(16, c, r);
    EXPECT_EQ(theApp.m_strEventText[c][r], "");
    MayBox(15, c, r);
    EXPECT_GT(page->CountOf(MarkEdge(View().m_boxRects[CMonthLayout::BoxIndex(c, r)]), kMagenta),
              10);
    for (int d = 1; d <= 31; ++d) {
        MayBox(d, c, r);
        const CRect rc = View().m_boxRects[CMonthLayout::BoxIndex(c, r)];
        EXPECT_EQ(page->At(rc.left, (rc.top + rc.bottom) / 2), kGridGrey) << "day " << d;
        EXPECT_GT(page->Count(rc, IsInk), 100) << "day " << d;
    }
}
