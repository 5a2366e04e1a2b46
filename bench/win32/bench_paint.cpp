// Paint cost of a crowded month page: 42 long notes and 500 events, on a
// page 1000 pixels high, once evaluating the events and once reusing the
// captions stored by the previous paint.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <vector>

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
const int kRounds = 5;
const int kPaintsPerRound = 20;

double Now() {
    static LARGE_INTEGER s_frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return double(t.QuadPart) / double(s_frequency.QuadPart);
}

bool StartProgram(const char* pszIni) {
    CModalSeam::SetResponder([](CModalRequest& request) {
        fprintf(stderr, "bench_paint: %s\n", request.strText.c_str());
        return request.kind == CModalRequest::messageBox ? IDOK : 0;
    });
    theApp.SetProfileName(pszIni);
    if (!theApp.LoadSettings())
        return false;
    theApp.AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME, RuntimeClassOf<CAlmanarkDoc>("CAlmanarkDoc"),
        RuntimeClassOf<CMainFrame>("CMainFrame"), RuntimeClassOf<CAlmanarkView>("CAlmanarkView")));
    theApp.OnFileNew();
    return theApp.m_pView && theApp.m_pDoc;
}

void FillCalendar(CAlmanarkDoc& doc) {
    doc.m_nMonth = 5;
    doc.m_nYear = 1999;
    CString strNote;
    for (int i = 0; strNote.GetLength() < 120; ++i)
        strNote += "appointment" + CString::FromInt(i) + " ";
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 6; ++r)
            doc.SetNote(strNote.Left(120), c, r);
    static const char* const s_apszForms[] = {"May %02d",       "Jun %02d",    "May %02d, 1999",
                                              "Jul %02d, 2001", "May-Mon #%d", "Nov-Thu #%d"};
    CString strEvents;
    for (int i = 0; i < 500; ++i) {
        CString strDate;
        strDate.Format(s_apszForms[i % 6], i % 6 >= 4 ? 1 + i % 4 : 1 + (i * 7) % 31);
        strEvents += strDate + "\tEvent caption " + CString::FromInt(i) + "\r\n";
    }
    theApp.m_strAllEvents = strEvents;
}

// Milliseconds per paint, the best of several rounds.
double TimePaints(CAlmanarkView& view, CDC& dc, bool bEvaluate) {
    double dBest = 1e9;
    for (int round = 0; round < kRounds; ++round) {
        const double dStart = Now();
        for (int i = 0; i < kPaintsPerRound; ++i) {
            view.m_nEvalEvents = bEvaluate ? 1 : 0;
            view.OnDraw(&dc);
        }
        dBest = std::min(dBest, (Now() - dStart) * 1000.0 / kPaintsPerRound);
    }
    return dBest;
}
} // namespace

int main() {
    INITCOMMONCONTROLSEX icc = {sizeof(icc), ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    char szIni[MAX_PATH] = {0};
    GetTempPathA(MAX_PATH, szIni);
    lstrcatA(szIni, "bench_paint.ini");
    if (!StartProgram(szIni)) {
        fprintf(stderr, "bench_paint: the program did not start\n");
        return 1;
    }
    CAlmanarkView& view = *theApp.m_pView;
    FillCalendar(*theApp.m_pDoc);
    // A landscape sheet 1000 pixels high.
    const int cx = kPageHeight * view.m_physWidth / std::max(view.m_physHeight, 1);
    view.MoveWindow(0, 0, cx, kPageHeight, false);
    const CRect rcClient = view.GetClientRect();
    view.MoveWindow(0, 0, 2 * cx - rcClient.Width(), 2 * kPageHeight - rcClient.Height(), false);

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
    if (theApp.m_pMainWnd)
        theApp.m_pMainWnd->DestroyWindow();
    DeleteFileA(szIni);
    return 0;
}
