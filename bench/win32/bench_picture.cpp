// Paint cost of a large picture and of the year page: a month page with and
// without a 4000 x 3000 24-bit picture on a screen-sized and on a
// printer-sized DC, and a year page of twelve panels against the month page.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <algorithm>

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
const int kRounds = 5;
const int kPaintsPerRound = 10;

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

// A photograph-like gradient of 4000 x 3000 pixels.
bool AttachLargePicture(CAlmanarkDoc& doc) {
    const int cx = 4000, cy = 3000, nRow = cx * 3;
    BYTE* pBlock = new BYTE[sizeof(BITMAPINFOHEADER) + (size_t)nRow * cy];
    BITMAPINFOHEADER header = {sizeof header, cx, cy, 1, 24, BI_RGB, (DWORD)nRow * cy, 0, 0, 0, 0};
    memcpy(pBlock, &header, sizeof header);
    BYTE* pBits = pBlock + sizeof header;
    for (int y = 0; y < cy; ++y)
        for (int x = 0; x < cx; ++x) {
            BYTE* p = pBits + (size_t)y * nRow + 3 * x;
            p[0] = (BYTE)(x * 255 / cx);
            p[1] = (BYTE)(y * 255 / cy);
            p[2] = (BYTE)((x + y) & 255);
        }
    if (!doc.m_dib.AttachMemory(pBlock, TRUE, nullptr, sizeof header + (size_t)nRow * cy))
        return false;
    doc.m_bHasImage = 1;
    doc.m_dImgLeft = doc.m_dImgTop = 0.1;
    doc.m_dImgRight = doc.m_dImgBottom = 0.9;
    return true;
}

double TimePaints(CAlmanarkView& view, CDC& dc) {
    return MedianMs(kRounds, kPaintsPerRound, [&] { view.OnDraw(&dc); });
}
} // namespace

int main() {
    char szIni[MAX_PATH] = {0};
    if (!BenchStartProgram("bench_picture", szIni))
        return 1;
    CAlmanarkView& view = *theApp.m_pView;
    CAlmanarkDoc& doc = *theApp.m_pDoc;
    doc.m_nMonth = 5;
    doc.m_nYear = 1999;
    // The picture seen through the calendar, and the same hollow frames without it.
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
    if (!AttachLargePicture(doc)) {
        fprintf(stderr, "bench_picture: the picture was refused\n");
        return 1;
    }
    double dStart = BenchNow();
    view.OnDraw(&screen.m_dc);
    const double dFirst = (BenchNow() - dStart) * 1000.0;
    const double dPicture = TimePaints(view, screen.m_dc);
    dStart = BenchNow();
    view.OnDraw(&printer.m_dc);
    const double dPicturePrinter = (BenchNow() - dStart) * 1000.0;
    doc.m_bYearDoc = 1;
    doc.m_bHasImage = 0;
    view.OnDraw(&screen.m_dc);
    const double dYear = TimePaints(view, screen.m_dc);

    printf("screen page %d x %d, printer page %d x %d, picture 4000 x 3000 x 24 bits\n", cx,
           kPageHeight, view.m_printWidth + 10, view.m_printHeight + 10);
    printf("month page on screen:               %8.3f ms\n", dMonth);
    printf("  with the picture, first paint:    %8.3f ms\n", dFirst);
    printf("  with the picture, later paints:   %8.3f ms (ratio %.2f; target under 50 ms)\n",
           dPicture, dPicture / dMonth);
    printf("month page on the printer DC:       %8.3f ms\n", dMonthPrinter);
    printf("  with the picture:                 %8.3f ms (ratio %.2f)\n", dPicturePrinter,
           dPicturePrinter / dMonthPrinter);
    printf("year page of 12 panels on screen:   %8.3f ms (ratio %.2f to the month page; target "
           "under 2)\n",
           dYear, dYear / dMonth);

    if (theApp.m_pMainWnd)
        theApp.m_pMainWnd->DestroyWindow();
    DeleteFileA(szIni);
    return 0;
}
