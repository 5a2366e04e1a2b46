// The program's document, frame and view for the view tests, and a page
// painted into a 32-bit bitmap whose pixels the tests read.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "common/TestSupport.h"
#include "framework/Dc.h"
#include "view/MonthLayout.h"
#include "view/PrinterMetrics.h"

class CAlmanarkDoc;
class CAlmanarkView;
class CMainFrame;

// Creates the document, frame and view on the default printer, with the
// settings file in a temporary folder.
class CViewEnvironment : public testing::Environment {
public:
    void SetUp() override;
    void TearDown() override;
    // The metrics of the default printer as the view read them at start.
    static const CPrinterMetrics& PrinterMetrics();

private:
    std::unique_ptr<CTempDir> m_pDir;
};

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kGridGrey = RGB(127, 127, 127);
const COLORREF kSurroundGrey = RGB(192, 192, 192);
const COLORREF kYellow = RGB(255, 255, 0);
const COLORREF kMagenta = RGB(255, 0, 255);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kRed = RGB(255, 0, 0);

// A white 32-bit bitmap selected into a memory DC.
class CPaintedPage {
public:
    CPaintedPage(int cx, int cy, bool bPrinting = false);
    ~CPaintedPage();
    CPaintedPage(const CPaintedPage&) = delete;
    CPaintedPage& operator=(const CPaintedPage&) = delete;

    CDC& Dc() { return m_dc; }
    int Width() const { return m_cx; }
    int Height() const { return m_cy; }
    COLORREF At(int x, int y) const;
    // Pixels of rc (clipped to the bitmap) for which the test holds.
    int Count(const RECT& rc, const std::function<bool(COLORREF)>& test) const;
    int CountOf(const RECT& rc, COLORREF cr) const;
    int CountNot(const RECT& rc, COLORREF cr) const;
    // Same size and every pixel alike.
    bool SamePixels(const CPaintedPage& other) const;
    // FNV-1a over every pixel: a page compared with one painted by an earlier build.
    unsigned PixelHash() const;
    // Writes a .bmp file, for looking at a page by eye.
    bool Save(const char* pszPath) const;

private:
    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOld = nullptr;
    const DWORD* m_pBits = nullptr;
    int m_cx;
    int m_cy;
};

class CViewTest : public testing::Test {
protected:
    // May 1999 (the 1st is a Saturday), new placement, default look.
    void SetUp() override;
    void TearDown() override;

    CAlmanarkView& View();
    CAlmanarkDoc& Doc();
    CMainFrame& Frame();
    // Paints the view, sized cx by cy, into a fresh page.
    std::unique_ptr<CPaintedPage> Paint(int cx, int cy);
    // As the printer would get it: metrics of a small made-up printer and a
    // page the size of its printable area.
    std::unique_ptr<CPaintedPage> PaintAsPrinter();
    // The month layout the view uses for its window of cx by cy.
    CMonthLayout ScreenLayout(int cx, int cy);
    void SetMetrics(const CPrinterMetrics& metrics);
    void SetAllNotes(const CString& strNote);
    // Saves the page under ALMANARK_SHOT_DIR when that is set.
    void Keep(const CPaintedPage& page, const char* pszName);
};

// Installs the answer of last resort: OK, and a failure of the running test.
void AnswerUnexpected();
// The made-up printer of PaintAsPrinter: 850 by 1100 units, 25 unprintable.
CPrinterMetrics SmallPrinter();
// The box (column, row) of a day of May 1999.
void MayBox(int nDay, int& nCol, int& nRow);
