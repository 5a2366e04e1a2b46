// Paint cost of a crowded month page: a 120-character note in every day box
// and 500 events that all fall inside the shown month, on a page 1000
// pixels high and on a 300-dpi printer page. Each figure is the median of
// its rounds, in wall-clock and in thread CPU time; the ratios compare
// figures of the same run, which is what counts on a machine shared with
// other busy programs. A repaint is also timed piece by piece, with the
// notes drawn by DrawText and from the lines kept for unchanged boxes, and
// a year page against the empty month page: onto a bitmap, with the month
// panels kept and drawn afresh, and as the user sees it, the whole window
// invalidated and repainted. The notes' lines are recorded while the
// program is idle, not in a paint: that work is timed apart.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <vector>

#include "BenchApp.h"
#include "BenchClock.h"
#include "app/AlmanarkApp.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/Dc.h"
#include "framework/DocTemplate.h"
#include "framework/ModalSeam.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"

namespace {
const int kPageHeight = 1000;
const int kRounds = 11;
// Paints per round: a round should last well beyond the CPU clock's tick.
const int kScreenPaints = 30;
const int kPrinterPaints = 3;

enum Mode { cold, knownSizes, unrecorded, repaint, repaintByDrawText };

struct Timing {
    double dWall = 0.0;
    double dCpu = 0.0;
};

// Medians of wall-clock and thread CPU milliseconds per call over nRounds
// rounds of nCalls calls. CPU time ticks in 10 ms steps here, so a round
// should last well over that. before, untimed, sets each round up.
template <class Fn, class Before>
Timing MedianTimes(int nRounds, int nCalls, Fn fn, Before before) {
    std::vector<double> walls, cpus;
    for (int round = 0; round < nRounds; ++round) {
        before();
        const double dWall = BenchNow(), dCpu = ThreadCpuMs();
        for (int i = 0; i < nCalls; ++i)
            fn();
        cpus.push_back((ThreadCpuMs() - dCpu) / nCalls);
        walls.push_back((BenchNow() - dWall) * 1000.0 / nCalls);
    }
    return {MedianOf(walls), MedianOf(cpus)};
}

template <class Fn> Timing MedianTimes(int nRounds, int nCalls, Fn fn) {
    return MedianTimes(nRounds, nCalls, fn, [] {});
}

// A paint as a first paint does it (nothing kept), as one that knew every
// font height in advance (measured once for the overflow mark, the notes
// drawn by DrawText), as the second paint of an unchanged page before
// idle time recorded its notes' lines, or as any later repaint of it, from
// kept lines or with every note drawn by DrawText (as before lines were kept).
Timing MedianPaint(CAlmanarkView& view, CDC& dc, Mode mode, int nPaints, int& nMeasures) {
    CNoteFitter& fitter = view.m_noteFitter;
    view.m_nEvalEvents = 1;
    view.OnDraw(&dc); // what the modes keep
    view.OnDraw(&dc);
    while (fitter.RecordNext()) {
        // the idle time after a paint
    }
    fitter.m_bMeasureKnownFits = mode == knownSizes;
    fitter.m_bKeepLines = mode != knownSizes && mode != repaintByDrawText;
    fitter.m_nMeasures = 0;
    const Timing t = MedianTimes(kRounds, nPaints, [&] {
        if (mode == cold || mode == knownSizes) {
            fitter.ForgetFonts();
            view.m_nEvalEvents = 1;
        }
        if (mode == cold)
            fitter.ForgetFits();
        if (mode == unrecorded)
            fitter.ForgetLines();
        view.OnDraw(&dc);
    });
    nMeasures = fitter.m_nMeasures / (kRounds * nPaints);
    fitter.m_bMeasureKnownFits = false;
    fitter.m_bKeepLines = true;
    return t;
}

// A white 32-bit page of cx by cy selected into a memory DC.
class CPage {
public:
    CPage(int cx, int cy, bool bPrinting) {
        m_dc.CreateCompatibleDC(nullptr);
        m_dc.m_bPrinting = bPrinting;
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = cx;
        bmi.bmiHeader.biHeight = -cy;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        m_hBitmap = CreateDIBSection(m_dc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        m_hOld = m_dc.SelectObject(m_hBitmap);
        RECT rc = {0, 0, cx, cy};
        FillRect(m_dc, &rc, (HBRUSH)GetStockObject(WHITE_BRUSH));
    }
    ~CPage() {
        m_dc.SelectObject(m_hOld);
        DeleteObject(m_hBitmap);
    }
    CDC& Dc() { return m_dc; }

private:
    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
};

void PrintRow(const char* pszWhat, const Timing& t, int nMeasures) {
    printf("  %-44s %8.2f ms %8.2f ms  %4d\n", pszWhat, t.dWall, t.dCpu, nMeasures);
}

// With a null target the ratio is shown for comparison only.
void PrintRatio(const char* pszWhat, const Timing& a, const Timing& b, const char* pszTarget) {
    printf("  ratio %-42s %6.2f   %6.2f    (%s%s)\n", pszWhat, a.dWall / b.dWall, a.dCpu / b.dCpu,
           pszTarget ? "target " : "no target: only a first paint draws so",
           pszTarget ? pszTarget : "");
}

// What the month shows: notes in the day boxes, captions of the events.
void ShowTexts(CAlmanarkDoc& doc, bool bNotes, bool bCaptions) {
    BenchFillCalendar(doc, true);
    const CString strEvents = theApp.m_strAllEvents;
    BenchFillCalendar(doc, bNotes);
    theApp.m_strAllEvents = bCaptions ? strEvents : CString();
}

// A year page repainted unchanged, with its month panels kept and drawn
// afresh, and painted after each change of year (the panels drawn into the
// kept bitmap, then copied). Returns the repaint from kept panels.
Timing YearPaints(CAlmanarkView& view, CAlmanarkDoc& doc, CDC& dc) {
    doc.m_bYearDoc = 1;
    int nMeasures = 0;
    const Timing kept = MedianPaint(view, dc, repaint, kScreenPaints, nMeasures);
    view.m_keptPanels.m_bKeep = false;
    const Timing afresh = MedianPaint(view, dc, repaint, kScreenPaints, nMeasures);
    view.m_keptPanels.m_bKeep = true;
    const Timing changed = MedianTimes(kRounds, kScreenPaints, [&] {
        doc.m_nYear = doc.m_nYear == 1999 ? 2000 : 1999;
        view.OnDraw(&dc);
    });
    doc.m_nYear = 1999;
    doc.m_bYearDoc = 0;
    printf("    %-36s %8.2f %8.2f\n", "year page, panels kept", kept.dWall, kept.dCpu);
    printf("    %-36s %8.2f %8.2f\n", "year page, panels drawn afresh", afresh.dWall, afresh.dCpu);
    printf("    %-36s %8.2f %8.2f\n", "year page after a change of year", changed.dWall,
           changed.dCpu);
    return kept;
}

// A repaint piece by piece, each page unchanged since its first paint:
// with every note drawn by DrawText, and from the kept lines.
void RepaintPieces(CAlmanarkView& view, CAlmanarkDoc& doc, CDC& dc, const Timing& cold1,
                   const Timing& known) {
    struct Piece {
        const char* pszWhat;
        bool bNotes, bCaptions, bCalendar;
    };
    static const Piece s_pieces[] = {
        {"paper alone (no calendar)", false, false, false},
        {"empty page (no notes, no captions)", false, false, true},
        {"notes, no captions", true, false, true},
        {"captions, no notes", false, true, true},
        {"notes and captions (the full page)", true, true, true},
    };
    printf("  repaint by piece, ms wall / CPU        notes by DrawText    from kept lines\n");
    Timing empty[2], full[2];
    for (const Piece& piece : s_pieces) {
        ShowTexts(doc, piece.bNotes, piece.bCaptions);
        view.m_bHideCalendar = !piece.bCalendar;
        Timing t[2];
        int nMeasures = 0;
        t[0] = MedianPaint(view, dc, repaintByDrawText, kScreenPaints, nMeasures);
        t[1] = MedianPaint(view, dc, repaint, kScreenPaints, nMeasures);
        printf("    %-36s %8.2f %8.2f    %8.2f %8.2f\n", piece.pszWhat, t[0].dWall, t[0].dCpu,
               t[1].dWall, t[1].dCpu);
        for (int i = 0; i < 2; ++i) {
            if (piece.bCalendar && !piece.bNotes && !piece.bCaptions)
                empty[i] = t[i];
            if (piece.bNotes && piece.bCaptions)
                full[i] = t[i];
        }
    }
    view.m_bHideCalendar = false;
    const Timing year = YearPaints(view, doc, dc);
    ShowTexts(doc, true, true);
    PrintRatio("first paint / floor", cold1, known, "at most 1.3");
    PrintRatio("repaint / empty page, notes by DrawText", full[0], empty[0], nullptr);
    PrintRatio("repaint / empty page, from kept lines", full[1], empty[1], "at most 2");
    PrintRatio("year page / empty month page", year, empty[1], "at most 2");
}

// The lines of every box recorded as idle time after a first paint records
// them, one box at a time; forgetting the lines recorded before is untimed.
Timing IdleRecording(CAlmanarkView& view, CDC& dc) {
    CNoteFitter& fitter = view.m_noteFitter;
    view.OnDraw(&dc);
    return MedianTimes(
        kRounds, 1,
        [&] {
            while (fitter.RecordNext()) {
            }
        },
        [&] { fitter.ForgetLines(); });
}

void ScreenPaints(CAlmanarkView& view, CAlmanarkDoc& doc) {
    // A landscape sheet 1000 pixels high fills the client area.
    view.m_printer.SetPrinterOrientation(DMORIENT_LANDSCAPE);
    const int cx = kPageHeight * view.m_physWidth / std::max(view.m_physHeight, 1);
    view.MoveWindow(0, 0, cx, kPageHeight, false);
    const CRect rcClient = view.GetClientRect();
    view.MoveWindow(0, 0, 2 * cx - rcClient.Width(), 2 * kPageHeight - rcClient.Height(), false);
    CPage page(cx, kPageHeight, false);
    printf("screen page %d x %d pixels, 120-character notes, 500 events of the month\n", cx,
           kPageHeight);
    printf("  %-44s %11s %11s  %s\n", "median per paint", "wall", "CPU", "measurements");
    int nCold = 0, nKnown = 0, nSecond = 0, nRepaint = 0;
    const Timing cold1 = MedianPaint(view, page.Dc(), cold, kScreenPaints, nCold);
    const Timing known = MedianPaint(view, page.Dc(), knownSizes, kScreenPaints, nKnown);
    const Timing second = MedianPaint(view, page.Dc(), unrecorded, kScreenPaints, nSecond);
    const Timing full = MedianPaint(view, page.Dc(), repaint, kScreenPaints, nRepaint);
    const Timing idle = IdleRecording(view, page.Dc());
    PrintRow("first paint (heights searched)", cold1, nCold);
    PrintRow("floor: every height known in advance", known, nKnown);
    PrintRow("second paint (lines not yet recorded)", second, nSecond);
    PrintRow("later repaint of the unchanged page", full, nRepaint);
    PrintRow("idle time recording the lines (no paint)", idle, 0);
    PrintRatio("second paint / first paint", second, cold1, "at most 1.3");
    PrintRatio("later repaint / first paint", full, cold1, "at most 1.3");
    RepaintPieces(view, doc, page.Dc(), cold1, known);
}

// A repaint the user sees: the whole view invalidated, its background
// erased and the page painted through the window's own DC, in the frame
// laid out on the whole screen of xvfb-run.
Timing WindowRepaint(CAlmanarkView& view) {
    auto repaint = [&] {
        view.InvalidateRect(nullptr, true);
        view.UpdateWindow();
    };
    repaint(); // what the paint keeps
    repaint();
    return MedianTimes(kRounds, kScreenPaints, repaint);
}

void WindowRepaints(CAlmanarkView& view, CAlmanarkDoc& doc) {
    CWnd& frame = *theApp.m_pMainWnd;
    frame.MoveWindow(0, 0, 1280, 1024, true);
    frame.ShowWindow(SW_SHOW);
    const CRect rcView = view.GetClientRect();
    printf("window repaint, view %d x %d pixels%s\n", rcView.Width(), rcView.Height(),
           view.IsWindowVisible() ? "" : " (NOT VISIBLE: these figures mean nothing)");
    ShowTexts(doc, false, false);
    const Timing month = WindowRepaint(view);
    doc.m_bYearDoc = 1;
    const Timing year = WindowRepaint(view);
    view.m_keptPanels.m_bKeep = false;
    const Timing afresh = WindowRepaint(view);
    view.m_keptPanels.m_bKeep = true;
    doc.m_bYearDoc = 0;
    ShowTexts(doc, true, true);
    PrintRow("empty month page", month, 0);
    PrintRow("year page of 12 months, panels kept", year, 0);
    PrintRow("year page, panels drawn afresh", afresh, 0);
    PrintRatio("year page / empty month page", year, month, "at most 2");
}

void PrinterPaints(CAlmanarkView& view) {
    // The page of a 300-dpi printer, US Letter landscape, painted as for the printer.
    const int cx = 3300, cy = 2550;
    view.m_physWidth = view.m_printWidth = cx;
    view.m_physHeight = view.m_printHeight = cy;
    view.m_offsetX = view.m_offsetY = 0;
    CPage page(cx, cy, true);
    printf("300-dpi printer page %d x %d\n", cx, cy);
    int nCold = 0, nKnown = 0;
    const Timing cold1 = MedianPaint(view, page.Dc(), cold, kPrinterPaints, nCold);
    const Timing known = MedianPaint(view, page.Dc(), knownSizes, kPrinterPaints, nKnown);
    PrintRow("printer paint (heights searched)", cold1, nCold);
    PrintRow("floor: every height known in advance", known, nKnown);
    PrintRatio("printer paint / floor", cold1, known, "printer paint under 100 ms");
}
} // namespace

int main() {
    const CBenchApp app("bench_paint");
    if (!app.Started())
        return 1;
    CAlmanarkView& view = app.View();
    CAlmanarkDoc& doc = app.Doc();
    theApp.m_nNoteSize = 1;
    printf("medians of %d rounds; the machine is shared, so compare the ratios, and the CPU\n"
           "figures where it is busy (they leave out the window server's share)\n",
           kRounds);
    ScreenPaints(view, doc);
    WindowRepaints(view, doc);
    PrinterPaints(view);
    return 0;
}
