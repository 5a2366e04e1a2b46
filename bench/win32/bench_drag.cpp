// A 200-step drag of the calendar's bottom-right corner on an A4 page with
// 42 long notes and 500 events, replayed through the tracker's own mouse
// loop: every step adjusts the rectangle and shows the page with the block
// at its new place. The two paints as the drag starts and the one as it ends
// count into the steps. Prints the median time per step of several drags.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "BenchApp.h"
#include "BenchClock.h"

namespace {
// Sizes the view so that its client area is cx by cy.
void BenchSizeView(CAlmanarkView& view, int cx, int cy) {
    view.MoveWindow(0, 0, cx, cy, false);
    const CRect rcClient = view.GetClientRect();
    view.MoveWindow(0, 0, 2 * cx - rcClient.Width(), 2 * cy - rcClient.Height(), false);
}

const int kSteps = 200;
const int kDrags = 9;
// Steps a second at which a drag follows the mouse smoothly.
const double kTargetSteps = 60.0;
const int kPageHeight = 1000;

// A4 at 600 dots per inch with 4 mm unprintable margins.
void UseA4(CAlmanarkView& view) {
    view.m_physWidth = 4961;
    view.m_physHeight = 7016;
    view.m_offsetX = view.m_offsetY = 95;
    view.m_printWidth = 4961 - 2 * 95 - 10;
    view.m_printHeight = 7016 - 2 * 95 - 10;
    theApp.m_nOrientation = 1;
}

// Milliseconds per step of one drag.
double TimeDrag(CAlmanarkView& view) {
    const CRect rcStart = view.m_calTracker.m_rect;
    const CPoint ptHandle(rcStart.right + 5, rcStart.bottom + 5);
    // In by up to 150 pixels and out again, so that every step changes the block.
    for (int i = 1; i <= kSteps; ++i) {
        const int d = i <= kSteps / 2 ? i * 3 / 2 : (kSteps - i) * 3 / 2 + 1;
        view.PostMessage(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(ptHandle.x - d, ptHandle.y - d));
    }
    view.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(ptHandle.x - 40, ptHandle.y - 40));
    const double dStart = BenchNow();
    view.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptHandle.x, ptHandle.y));
    return (BenchNow() - dStart) * 1000.0 / kSteps;
}
} // namespace

int main() {
    const CBenchApp app("bench_drag");
    if (!app.Started())
        return 1;
    CAlmanarkView& view = app.View();
    CAlmanarkDoc& doc = app.Doc();
    UseA4(view);
    const int cx = kPageHeight * view.m_physWidth / view.m_physHeight;
    theApp.m_pMainWnd->ShowWindow(SW_SHOW);
    BenchSizeView(view, cx, kPageHeight);
    view.Invalidate();
    view.UpdateWindow(); // places the calendar and evaluates the events once
    view.m_nCalPositioning = 1;

    std::vector<double> times;
    for (int nRound = 0; nRound < kDrags; ++nRound) {
        doc.m_dCalTop = -1.0; // back to the whole printable area
        view.Invalidate();
        view.UpdateWindow();
        times.push_back(TimeDrag(view));
    }
    const double dStep = MedianOf(times), dTarget = 1000.0 / kTargetSteps;
    printf("A4 page %d x %d pixels, 42 notes of 120 characters, 500 events\n", cx, kPageHeight);
    printf("drag of the calendar's corner: %d steps, median of %d drags\n", kSteps, kDrags);
    printf("time per step: %.2f ms (%.0f steps a second; target under %.1f ms, at least %.0f "
           "steps a second; ratio %.2f)\n",
           dStep, 1000.0 / dStep, dTarget, kTargetSteps, dStep / dTarget);
    return 0;
}
