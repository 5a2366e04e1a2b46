// Click to painted for the windows a user opens most: the Insert Date
// dialog, the font dialog and print preview, beside a message box, the
// least a modal window costs. A dialog counts as painted when its loop
// is shown and nothing of it is left to paint; it is then cancelled. Prints the first click and the
// median of later ones, each with the target and its ratio.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "BenchApp.h"
#include "BenchClock.h"
#include "framework/PreviewView.h"

namespace {
const int kClicks = 9;
const double kTargetMs = 40.0;

double g_dPainted = 0.0;

// The dialog loop shows its window once its queue is empty and filters each
// message it takes after that: at the first one, what is left to paint is
// painted here, and the window is cancelled.
LRESULT CALLBACK PaintAndCancel(int nCode, WPARAM wParam, LPARAM lParam) {
    const MSG& msg = *reinterpret_cast<MSG*>(lParam);
    HWND hDialog = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (theApp.m_pMainWnd && hDialog == theApp.m_pMainWnd->GetSafeHwnd())
        hDialog = nullptr; // a paint of the window behind
    if (nCode == MSGF_DIALOGBOX && g_dPainted == 0.0 && hDialog && IsWindowVisible(hDialog)) {
        RedrawWindow(hDialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        g_dPainted = BenchNow();
        PostMessageA(hDialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     (LPARAM)GetDlgItem(hDialog, IDCANCEL));
    }
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// Milliseconds from the click (fnClick returns once the dialog is gone).
double TimeModal(const std::function<void()>& fnClick) {
    g_dPainted = 0.0;
    const double dStart = BenchNow();
    fnClick();
    return g_dPainted > 0.0 ? (g_dPainted - dStart) * 1000.0 : -1.0;
}

double TimePreview(CMainFrame& frame, CAlmanarkView& view) {
    const double dStart = BenchNow();
    frame.SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW, 0);
    RedrawWindow(frame, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    const double dMs = (BenchNow() - dStart) * 1000.0;
    if (!frame.GetPreview())
        return -1.0;
    view.ClosePrintPreview();
    frame.UpdateWindow();
    return dMs;
}

// A negative time (the window never painted) is no time to take a median
// of: the first one ends the measuring.
void Report(const char* pszWhat, const std::function<double()>& fnTime) {
    std::vector<double> times;
    for (int i = 0; i <= kClicks; ++i) {
        times.push_back(fnTime());
        if (times.back() < 0.0) {
            printf("  %-22s did not open\n", pszWhat);
            return;
        }
    }
    const double dFirst = times.front();
    const double dMedian = MedianOf({times.begin() + 1, times.end()});
    printf("  %-22s %7.1f ms %7.1f ms   target under %.0f ms, ratio %.2f (first %.2f)\n", pszWhat,
           dMedian, dFirst, kTargetMs, dMedian / kTargetMs, dFirst / kTargetMs);
}

void Click(CWnd& page, int nID) {
    page.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), (LPARAM)page.GetDlgItem(nID));
}
} // namespace

int main() {
    const CBenchApp app("bench_dialogs");
    if (!app.Started())
        return 1;
    CAlmanarkView& view = app.View();
    CMainFrame& frame = app.ShowFrame();
    // The real windows, not answers through the modal seam.
    CModalSeam::SetResponder(nullptr);
    HHOOK hHook = SetWindowsHookExA(WH_MSGFILTER, PaintAndCancel, nullptr, GetCurrentThreadId());

    printf("click to painted, median of %d clicks after the first, and the first\n", kClicks);
    printf("  %-22s %10s %10s\n", "", "median", "first");
    Report("message box (floor)",
           [&] { return TimeModal([&] { AfxMessageBox("Almanark benchmark", MB_OKCANCEL); }); });
    Report("Insert Date dialog",
           [&] { return TimeModal([&] { Click(frame.m_wndEventsPage, IDC_INSERT_DATE); }); });
    Report("font dialog",
           [&] { return TimeModal([&] { Click(frame.m_wndStylePage, IDC_NOTES_FONT); }); });
    Report("print preview", [&] { return TimePreview(frame, view); });

    UnhookWindowsHookEx(hHook);
    return 0;
}
