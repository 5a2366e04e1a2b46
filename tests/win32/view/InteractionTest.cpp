// The view under real mouse and key messages: selection, the note editor,
// the pop-up, the hints, switching positioning and dragging the trackers.
// A drag's moves and button-up are posted before the button goes down, so
// the tracker's own loop finds them and ends by itself.
#include <cmath>

#include "ViewFixture.h"
#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "view/AlmanarkView.h"

namespace {
const int kCx = 900, kCy = 640;

LPARAM At(const POINT& pt) {
    return MAKELPARAM(pt.x, pt.y);
}

void SetShift(bool bDown) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = bDown ? 0x80 : 0;
    ::SetKeyboardState(keys);
}

bool Shown(HWND hWnd) {
    return (::GetWindowLongA(hWnd, GWL_STYLE) & WS_VISIBLE) != 0;
}
} // namespace

class CInteractionTest : public CViewTest {
protected:
    void SetUp() override {
        CViewTest::SetUp();
        Repaint();
        Doc().SetModifiedFlag(false);
    }
    void TearDown() override {
        View().KillTimer(1);
        SetShift(false);
        theApp.m_nDaySwap = 0;
        View().m_nNoteDirty = 0;
        Doc().SetModifiedFlag(false);
        CViewTest::TearDown();
    }
    void Repaint() { Paint(kCx, kCy); }
    CPoint DayPoint(int nDay) {
        int nCol = 0, nRow = 0;
        MayBox(nDay, nCol, nRow);
        return View().m_boxRects[CMonthLayout::BoxIndex(nCol, nRow)].CenterPoint();
    }
    bool Selected(int nDay) {
        int nCol = 0, nRow = 0;
        MayBox(nDay, nCol, nRow);
        return View().m_selCol == nCol && View().m_selRow == nRow;
    }
    void Click(const POINT& pt, UINT nMsg = WM_LBUTTONDOWN) {
        View().SendMessage(nMsg, MK_LBUTTON, At(pt));
    }
    void Key(UINT nVirtKey) { View().SendMessage(WM_KEYDOWN, nVirtKey, 0); }
    // Presses at ptFrom, moves through ptVia to ptTo and lets go there.
    void Drag(const POINT& ptFrom, const POINT& ptVia, const POINT& ptTo) {
        View().PostMessage(WM_MOUSEMOVE, MK_LBUTTON, At(ptVia));
        View().PostMessage(WM_MOUSEMOVE, MK_LBUTTON, At(ptTo));
        View().PostMessage(WM_LBUTTONUP, 0, At(ptTo));
        Click(ptFrom);
    }
    CRect CalendarOnScreen() {
        const CAlmanarkDoc& doc = Doc();
        return CRect((int)std::lround(doc.m_dCalLeft * View().m_pageWidth),
                     (int)std::lround(doc.m_dCalTop * View().m_pageHeight),
                     (int)std::lround(doc.m_dCalRight * View().m_pageWidth),
                     (int)std::lround(doc.m_dCalBottom * View().m_pageHeight));
    }
    // A picture (no pixels needed) at the given fractions.
    void PlacePicture(double l, double t, double r, double b) {
        Doc().m_bHasImage = 1;
        Doc().m_dImgLeft = l;
        Doc().m_dImgTop = t;
        Doc().m_dImgRight = r;
        Doc().m_dImgBottom = b;
        Repaint();
    }
    void PlaceCalendar(double l, double t, double r, double b) {
        Doc().m_dCalLeft = l;
        Doc().m_dCalTop = t;
        Doc().m_dCalRight = r;
        Doc().m_dCalBottom = b;
        Repaint();
    }
};

