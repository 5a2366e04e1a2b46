// Click to painted for the windows a user opens most: the Insert Date
// dialog, the font dialog and print preview, beside a message box. A
// dialog counts as painted when its loop is shown and nothing of it is
// left to paint; it is then cancelled. Each dialog also has its floor: the
// same windows made bare, with none of the program's own work (the
// platform's font dialog alone; the Insert Date templates with their lists
// filled as long). Prints the first click and the median of later ones,
// each with the target and its ratio, and the ratio to the floor.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>

#include <cstdio>
#include <functional>
#include <utility>
#include <vector>

#include "BenchApp.h"
#include "BenchClock.h"
#include "dates/DateCalc.h"
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

// The Insert Date dialog's windows alone: its template, the first page's
// template inside the tabs, and that page's three lists as long as the
// program fills them (their scroll bars are a good part of the painting).
INT_PTR CALLBACK BarePage(HWND, UINT nMsg, WPARAM, LPARAM) {
    return nMsg == WM_INITDIALOG;
}

INT_PTR CALLBACK BareInsertDate(HWND hDlg, UINT nMsg, WPARAM wParam, LPARAM) {
    if (nMsg == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
        return EndDialog(hDlg, IDCANCEL);
    if (nMsg != WM_INITDIALOG)
        return FALSE;
    HWND hTabs = GetDlgItem(hDlg, IDC_DATE_TABS);
    const char* const kTabs[] = {"Specific Date", "Calculated Date", "Holidays"};
    for (int i = 0; i < 3; ++i) {
        TCITEMA item = {TCIF_TEXT, 0, 0, const_cast<char*>(kTabs[i]), 0, 0, 0};
        SendMessageA(hTabs, TCM_INSERTITEMA, i, (LPARAM)&item);
    }
    HWND hPage = CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SPECIFIC_DATE),
                                    hTabs, BarePage, 0);
    RECT rc;
    GetClientRect(hTabs, &rc);
    TabCtrl_AdjustRect(hTabs, FALSE, &rc);
    MoveWindow(hPage, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, FALSE);
    const std::pair<int, int> kLists[] = {
        {IDC_SPEC_YEAR, YEAR_COUNT}, {IDC_SPEC_MONTH, 12}, {IDC_SPEC_DAY, 30}};
    for (const auto& list : kLists)
        for (int i = 0; i < list.second; ++i)
            SendDlgItemMessageA(hPage, list.first, LB_ADDSTRING, 0, (LPARAM) "2026");
    ShowWindow(hPage, SW_SHOW);
    return TRUE;
}

struct Row {
    double dMedian = -1.0;
    double dFirst = -1.0;
};

// A negative time (the window never painted) is no time to take a median
// of: the first one ends the measuring.
Row Measure(const std::function<double()>& fnTime) {
    std::vector<double> times;
    for (int i = 0; i <= kClicks; ++i) {
        times.push_back(fnTime());
        if (times.back() < 0.0)
            return Row();
    }
    return {MedianOf({times.begin() + 1, times.end()}), times.front()};
}

void Report(const char* pszWhat, const Row& row, const Row* pFloor = nullptr) {
    if (row.dMedian < 0.0) {
        printf("  %-28s did not open\n", pszWhat);
        return;
    }
    printf("  %-28s %7.1f ms %7.1f ms   target under %.0f ms, ratio %.2f (first %.2f)", pszWhat,
           row.dMedian, row.dFirst, kTargetMs, row.dMedian / kTargetMs, row.dFirst / kTargetMs);
    if (pFloor && pFloor->dMedian > 0.0)
        printf("; %.2f x its floor", row.dMedian / pFloor->dMedian);
    printf("\n");
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
    printf("  %-28s %10s %10s\n", "", "median", "first");
    Report("message box", Measure([&] {
               return TimeModal([&] { AfxMessageBox("Almanark benchmark", MB_OKCANCEL); });
           }));
    const Row bareInsert = Measure([&] {
        return TimeModal([&] {
            DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_INSERT_DATE), frame,
                            BareInsertDate, 0);
        });
    });
    Report("Insert Date dialog", Measure([&] {
               return TimeModal([&] { Click(frame.m_wndEventsPage, IDC_INSERT_DATE); });
           }),
           &bareInsert);
    Report("  floor: its windows alone", bareInsert);
    LOGFONTA lf = app.Doc().m_lfNotes;
    CHOOSEFONTA cf = {sizeof cf, frame, nullptr,
                      &lf,       0,     CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT};
    // The dialog may write into the font even when cancelled: each click starts alike.
    const Row bareFont = Measure([&] {
        lf = app.Doc().m_lfNotes;
        return TimeModal([&] { ChooseFontA(&cf); });
    });
    Report("font dialog",
           Measure([&] { return TimeModal([&] { Click(frame.m_wndStylePage, IDC_NOTES_FONT); }); }),
           &bareFont);
    Report("  floor: the platform's alone", bareFont);
    Report("print preview", Measure([&] { return TimePreview(frame, view); }));

    UnhookWindowsHookEx(hHook);
    return 0;
}
