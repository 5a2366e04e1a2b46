#include "ViewFixture.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/AlmanarkApp.h"
#include "dates/DateCalc.h"
#include "document/AlmanarkDoc.h"
#include "frame/MainFrame.h"
#include "framework/DocTemplate.h"
#include "resources/resource.h"
#include "view/AlmanarkView.h"
#include "view/PageGeometry.h"

namespace {
CPrinterMetrics s_metrics;
} // namespace

void CViewEnvironment::SetUp() {
    AnswerUnexpected();
    m_pDir = std::make_unique<CTempDir>("almview");
    theApp.SetProfileName(m_pDir->File("Almanark.ini"));
    ASSERT_TRUE(theApp.LoadSettings()) << "no printer";
    theApp.AddDocTemplate(new CSingleDocTemplate(
        IDR_MAINFRAME, RuntimeClassOf<CAlmanarkDoc>("CAlmanarkDoc"),
        RuntimeClassOf<CMainFrame>("CMainFrame"), RuntimeClassOf<CAlmanarkView>("CAlmanarkView")));
    theApp.OnFileNew();
    ASSERT_TRUE(theApp.m_pView && theApp.m_pDoc && theApp.m_pFrame);
    PumpMessages();
    const CAlmanarkView& view = *theApp.m_pView;
    s_metrics.m_physWidth = view.m_physWidth;
    s_metrics.m_physHeight = view.m_physHeight;
    s_metrics.m_offsetX = view.m_offsetX;
    s_metrics.m_offsetY = view.m_offsetY;
    s_metrics.m_printWidth = view.m_printWidth;
    s_metrics.m_printHeight = view.m_printHeight;
}

void CViewEnvironment::TearDown() {
    if (theApp.m_pMainWnd && theApp.m_pMainWnd->GetSafeHwnd())
        theApp.m_pMainWnd->DestroyWindow();
    PumpMessages();
    theApp.SetProfileName(nullptr);
    m_pDir.reset();
}

const CPrinterMetrics& CViewEnvironment::PrinterMetrics() {
    return s_metrics;
}