TEST_F(CInteractionTest, ClickAndKeysMoveTheSelectionAndFillTheNoteEditor) {
    Click(DayPoint(12));
    EXPECT_TRUE(Selected(12));
    EXPECT_EQ(0, View().m_selDay);
    Repaint();
    EXPECT_EQ("12\r\n", Frame().m_wndCalendarPage.m_editNote.GetWindowText());
    // The empty box before the 1st selects nothing.
    Click(View().m_boxRects[0].CenterPoint());
    EXPECT_TRUE(Selected(12));

    struct Step {
        UINT nKey;
        bool bShift;
        int nDay;
    } const steps[] = {{VK_RIGHT, false, 13}, {VK_LEFT, false, 12},  {VK_DOWN, false, 19},
                       {VK_UP, false, 12},    {VK_TAB, false, 15},   {VK_TAB, true, 9},
                       {VK_LEFT, false, 8},   {VK_RIGHT, false, 9},  {VK_HOME, false, 1},
                       {VK_END, false, 31},   {VK_RIGHT, false, 31}, {VK_F5, false, 31}};
    for (const Step& step : steps) {
        SCOPED_TRACE(testing::Message() << "key " << step.nKey << " to " << step.nDay);
        View().m_nRefreshNote = 0;
        SetShift(step.bShift);
        Key(step.nKey);
        SetShift(false);
        EXPECT_TRUE(Selected(step.nDay));
        EXPECT_EQ(step.nKey != VK_F5, View().m_nRefreshNote != 0);
        Repaint();
        EXPECT_EQ(CString::FromInt(step.nDay) + "\r\n",
                  Frame().m_wndCalendarPage.m_editNote.GetWindowText());
    }
}

TEST_F(CInteractionTest, TypingIsStoredWhenAnotherBoxIsSelected) {
    Click(DayPoint(12));
    Repaint();
    CEdit& note = Frame().m_wndCalendarPage.m_editNote;
    note.SetWindowText("12\r\nDentist");
    const CString strTyped = note.GetWindowText();
    View().m_nNoteDirty = 1;
    Click(DayPoint(20));
    int nCol = 0, nRow = 0;
    MayBox(12, nCol, nRow);
    EXPECT_NE(-1, strTyped.Find("Dentist"));
    EXPECT_EQ(strTyped, Doc().GetNote(nCol, nRow));
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(0, View().m_nNoteDirty);
    EXPECT_TRUE(Selected(20));
}

TEST_F(CInteractionTest, RightButtonShowsTheWholeTextWhileHeld) {
    int nCol = 0, nRow = 0;
    MayBox(14, nCol, nRow);
    Doc().SetNote("14\r\nA long note", nCol, nRow);
    theApp.m_strEventText[nCol][nRow] = "\r\nHoliday";
    theApp.m_nDaySwap = 2;
    CEdit& popup = Frame().m_wndCalendarPage.m_editFullText;
    View().SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, At(DayPoint(14)));
    EXPECT_TRUE(Shown(popup));
    EXPECT_EQ("\t14\r\nA long note\r\nHoliday", popup.GetWindowText());
    View().m_nRefreshNote = 0;
    View().SendMessage(WM_RBUTTONUP, 0, At(DayPoint(14)));
    EXPECT_FALSE(Shown(popup));
    EXPECT_NE(0, View().m_nRefreshNote);
    theApp.m_strEventText[nCol][nRow].Empty();
}

TEST_F(CInteractionTest, HintsInPaneZero) {
    PlaceCalendar(0.1, 0.1, 0.55, 0.9);
    PlacePicture(0.6, 0.3, 0.9, 0.6);
    const CRect rcPicture = View().m_imgTracker.m_rect;
    View().SendMessage(WM_MOUSEMOVE, 0, At(rcPicture.CenterPoint()));
    EXPECT_EQ("Double click graphic to position", Frame().GetStatusText(0));
    View().SendMessage(WM_MOUSEMOVE, 0, At(View().m_calTracker.m_rect.CenterPoint()));
    EXPECT_EQ("Double click calendar to position", Frame().GetStatusText(0));

    // The cursor off the page: after the timer the right-click hint, the pop-up hidden.
    Frame().m_wndCalendarPage.m_editFullText.ShowWindow(SW_SHOW);
    const CRect rcWindow = View().GetWindowRect();
    ::SetCursorPos(rcWindow.left + (int)View().m_pageWidth + 20, rcWindow.top + 5);
    View().SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ("Right click any Day Box to see all text", Frame().GetStatusText(0));
    EXPECT_FALSE(Shown(Frame().m_wndCalendarPage.m_editFullText));

    // While positioning no hint replaces the mode's.
    Frame().SetStatusText(0, "Position calendar");
    View().m_nCalPositioning = 1;
    View().SendMessage(WM_MOUSEMOVE, 0, At(rcPicture.CenterPoint()));
    View().SendMessage(WM_TIMER, 1, 0);
    EXPECT_EQ("Position calendar", Frame().GetStatusText(0));
}

