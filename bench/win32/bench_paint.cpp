// Paint cost of a crowded month page: a 120-character note in every day box
// and 500 events that all fall inside the shown month, on a page 1000
// pixels high and on a 300-dpi printer page. Each figure is the median of
// its rounds; the ratios compare figures of the same run, which is what
// counts on a machine shared with other busy programs.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

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

enum Mode { cold, knownSizes, repaint };

// A paint as a first paint does it (nothing kept), as one that knew every
// font height in advance (measured once for the overflow mark), or as a
// repaint of an unchanged page.
double MedianPaint(CAlmanarkView& view, CDC& dc, Mode mode, int nPaints, int& nMeasures) {
    CNoteFitter& fitter = view.m_noteFitter;
    view.m_nEvalEvents = 1;
    view.OnDraw(&dc); // what the modes keep
    fitter.m_bMeasureKnownFits = mode == knownSizes;
    fitter.m_nMeasures = 0;
    const double dMs = MedianMs(kRounds, nPaints, [&] {
        if (mode != repaint) {
            fitter.ForgetFonts();
            view.m_nEvalEvents = 1;
        }
        if (mode == cold)
            fitter.ForgetFits();
        view.OnDraw(&dc);
    });
    nMeasures = fitter.m_nMeasures / (kRounds * nPaints);
    fitter.m_bMeasureKnownFits = false;
    return dMs;
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

void PrintRow(const char* pszWhat, double dMs, int nMeasures) {
    printf("  %-44s %8.2f ms  %4d measurements\n", pszWhat, dMs, nMeasures);
}

void ScreenPaints(CAlmanarkView& view, CAlmanarkDoc& doc) {
    // A landscape sheet 1000 pixels high fills the client area.
    view.m_printer.SetPrinterOrientation(DMORIENT_LANDSCAPE);
    const int cx = kPageHeight * view.m_physWidth / std::max(view.m_physHeight, 1);
    view.MoveWindow(0, 0, cx, kPageHeight, false);
    const CRect rcClient = view.GetClientRect();
    view.MoveWindow(0, 0, 2 * cx - rcClient.Width(), 2 * kPageHeight - rcClient.Height(), false);
    CPage page(cx, kPageHeight, false);
    printf("screen page %d x %d pixels, 120-character notes, 500 events of the month:\n", cx,
           kPageHeight);
    int nCold = 0, nKnown = 0, nRepaint = 0, nEmpty = 0;
    const double dCold = MedianPaint(view, page.Dc(), cold, 10, nCold);
    const double dKnown = MedianPaint(view, page.Dc(), knownSizes, 10, nKnown);
    const double dRepaint = MedianPaint(view, page.Dc(), repaint, 10, nRepaint);
    BenchFillCalendar(doc, false);
    const double dEmpty = MedianPaint(view, page.Dc(), repaint, 10, nEmpty);
    BenchFillCalendar(doc, true);
    PrintRow("first paint (heights searched)", dCold, nCold);
    PrintRow("floor: every height known in advance", dKnown, nKnown);
    PrintRow("repaint of the unchanged page", dRepaint, nRepaint);
    PrintRow("repaint of an empty page (no notes, events)", dEmpty, nEmpty);
    printf("  ratio first paint / floor:  %.2f (target at most 1.3)\n", dCold / dKnown);
    printf("  ratio repaint / empty page: %.2f (target at most 2)\n", dRepaint / dEmpty);
}

void PrinterPaints(CAlmanarkView& view) {
    // The page of a 300-dpi printer, US Letter landscape, painted as for the printer.
    const int cx = 3300, cy = 2550;
    view.m_physWidth = view.m_printWidth = cx;
    view.m_physHeight = view.m_printHeight = cy;
    view.m_offsetX = view.m_offsetY = 0;
    CPage page(cx, cy, true);
    printf("300-dpi printer page %d x %d:\n", cx, cy);
    int nCold = 0, nKnown = 0;
    const double dCold = MedianPaint(view, page.Dc(), cold, 2, nCold);
    const double dKnown = MedianPaint(view, page.Dc(), knownSizes, 2, nKnown);
    PrintRow("printer paint (heights searched)", dCold, nCold);
    PrintRow("floor: every height known in advance", dKnown, nKnown);
    printf("  ratio: %.2f; target: printer paint under 100 ms\n", dCold / dKnown);
}
} // namespace

int main() {
    char szIni[MAX_PATH] = {0};
    if (!BenchStartProgram("bench_paint", szIni))
        return 1;
    CAlmanarkView& view = *theApp.m_pView;
    CAlmanarkDoc& doc = *theApp.m_pDoc;
    theApp.m_nNoteSize = 1;
    BenchFillCalendar(doc, true);
    printf("medians of %d rounds; the machine is shared, so compare the ratios\n", kRounds);
    ScreenPaints(view, doc);
    PrinterPaints(view);
    if (theApp.m_pMainWnd)
        theApp.m_pMainWnd->DestroyWindow();
    DeleteFileA(szIni);
    return 0;
}