CPaintedPage::CPaintedPage(int cx, int cy, bool bPrinting) : m_cx(cx), m_cy(cy) {
    m_dc.CreateCompatibleDC(nullptr);
    m_dc.m_bPrinting = bPrinting;
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy; // top-down
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* pBits = nullptr;
    m_hBitmap = ::CreateDIBSection(m_dc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    m_pBits = static_cast<const DWORD*>(pBits);
    m_hOld = m_dc.SelectObject(m_hBitmap);
    ::PatBlt(m_dc, 0, 0, cx, cy, WHITENESS);
}

CPaintedPage::~CPaintedPage() {
    m_dc.SelectObject(m_hOld);
    ::DeleteObject(m_hBitmap);
}

bool CPaintedPage::SamePixels(const CPaintedPage& other) const {
    ::GdiFlush();
    return m_cx == other.m_cx && m_cy == other.m_cy && m_pBits && other.m_pBits &&
           std::equal(m_pBits, m_pBits + size_t(m_cx) * m_cy, other.m_pBits);
}

unsigned CPaintedPage::PixelHash() const {
    ::GdiFlush();
    unsigned nHash = 2166136261u;
    for (size_t i = 0; m_pBits && i < size_t(m_cx) * m_cy; ++i)
        for (int nByte = 0; nByte < 3; ++nByte)
            nHash = (nHash ^ ((m_pBits[i] >> (8 * nByte)) & 0xFF)) * 16777619u;
    return nHash;
}

COLORREF CPaintedPage::At(int x, int y) const {
    ::GdiFlush();
    if (!m_pBits || x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_INVALID;
    const DWORD px = m_pBits[(size_t)y * m_cx + x];
    return RGB((px >> 16) & 0xFF, (px >> 8) & 0xFF, px & 0xFF);
}

int CPaintedPage::Count(const RECT& rc, const std::function<bool(COLORREF)>& test) const {
    int n = 0;
    for (int y = std::max<int>(rc.top, 0); y < std::min<int>(rc.bottom, m_cy); ++y)
        for (int x = std::max<int>(rc.left, 0); x < std::min<int>(rc.right, m_cx); ++x)
            n += test(At(x, y)) ? 1 : 0;
    return n;
}

int CPaintedPage::CountOf(const RECT& rc, COLORREF cr) const {
    return Count(rc, [cr](COLORREF c) { return c == cr; });
}

int CPaintedPage::CountNot(const RECT& rc, COLORREF cr) const {
    return Count(rc, [cr](COLORREF c) { return c != cr; });
}

bool CPaintedPage::Save(const char* pszPath) const {
    ::GdiFlush();
    BITMAPFILEHEADER bfh = {};
    BITMAPINFOHEADER bih = {};
    bih.biSize = sizeof bih;
    bih.biWidth = m_cx;
    bih.biHeight = -m_cy;
    bih.biPlanes = 1;
    bih.biBitCount = 32;
    const DWORD cbBits = (DWORD)m_cx * m_cy * 4;
    bfh.bfType = 0x4D42;
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + cbBits;
    FILE* f = fopen(pszPath, "wb");
    if (!f)
        return false;
    bool bOK = fwrite(&bfh, sizeof bfh, 1, f) == 1 && fwrite(&bih, sizeof bih, 1, f) == 1 &&
               fwrite(m_pBits, 1, cbBits, f) == cbBits;
    return fclose(f) == 0 && bOK;
}

CPrinterMetrics SmallPrinter() {
    CPrinterMetrics metrics;
    metrics.m_physWidth = 850;
    metrics.m_physHeight = 1100;
    metrics.m_offsetX = 25;
    metrics.m_offsetY = 25;
    metrics.m_printWidth = 850 - 50 - 10;
    metrics.m_printHeight = 1100 - 50 - 10;
    return metrics;
}

void MayBox(int nDay, int& nCol, int& nRow) {
    const int nSlot = 6 + nDay - 1; // 1 May 1999 is a Saturday
    nCol = nSlot % 7;
    nRow = nSlot / 7;
}

// Nothing may wait for a user: a box or dialog nobody expected fails the test.
void AnswerUnexpected() {
    CModalSeam::SetResponder([](CModalRequest& request) {
        ADD_FAILURE() << "unexpected modal request " << request.kind << ": " << request.strText;
        return request.kind == CModalRequest::messageBox ? IDOK : 0;
    });
}

void CViewTest::SetUp() {
    AnswerUnexpected();
    theApp.m_nDaySwap = 0;
    theApp.m_nNoteSize = 1;
    theApp.m_nDateSize = 0;
    theApp.m_nDateStyle = 1;
    theApp.m_nDateSwap = 0;
    theApp.m_crDateColor = theApp.m_crTitleColor = 0;
    theApp.m_crNotesColor = theApp.m_crWeekdayColor = 0;
    theApp.m_nOrientation = 2;
    theApp.m_options = COptions();
    theApp.m_strAllEvents.Empty();
    theApp.ClearEventText();
    CAlmanarkDoc& doc = Doc();
    doc.m_nMonth = 5;
    doc.m_nYear = 1999;
    doc.m_dCalTop = -1.0;
    doc.m_bHasImage = 0;
    doc.m_bYearDoc = 0;
    doc.m_bImageShowsThrough = 0;
    doc.m_bTitleLarge = 0;
    doc.m_bResetOnNew = 0;
    doc.m_lfDate.lfItalic = doc.m_lfTitle.lfItalic = 0;
    SetAllNotes("");
    CAlmanarkView& view = View();
    view.m_nEvalEvents = 1;
    view.m_nRefreshNote = 0;
    view.m_nClearModified = 0;
    view.m_selDay = 1;
    view.m_selCol = view.m_selRow = -1;
    view.m_nImgPositioning = view.m_nPictureFirst = view.m_nCalPositioning = 0;
    SetMetrics(CViewEnvironment::PrinterMetrics());
    doc.m_strTitle.Empty();
    Frame().m_wndStylePage.ShowTitle("");
}

void CViewTest::TearDown() {
    PumpMessages();
}

CAlmanarkView& CViewTest::View() {
    return *theApp.m_pView;
}
CAlmanarkDoc& CViewTest::Doc() {
    return *theApp.m_pDoc;
}
CMainFrame& CViewTest::Frame() {
    return *theApp.m_pFrame;
}

std::unique_ptr<CPaintedPage> CViewTest::Paint(int cx, int cy) {
    // The view's edge takes part of its window.
    View().MoveWindow(0, 0, cx, cy, false);
    const CRect rcClient = View().GetClientRect();
    View().MoveWindow(0, 0, 2 * cx - rcClient.Width(), 2 * cy - rcClient.Height(), false);
    auto page = std::make_unique<CPaintedPage>(cx, cy);
    View().OnDraw(&page->Dc());
    return page;
}

std::unique_ptr<CPaintedPage> CViewTest::PaintAsPrinter() {
    const CPrinterMetrics metrics = SmallPrinter();
    SetMetrics(metrics);
    auto page =
        std::make_unique<CPaintedPage>(metrics.m_printWidth + 10, metrics.m_printHeight + 10, true);
    View().OnDraw(&page->Dc());
    return page;
}

CMonthLayout CViewTest::ScreenLayout(int cx, int cy) {
    const CAlmanarkDoc& doc = Doc();
    CPrinterMetrics metrics;
    metrics.m_physWidth = View().m_physWidth;
    metrics.m_physHeight = View().m_physHeight;
    metrics.m_offsetX = View().m_offsetX;
    metrics.m_offsetY = View().m_offsetY;
    metrics.m_printWidth = View().m_printWidth;
    metrics.m_printHeight = View().m_printHeight;
    const CPageGeometry page(metrics, theApp.m_nOrientation == 2, cx, cy);
    return CMonthLayout(
        page.CalendarBox(doc.m_dCalLeft, doc.m_dCalTop, doc.m_dCalRight, doc.m_dCalBottom),
        theApp.m_nDateSize || doc.m_bTitleLarge,
        CWeekLayout(doc.m_nYear, doc.m_nMonth, theApp.m_options.m_nFirstWeekday),
        theApp.m_options.m_bWeekNumbers);
}

void CViewTest::SetMetrics(const CPrinterMetrics& metrics) {
    CAlmanarkView& view = View();
    view.m_physWidth = metrics.m_physWidth;
    view.m_physHeight = metrics.m_physHeight;
    view.m_offsetX = metrics.m_offsetX;
    view.m_offsetY = metrics.m_offsetY;
    view.m_printWidth = metrics.m_printWidth;
    view.m_printHeight = metrics.m_printHeight;
}

void CViewTest::SetAllNotes(const CString& strNote) {
    for (int c = 0; c < 7; ++c)
        for (int r = 0; r < 6; ++r)
            Doc().SetNote(strNote, c, r);
}

void CViewTest::Keep(const CPaintedPage& page, const char* pszName) {
    const char* pszDir = getenv("ALMANARK_SHOT_DIR");
    if (pszDir && *pszDir)
        page.Save(CString(pszDir) + "\\" + pszName + ".bmp");
}
