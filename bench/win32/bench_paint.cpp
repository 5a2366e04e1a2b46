// Paint cost of a crowded month page: 42 long notes and 500 events, on a
// page 1000 pixels high, once evaluating the events and once reusing the
// captions stored by the previous paint.
#include <algorithm>

#include "BenchProgram.h"

namespace {
const int kPageHeight = 1000;
const int kRounds = 5;
const int kPaintsPerRound = 20;

// Milliseconds per paint, the best of several rounds.
double TimePaints(CAlmanarkView& view, CDC& dc, bool bEvaluate) {
    double dBest = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const double dStart = BenchNow();
        for (int i = 0; i < kPaintsPerRound; ++i) {
            view.m_nEvalEvents = bEvaluate ? 1 : 0;
            view.OnDraw(&dc);
        }
        dBest = std::min(dBest, (BenchNow() - dStart) * 1000.0 / kPaintsPerRound);
    }
    return dBest;
}
} // namespace

int main() {
    char szIni[MAX_PATH] = {0};
    if (!BenchStartProgram("bench_paint.ini", szIni)) {
        fprintf(stderr, "bench_paint: the program did not start\n");
        return 1;
    }
    CAlmanarkView& view = *theApp.m_pView;
    BenchFillCalendar(*theApp.m_pDoc);
    // A landscape sheet 1000 pixels high.
    const int cx = kPageHeight * view.m_physWidth / std::max(view.m_physHeight, 1);
    BenchSizeView(view, cx, kPageHeight);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -kPageHeight;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HGDIOBJ hOld = dc.SelectObject(hBitmap);

    view.m_nEvalEvents = 1;
    view.OnDraw(&dc); // warm-up: fonts, captions
    const double dEvaluate = TimePaints(view, dc, true);
    const double dReuse = TimePaints(view, dc, false);
    printf("page %d x %d pixels, 42 notes of 120 characters, 500 events\n", cx, kPageHeight);
    printf("paint evaluating events: %.3f ms\n", dEvaluate);
    printf("paint reusing captions:  %.3f ms\n", dReuse);
    printf("ratio: %.3f (evaluation adds %.1f%%; target at most 25%%)\n", dEvaluate / dReuse,
           (dEvaluate / dReuse - 1.0) * 100.0);

    dc.SelectObject(hOld);
    DeleteObject(hBitmap);
    BenchEnd(szIni);
    return 0;
}