TEST_F(CInteractionTest, DoubleClickSwitchesPositioningOnAndEscOff) {
    PlacePicture(0.3, 0.3, 0.6, 0.6); // over the calendar
    const CPoint ptBoth = View().m_imgTracker.m_rect.CenterPoint();
    Click(ptBoth, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(View().m_nCalPositioning && !View().m_nImgPositioning);

    View().m_nPictureFirst = 1;
    Click(ptBoth, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(View().m_nImgPositioning && !View().m_nCalPositioning);

    Key(VK_ESCAPE);
    EXPECT_FALSE(View().m_nImgPositioning || View().m_nCalPositioning);

    // Losing the focus ends calendar positioning.
    View().m_nCalPositioning = 1;
    View().SendMessage(WM_KILLFOCUS, 0, 0);
    EXPECT_EQ(0, View().m_nCalPositioning);
    // A click outside the tracker ends it too, without selecting.
    PlaceCalendar(0.1, 0.1, 0.55, 0.9);
    View().m_nCalPositioning = 1;
    Click(CPoint(kCx - 5, kCy - 5));
    EXPECT_EQ(0, View().m_nCalPositioning);
}

TEST_F(CInteractionTest, CornerDragStopsAtTheMinimumSize) {
    View().m_nCalPositioning = 1;
    const CRect rcStart = View().m_calTracker.m_rect;
    const CRect rcPrint = theApp.m_rectPrintable;
    const CPoint ptHandle(rcStart.right + 5, rcStart.bottom + 5);
    Drag(ptHandle, rcStart.CenterPoint(), CPoint(rcStart.left + 10, rcStart.top + 10));
    EXPECT_TRUE(Doc().IsModified());
    // The repaint after the drag pulls the left and top edges onto the printable
    // area's fractions, which may round up by a pixel.
    const CRect rc = CalendarOnScreen();
    EXPECT_NEAR(rcStart.left, rc.left, 1);
    EXPECT_NEAR(rcStart.top, rc.top, 1);
    EXPECT_EQ(rcStart.left + rcPrint.Width() / 2, rc.right);
    EXPECT_EQ(rcStart.top + rcPrint.Height() / 2, rc.bottom);
    // The fractions are the pixels over the page size, unrounded.
    EXPECT_DOUBLE_EQ(rc.right / View().m_pageWidth, Doc().m_dCalRight);
}

TEST_F(CInteractionTest, ShiftKeepsTheProportionsAndEscCancels) {
    View().m_nCalPositioning = 1;
    const CRect rcStart = View().m_calTracker.m_rect;
    const double dAspect = double(rcStart.Width()) / rcStart.Height();
    const CPoint ptHandle(rcStart.right + 5, rcStart.bottom + 5);
    SetShift(true);
    Drag(ptHandle, CPoint(ptHandle.x - 50, ptHandle.y), CPoint(ptHandle.x - 120, ptHandle.y - 5));
    SetShift(false);
    const CRect rc = CalendarOnScreen();
    EXPECT_LT(rc.Width(), rcStart.Width());
    EXPECT_NEAR(dAspect, double(rc.Width()) / rc.Height(), 0.02);

    // Esc during a drag puts everything back.
    Repaint();
    Doc().SetModifiedFlag(false);
    const double dRight = Doc().m_dCalRight;
    View().PostMessage(WM_MOUSEMOVE, MK_LBUTTON, At(CPoint(ptHandle.x - 200, ptHandle.y)));
    View().PostMessage(WM_KEYDOWN, VK_ESCAPE, 0);
    Click(CPoint(rc.right + 5, rc.bottom + 5));
    EXPECT_EQ(dRight, Doc().m_dCalRight);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(CInteractionTest, DragEndingWhereItStartedChangesNothing) {
    PlaceCalendar(0.2, 0.2, 0.7, 0.8);
    View().m_nCalPositioning = 1;
    const double adBefore[] = {Doc().m_dCalLeft, Doc().m_dCalTop, Doc().m_dCalRight,
                               Doc().m_dCalBottom};
    const CPoint pt = View().m_calTracker.m_rect.CenterPoint();
    Drag(pt, CPoint(pt.x + 40, pt.y + 30), pt);
    EXPECT_FALSE(Doc().IsModified());
    const double adAfter[] = {Doc().m_dCalLeft, Doc().m_dCalTop, Doc().m_dCalRight,
                              Doc().m_dCalBottom};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(adBefore[i], adAfter[i]);
}

TEST_F(CInteractionTest, DeleteRemovesThePictureOnlyWhilePositioningIt) {
    PlacePicture(0.3, 0.3, 0.6, 0.6);
    View().m_nCalPositioning = 1;
    Key(VK_DELETE);
    EXPECT_EQ(0, View().m_nCalPositioning);
    EXPECT_TRUE(Doc().m_bHasImage);
    EXPECT_FALSE(Doc().IsModified());

    View().m_nImgPositioning = 1;
    Key(VK_DELETE);
    EXPECT_FALSE(Doc().m_bHasImage);
    EXPECT_EQ(0, View().m_nImgPositioning);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(CInteractionTest, ResizingSetsTheStatusPanes) {
    Frame().ShowWindow(SW_SHOWNOACTIVATE);
    View().SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(kCx, kCy));
    EXPECT_EQ(View().GetClientRect().Width() - 2, Frame().m_wndStatusBar.GetPaneWidth(0));
    EXPECT_EQ(1000, Frame().m_wndStatusBar.GetPaneWidth(1));
    Frame().ShowWindow(SW_HIDE);
}

TEST_F(CInteractionTest, DamagedPlacementStillDrawsAndDragsFromInside) {
    const double nan = std::nan("");
    PlaceCalendar(0.8, 0.7, 0.2, 0.1); // inverted
    const CRect rcPrint = theApp.m_rectPrintable;
    EXPECT_EQ(rcPrint.left, View().m_calTracker.m_rect.left);
    EXPECT_EQ(rcPrint.top, View().m_calTracker.m_rect.top);
    EXPECT_FALSE(View().m_calTracker.m_rect.IsRectEmpty());

    // A picture whose fractions are inverted or not numbers at all.
    PlacePicture(0.7, nan, 0.2, 2.0);
    View().m_nImgPositioning = 1;
    const CRect rcPicture = View().m_imgTracker.m_rect;
    const CPoint pt((rcPicture.left + rcPicture.right) / 2, (rcPicture.top + rcPicture.bottom) / 2);
    Drag(pt, CPoint(pt.x + 500, pt.y + 500), CPoint(pt.x + 500, pt.y + 500));
    const CRect rc = View().m_imgTracker.m_rect;
    EXPECT_FALSE(rc.IsRectEmpty());
    EXPECT_TRUE(rc.left >= rcPrint.left && rc.top >= rcPrint.top && rc.right <= rcPrint.right &&
                rc.bottom <= rcPrint.bottom);
    EXPECT_TRUE(std::isfinite(Doc().m_dImgLeft) && std::isfinite(Doc().m_dImgTop));
    Repaint();
}
