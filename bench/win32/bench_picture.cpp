// The cost of a calendar's picture. Opening: a calendar with a 24-megapixel
// picture against an empty one and against reading the stored picture alone,
// each in a fresh copy of the program (its peak working set is what is
// measured); a 48-megapixel calendar opened, painted, previewed and printed.
// Painting: a month page with and without a 4000 x 3000 24-bit picture on a
// screen-sized and a printer-sized DC, and a year page of twelve panels
// against the month page. Every figure is a median, printed with its floor
// or target and the ratio. Build it optimised:
//   scripts/build.sh release && cmake --build build/release --target bench_picture
#define PSAPI_VERSION 2
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "BenchApp.h"
#include "BenchClock.h"
#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/Dc.h"
#include "framework/DocTemplate.h"
#include "framework/File.h"
#include "framework/ModalSeam.h"
#include "framework/PreviewView.h"
#include "image/DibFormat.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
const int kPageHeight = 1000;
const int kRounds = 5;
const int kPaintsPerRound = 10;
// First paints (the picture's copy made anew) and fresh processes measured.
const int kSamples = 5;
const int kOpenRuns = 5;

// A 32-bit page of cx by cy selected into a memory DC.
class CBenchPage {
public:
    CBenchPage(int cx, int cy, bool bPrinting) {
        m_dc.CreateCompatibleDC(nullptr);
        m_dc.m_bPrinting = bPrinting;
        BITMAPINFO bmi = {};
        bmi.bmiHeader = {sizeof bmi.bmiHeader, cx, -cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* pBits = nullptr;
        m_hBitmap = CreateDIBSection(m_dc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_hOld = m_dc.SelectObject(m_hBitmap);
    }
    ~CBenchPage() {
        m_dc.SelectObject(m_hOld);
        DeleteObject(m_hBitmap);
    }
    CDC m_dc;

private:
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
};

// A photograph-like gradient of cx by cy pixels, 24 bits, in dib.
bool AttachPicture(CDib& dib, int cx, int cy) {
    return AttachSamplePicture(dib, cx, cy, [cx, cy](int x, int y) {
        return RGB((x + y) & 255, y * 255 / cy, x * 255 / cx);
    });
}

// Seen through the calendar, so that every paint and print shows it.
void PlacePicture(CAlmanarkDoc& doc) {
    doc.m_bHasImage = 1;
    doc.m_bImageShowsThrough = 1;
    doc.m_dImgLeft = doc.m_dImgTop = 0.1;
    doc.m_dImgRight = doc.m_dImgBottom = 0.9;
    theApp.m_dImageAspect = (double)doc.m_dib.GetSize().cx / doc.m_dib.GetSize().cy;
}

double TimePaints(CAlmanarkView& view, CDC& dc) {
    return MedianMs(kRounds, kPaintsPerRound, [&] { view.OnDraw(&dc); });
}

// Paints that make the picture's copy anew: the picture is exchanged for an
// identical one (a new picture to the painter) before each.
double TimeFirstPaints(CAlmanarkView& view, CDC& dc, CDib& dib, CDib& twin) {
    std::vector<double> times;
    for (int i = 0; i < kSamples; ++i) {
        dib.Swap(twin);
        const double dStart = BenchNow();
        view.OnDraw(&dc);
        times.push_back((BenchNow() - dStart) * 1000.0);
    }
    return MedianOf(times);
}

double PeakWorkingSetMb() {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return counters.PeakWorkingSetSize / (1024.0 * 1024.0);
}

CString TempPath(const char* pszName) {
    char szDir[MAX_PATH] = {0};
    GetTempPathA(MAX_PATH, szDir);
    return CString(szDir) + "almanark-bench-picture-" +
           CString::FromInt((int)GetCurrentProcessId()) + "-" + pszName;
}

// The child's work, in a program started afresh: "open" opens the calendar
// and paints it once on screen; "read" reads the stored picture alone at the
// given offset of the same file; "print" also previews and prints it.
// Writes "milliseconds peak-MB ok" to the result file.
int RunChild(const char* pszMode, const char* pszKal, const char* pszOffset, const char* pszOut) {
    const CBenchApp app("bench_picture_child", false);
    if (!app.Started())
        return 1;
    CAlmanarkView& view = app.View();
    CMainFrame& frame = app.ShowFrame();
    bool bOk = true;
    const double dStart = BenchNow();
    if (strcmp(pszMode, "read") == 0) {
        CFile file;
        CStoredDib stored;
        bOk = file.Open(pszKal, CFile::modeRead) &&
              file.Seek(atoi(pszOffset), CFile::begin) == (uint64_t)atoi(pszOffset) &&
              CDibFormat::ReadStored(file, stored) == CDibFormat::none;
    } else {
        bOk = theApp.OpenDocumentFile(pszKal) != nullptr &&
              (strcmp(pszMode, "empty") == 0 || theApp.m_pDoc->m_bHasImage);
    }
    const double dOpened = (BenchNow() - dStart) * 1000.0;
    if (strcmp(pszMode, "read") != 0) {
        view.Invalidate();
        view.UpdateWindow();
    }

    if (strcmp(pszMode, "print") == 0) {
        bOk = bOk && view.DoPrintPreview();
        if (CPreviewView* pPreview = frame.GetPreview())
            pPreview->UpdateWindow();
        view.ClosePrintPreview();
        theApp.m_pDoc->SetTitle(
            ("almanark-bench-picture-48mp-" + CString::FromInt((int)GetCurrentProcessId()))
                .c_str());
        bOk = bOk && view.DoFilePrint(true) == CView::printDone;
    }
    FILE* pOut = fopen(pszOut, "w");
    if (pOut) {
        fprintf(pOut, "%.3f %.3f %d\n", dOpened, PeakWorkingSetMb(), bOk ? 1 : 0);
        fclose(pOut);
    }
    theApp.m_pDoc->SetModifiedFlag(false);
    return 0;
}

struct CChildResult {
    double dMs = 0, dPeakMb = 0;
    bool bOk = false;
};

CChildResult Spawn(const char* pszMode, const CString& strKal, uint64_t nOffset) {
    char szExe[MAX_PATH] = {0};
    GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    const CString strOut = TempPath("result.txt");
    DeleteFileA(strOut);
    CString strCmd;
    strCmd.Format("\"%s\" --child %s \"%s\" %u \"%s\"", szExe, pszMode, strKal.c_str(),
                  (unsigned)nOffset, strOut.c_str());
    STARTUPINFOA si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    std::vector<char> cmd(strCmd.c_str(), strCmd.c_str() + strCmd.GetLength() + 1);
    CChildResult result;
    if (!CreateProcessA(szExe, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return result;
    WaitForSingleObject(pi.hProcess, 10 * 60 * 1000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    FILE* pIn = fopen(strOut, "r");
    int nOk = 0;
    if (pIn && fscanf(pIn, "%lf %lf %d", &result.dMs, &result.dPeakMb, &nOk) == 3)
        result.bOk = nOk != 0;
    if (pIn)
        fclose(pIn);
    DeleteFileA(strOut);
    return result;
}

// One way of opening a calendar, measured as the median of kOpenRuns fresh
// processes.
struct COpening {
    const char* pszMode;
    CString strKal;
    uint64_t nOffset;
    double dMs, dPeakMb;
};

// The runs of the ways take turns, so that a busy spell of the machine
// falls on all of them alike; false when any run failed.
bool SpawnRuns(COpening* pWays, int nWays) {
    std::vector<std::vector<double>> times(nWays), peaks(nWays);
    for (int i = 0; i < kOpenRuns; ++i) {
        for (int w = 0; w < nWays; ++w) {
            const CChildResult r = Spawn(pWays[w].pszMode, pWays[w].strKal, pWays[w].nOffset);
            if (!r.bOk)
                return false;
            times[w].push_back(r.dMs);
            peaks[w].push_back(r.dPeakMb);
        }
    }
    for (int w = 0; w < nWays; ++w) {
        pWays[w].dMs = MedianOf(times[w]);
        pWays[w].dPeakMb = MedianOf(peaks[w]);
    }
    return true;
}

// Saves the document with a picture of cx by cy (none when cx is 0) as
// strKal; nOffset is where its stored picture starts.
bool SaveCalendar(CAlmanarkDoc& doc, int cx, int cy, const CString& strKal, uint64_t& nOffset) {
    doc.RemovePicture();
    if (cx && !AttachPicture(doc.m_dib, cx, cy))
        return false;
    if (cx)
        PlacePicture(doc);
    const bool bSaved = doc.OnSaveDocument(strKal) != FALSE;
    const uint64_t nPictureBytes = doc.m_dib.IsEmpty() ? 0 : 54 + (uint64_t)doc.m_dib.m_dwBitsSize;
    doc.RemovePicture();
    // The picture is followed by its file name (one byte and "no image
    // loaded") and five doubles.
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(strKal, GetFileExInfoStandard, &data);
    const uint64_t nSize = ((uint64_t)data.nFileSizeHigh << 32) | data.nFileSizeLow;
    nOffset = nSize - nPictureBytes - (1 + 15 + 5 * 8);
    return bSaved;
}

void ReportOpening(CAlmanarkDoc& doc) {
    const CString strEmpty = TempPath("empty.kal"), str24 = TempPath("24mp.kal"),
                  str48 = TempPath("48mp.kal");
    uint64_t nOffset = 0, nOffset48 = 0;
    const double dPixelMb = 6000.0 * 4000 * 3 / (1024 * 1024);
    const bool bSaved =
        SaveCalendar(doc, 0, 0, strEmpty, nOffset) && SaveCalendar(doc, 6000, 4000, str24, nOffset);
    COpening ways[] = {
        {"empty", strEmpty, 0, 0, 0}, {"open", str24, 0, 0, 0}, {"read", str24, nOffset, 0, 0}};
    const COpening &empty = ways[0], &open = ways[1], &read = ways[2];
    if (!bSaved || !SpawnRuns(ways, 3)) {
        printf("opening a 24-megapixel calendar FAILED\n");
    } else {
        printf("opening a calendar, medians of %d fresh processes; picture 6000 x 4000 x 24 bits "
               "= %.1f MB of pixels\n",
               kOpenRuns, dPixelMb);
        printf("  peak working set, empty calendar:  %8.1f MB\n", empty.dPeakMb);
        printf("  peak working set, 24 MP calendar:  %8.1f MB (+%.1f MB = %.2f x the pixels; "
               "target under 1.3)\n",
               open.dPeakMb, open.dPeakMb - empty.dPeakMb,
               (open.dPeakMb - empty.dPeakMb) / dPixelMb);
        // What the picture adds to opening a calendar is held to reading it alone.
        printf("  open time, empty calendar:         %8.1f ms\n", empty.dMs);
        printf("  open time, 24 MP calendar:         %8.1f ms (+%.1f ms over the empty one; "
               "floor: reading its picture alone %.1f ms; ratio %.2f; target under 1.2)\n",
               open.dMs, open.dMs - empty.dMs, read.dMs, (open.dMs - empty.dMs) / read.dMs);
        printf("  (the whole open against reading the picture alone: ratio %.2f)\n",
               open.dMs / read.dMs);
    }
    const bool b48 = SaveCalendar(doc, 8000, 6000, str48, nOffset48);
    const CChildResult r48 = b48 ? Spawn("print", str48, 0) : CChildResult();
    printf("  48 MP calendar (8000 x 6000) opened, painted, previewed and printed: %s "
           "(open %.0f ms, peak working set %.1f MB)\n",
           r48.bOk ? "ok" : "FAILED", r48.dMs, r48.dPeakMb);
    for (const CString& str : {strEmpty, str24, str48})
        DeleteFileA(str);
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 6 && strcmp(argv[1], "--child") == 0)
        return RunChild(argv[2], argv[3], argv[4], argv[5]);
    const CBenchApp app("bench_picture", false);
    if (!app.Started())
        return 1;
    CAlmanarkView& view = app.View();
    CAlmanarkDoc& doc = app.Doc();
    ReportOpening(doc);

    doc.m_nMonth = 5;
    doc.m_nYear = 1999;
    // The same hollow frames as with the picture seen through them.
    doc.m_bImageShowsThrough = 1;
    const int cx = kPageHeight * view.m_physWidth / std::max(view.m_physHeight, 1);
    view.MoveWindow(0, 0, cx, kPageHeight, false);
    const CRect rcClient = view.GetClientRect();
    view.MoveWindow(0, 0, 2 * cx - rcClient.Width(), 2 * kPageHeight - rcClient.Height(), false);
    CBenchPage screen(cx, kPageHeight, false);
    CBenchPage printer(view.m_printWidth + 10, view.m_printHeight + 10, true);

    view.OnDraw(&screen.m_dc); // warm-up: fonts
    const double dMonth = TimePaints(view, screen.m_dc);
    const double dMonthPrinter = TimePaints(view, printer.m_dc);
    CDib twin;
    if (!AttachPicture(doc.m_dib, 4000, 3000) || !AttachPicture(twin, 4000, 3000)) {
        fprintf(stderr, "bench_picture: the picture was refused\n");
        return 1;
    }
    PlacePicture(doc);
    const double dFirst = TimeFirstPaints(view, screen.m_dc, doc.m_dib, twin);
    const double dPicture = TimePaints(view, screen.m_dc);
    const double dFirstPrinter = TimeFirstPaints(view, printer.m_dc, doc.m_dib, twin);
    const double dPicturePrinter = TimePaints(view, printer.m_dc);
    doc.m_bYearDoc = 1;
    doc.m_bHasImage = 0;
    view.OnDraw(&screen.m_dc);
    const double dYear = TimePaints(view, screen.m_dc);

    printf("painting: screen page %d x %d, printer page %d x %d, picture 4000 x 3000 x 24 bits; "
           "medians (first paints of %d samples)\n",
           cx, kPageHeight, view.m_printWidth + 10, view.m_printHeight + 10, kSamples);
    printf("month page on screen (floor):       %8.3f ms\n", dMonth);
    printf("  with the picture, first paint:    %8.3f ms (ratio %.2f to the floor)\n", dFirst,
           dFirst / dMonth);
    printf("  with the picture, later paints:   %8.3f ms (ratio %.2f; target under 50 ms)\n",
           dPicture, dPicture / dMonth);
    printf("month page on the printer DC (floor): %6.3f ms\n", dMonthPrinter);
    printf("  with the picture, first paint:    %8.3f ms (ratio %.2f to the floor)\n",
           dFirstPrinter, dFirstPrinter / dMonthPrinter);
    printf("  with the picture, later paints:   %8.3f ms (ratio %.2f to the floor)\n",
           dPicturePrinter, dPicturePrinter / dMonthPrinter);
    printf("year page of 12 panels on screen:   %8.3f ms (ratio %.2f to the month page; target "
           "under 2)\n",
           dYear, dYear / dMonth);
    return 0;
}
