// Print preview from opening to the painted page, and a one-page print job
// until the spooler has it (EndDoc returned), for a crowded month page: 42
// full notes, 500 events and a picture of 4000 x 3000 pixels. A job ends
// where the "Printing" window starts to go: hiding it can cost Wine two
// seconds waiting for a window manager that is not there, which is no work
// of the program's. Each job has a title of its own, so that the PDF
// printer keeps every file. Then a run of twelve months with a picture of
// 24 megapixels against its first page alone: the picture is reduced for
// the printer once a job and kept for every page, and a PostScript printer
// is sent it encoded once; the targets are under three times one page and a
// peak memory less than a tenth higher.
#include <windows.h>
#include <commctrl.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>

#include "BenchApp.h"
#include "BenchClock.h"
#include "framework/PreviewView.h"

namespace {
const int kPreviews = 10;
const int kJobs = 3;

// A 24-bit picture with some variety in it, owned by the document.
bool AddPicture(CAlmanarkDoc& doc, int cx, int cy) {
    if (!AttachSamplePicture(doc.m_dib, cx, cy, [cx, cy](int x, int y) {
            return RGB((x ^ y) & 0xFF, y * 255 / cy, x * 255 / cx);
        }))
        return false;
    doc.m_bHasImage = 1;
    doc.m_dImgLeft = 0.05;
    doc.m_dImgTop = 0.05;
    doc.m_dImgRight = 0.95;
    doc.m_dImgBottom = 0.45;
    return true;
}

double g_dJobEnd = 0.0;

LRESULT CALLBACK NoteJobEnd(int nCode, WPARAM wParam, LPARAM lParam) {
    char szText[16] = "";
    if (nCode == HCBT_DESTROYWND && GetWindowTextA((HWND)wParam, szText, sizeof szText) &&
        lstrcmpA(szText, "Printing") == 0)
        g_dJobEnd = BenchNow();
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// Jobs titled strTitle-1, strTitle-2, ...; with bFresh each job finds its
// picture newly opened, as the first print after opening a calendar does.
// False when a job failed or its picture was refused: its times mean nothing.
bool TimeJobs(CAlmanarkView& view, const CString& strTitle, double* pTimes, bool bDirect = true,
              bool bFresh = false) {
    bool bAllRan = true;
    HHOOK hHook = SetWindowsHookExA(WH_CBT, NoteJobEnd, nullptr, GetCurrentThreadId());
    CAlmanarkDoc& doc = *view.GetDocument();
    for (int i = 0; i < kJobs; ++i) {
        if (bFresh) {
            doc.m_dib.Clear();
            if (!AddPicture(doc, 6000, 4000)) {
                fprintf(stderr, "bench_print: the 24-megapixel picture was refused\n");
                bAllRan = false;
            }
        }
        doc.SetTitle((strTitle + "-" + CString::FromInt(i + 1)).c_str());
        g_dJobEnd = 0.0;
        const double dStart = BenchNow();
        if (view.DoFilePrint(bDirect) != CView::printDone) {
            fprintf(stderr, "bench_print: the job failed\n");
            bAllRan = false;
        }
        if (g_dJobEnd == 0.0) {
            fprintf(stderr, "bench_print: no \"Printing\" window; the job counts to its return\n");
            g_dJobEnd = BenchNow();
        }
        pTimes[i] = (g_dJobEnd - dStart) * 1000.0;
    }
    UnhookWindowsHookEx(hHook);
    return bAllRan;
}

// The pages the next File Print prints, as the print dialog leaves them.
void ChoosePages(CAlmanarkView& view, int nFrom, int nTo) {
    PRINTDLGA& pd = view.m_printer.GetPrintDialog()->m_pd;
    pd.Flags |= PD_PAGENUMS;
    pd.nFromPage = (WORD)nFrom;
    pd.nToPage = (WORD)nTo;
}

// The most memory the process has committed so far, in megabytes.
double PeakMb() {
    using GetInfo = BOOL(WINAPI*)(HANDLE, PROCESS_MEMORY_COUNTERS*, DWORD);
    static const auto s_pGetInfo = reinterpret_cast<GetInfo>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo"));
    PROCESS_MEMORY_COUNTERS counters = {sizeof counters};
    if (!s_pGetInfo || !s_pGetInfo(::GetCurrentProcess(), &counters, sizeof counters))
        return 0;
    return counters.PeakPagefileUsage / (1024.0 * 1024.0);
}

// A run of twelve months with a 24-megapixel picture against one page, each
// job with its picture newly opened (reduced for the printer once a job),
// then with the reduced copy kept from an earlier job, and without the picture.
void BenchRun(CAlmanarkView& view, CAlmanarkDoc& doc, const CString& strTitle) {
    double adOne[kJobs], adRun[kJobs], adOneKept[kJobs], adRunKept[kJobs], adBare[kJobs];
    ChoosePages(view, 1, 1);
    bool bRan = TimeJobs(view, strTitle + "-one", adOne, false, true);
    bRan = TimeJobs(view, strTitle + "-onekept", adOneKept, false) && bRan;
    const double dPeakOne = PeakMb();
    ChoosePages(view, 1, 12);
    bRan = TimeJobs(view, strTitle + "-run", adRun, false, true) && bRan;
    bRan = TimeJobs(view, strTitle + "-runkept", adRunKept, false) && bRan;
    const double dPeakRun = PeakMb();
    doc.m_bHasImage = 0;
    bRan = TimeJobs(view, strTitle + "-runbare", adBare, false) && bRan;
    doc.m_bHasImage = 1;
    if (!bRan) {
        printf("picture 6000 x 4000 (24 megapixels): not run (a job failed)\n");
        return;
    }
    const double dOne = MedianOf({adOne, adOne + kJobs});
    const double dRun = MedianOf({adRun, adRun + kJobs});
    const double dOneKept = MedianOf({adOneKept, adOneKept + kJobs});
    const double dRunKept = MedianOf({adRunKept, adRunKept + kJobs});
    const double dBare = MedianOf({adBare, adBare + kJobs});
    printf("picture 6000 x 4000 (24 megapixels), newly opened for each job:\n");
    printf("one page: median %.1f ms; twelve months: median %.1f ms, %.2f x one page "
           "(target under 3 x)\n",
           dOne, dRun, dRun / dOne);
    printf("with the printer's copy kept from an earlier job: one page %.1f ms; twelve months "
           "%.1f ms, %.2f x\n",
           dOneKept, dRunKept, dRunKept / dOneKept);
    printf("twelve months without the picture (the floor): median %.1f ms, %.1f ms a page; the "
           "picture adds %.1f ms to each further page\n",
           dBare, dBare / 12, (dRunKept - dOneKept - (dBare * 11 / 12)) / 11);
    printf("peak memory: %.1f MB after one-page jobs, %.1f MB after twelve-month jobs, "
           "%.2f x (target under 1.10 x)\n",
           dPeakOne, dPeakRun, dPeakOne > 0 ? dPeakRun / dPeakOne : 0.0);
}

void Report(const char* pszWhat, const double* pTimes, int nCount, double dTarget) {
    const double dMedian = MedianOf({pTimes, pTimes + nCount});
    const auto [pBest, pWorst] = std::minmax_element(pTimes, pTimes + nCount);
    printf("%s: median %.1f ms (best %.1f, worst %.1f; target under %.0f ms, ratio %.2f)\n",
           pszWhat, dMedian, *pBest, *pWorst, dTarget, dMedian / dTarget);
}
} // namespace

int main() {
    const CBenchApp app("bench_print");
    if (!app.Started())
        return 1;
    CAlmanarkView& view = app.View();
    CAlmanarkDoc& doc = app.Doc();
    if (!AddPicture(doc, 4000, 3000)) {
        fprintf(stderr, "bench_print: the picture was refused\n");
        return 1;
    }
    CMainFrame& frame = app.ShowFrame();

    double adPreview[kPreviews];
    for (double& dTime : adPreview) {
        const double dStart = BenchNow();
        view.DoPrintPreview();
        if (CPreviewView* pPreview = frame.GetPreview())
            pPreview->UpdateWindow();
        dTime = (BenchNow() - dStart) * 1000.0;
        view.ClosePrintPreview();
        frame.UpdateWindow();
    }
    double adPrint[kJobs], adPrintBare[kJobs];
    // Wine gives its processes the same few ids run after run: the clock tells runs apart.
    const CString strTitle = "almanark-bench-print-" +
                             CString::FromInt((int)GetCurrentProcessId()) + "-" +
                             CString::FromInt((int)(GetTickCount() % 1000000));
    bool bRan = TimeJobs(view, strTitle + "-picture", adPrint);
    // The same page without its picture: what the picture's pixels cost.
    doc.m_bHasImage = 0;
    bRan = TimeJobs(view, strTitle + "-bare", adPrintBare) && bRan;
    if (!bRan)
        printf("(a job failed: the print figures below mean nothing)\n");
    printf("month page, 42 notes of 120 characters, 500 events, picture 4000 x 3000, printer %s\n",
           theApp.m_strPrinter.c_str());
    Report("print preview, open to painted", adPreview, kPreviews, 150);
    Report("print job to the spooler", adPrint, kJobs, 1000);
    Report("the same job without the picture", adPrintBare, kJobs, 1000);
    printf("(the jobs leave their PDF files, named %s-*, in the PDF folder)\n", strTitle.c_str());
    doc.m_bHasImage = 1;
    BenchRun(view, doc, strTitle);
    return 0;
}
