#include <windows.h>
#include <gtest/gtest.h>
#include <cstring>
#include <utility>

#include "framework/AutoSelect.h"
#include "framework/Brush.h"
#include "framework/Dc.h"
#include "framework/Font.h"
#include "framework/Palette.h"
#include "framework/Pen.h"
#include "framework/TestFrame.h"

namespace {
bool CreateFace(CFont& font, const char* pszFace, int nHeight) {
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    strncpy(lf.lfFaceName, pszFace, LF_FACESIZE - 1);
    return font.CreateFontIndirect(&lf);
}

// A memory DC drawing into a 64 x 64 true-colour bitmap, white at start.
class CGdiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr));
        BITMAPINFO bmi = {};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = 64;
        bmi.bmiHeader.biHeight = 64;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* pBits = nullptr;
        m_hBitmap = ::CreateDIBSection(m_dc, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
        ASSERT_NE(m_hBitmap, nullptr);
        m_hOldBitmap = m_dc.SelectObject(m_hBitmap);
        m_dc.FillSolidRect(CRect(0, 0, 64, 64), RGB(255, 255, 255));
    }
    void TearDown() override {
        m_dc.SelectObject(m_hOldBitmap);
        ::DeleteObject(m_hBitmap);
    }
    COLORREF Pixel(int x, int y) { return ::GetPixel(m_dc, x, y); }

    CDC m_dc;
    HBITMAP m_hBitmap = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
};

class CPaintProbe : public CTestFrame {
public:
    LRESULT WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam) override {
        if (nMsg == WM_PAINT) {
            CPaintDC dc(this);
            m_rcPainted = dc.m_ps.rcPaint;
            m_bHadDC = dc.GetSafeHdc() != nullptr;
            return 0;
        }
        return CTestFrame::WindowProc(nMsg, wParam, lParam);
    }
    CRect m_rcPainted;
    bool m_bHadDC = false;
};
} // namespace

TEST_F(CGdiTest, ScopedSelectionRestoresAndFreesTheObjects) {
    HGDIOBJ hPenBefore = ::GetCurrentObject(m_dc, OBJ_PEN);
    HGDIOBJ hBrushBefore = ::GetCurrentObject(m_dc, OBJ_BRUSH);
    HGDIOBJ hPen = nullptr, hBrush = nullptr;
    {
        CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
        CBrush brush(RGB(0, 0, 255));
        hPen = pen.GetSafeHandle();
        hBrush = brush.GetSafeHandle();
        CAutoSelect selPen(m_dc, pen);
        CAutoSelect selBrush(m_dc, brush);
        EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_PEN), hPen);
        EXPECT_TRUE(m_dc.Rectangle(CRect(4, 4, 30, 30)));
    }
    EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_PEN), hPenBefore);
    EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_BRUSH), hBrushBefore);
    // Deselected before their owners went, so they were really deleted.
    EXPECT_EQ(::GetObjectType(hPen), 0u);
    EXPECT_EQ(::GetObjectType(hBrush), 0u);
    EXPECT_EQ(Pixel(4, 4), RGB(255, 0, 0));
    EXPECT_EQ(Pixel(15, 15), RGB(0, 0, 255));
    EXPECT_EQ(Pixel(40, 40), RGB(255, 255, 255));

    CFont font;
    ASSERT_TRUE(CreateFace(font, "Arial", -13));
    HGDIOBJ hFontBefore = ::GetCurrentObject(m_dc, OBJ_FONT);
    {
        CAutoSelect sel(m_dc, font);
        sel.Restore();
        EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_FONT), hFontBefore);
        m_dc.SelectObject(font);
    } // a restored selection does nothing more at its end
    EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_FONT), font.GetSafeHandle());
    m_dc.SelectObject(hFontBefore);
}

TEST_F(CGdiTest, SaveAndRestoreTheDcState) {
    COLORREF crText = m_dc.GetTextColor();
    int nBkMode = m_dc.GetBkMode();
    HGDIOBJ hFont = ::GetCurrentObject(m_dc, OBJ_FONT);
    CFont font;
    ASSERT_TRUE(CreateFace(font, "Times New Roman", -16));
    int nSaved = m_dc.SaveDC();
    ASSERT_NE(nSaved, 0);
    m_dc.SetTextColor(RGB(10, 20, 30));
    m_dc.SetBkMode(TRANSPARENT);
    ::SetTextAlign(m_dc, TA_RIGHT);
    m_dc.SelectObject(font);
    EXPECT_TRUE(m_dc.RestoreDC(nSaved));
    EXPECT_EQ(m_dc.GetTextColor(), crText);
    EXPECT_EQ(m_dc.GetBkMode(), nBkMode);
    EXPECT_EQ(m_dc.GetTextAlign(), (UINT)TA_LEFT);
    EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_FONT), hFont);

    COLORREF crBk = ::GetBkColor(m_dc);
    m_dc.FillSolidRect(CRect(50, 50, 60, 60), RGB(0, 128, 0));
    EXPECT_EQ(Pixel(55, 55), RGB(0, 128, 0));
    EXPECT_EQ(::GetBkColor(m_dc), crBk);
}

TEST_F(CGdiTest, FontsAndTextMeasurement) {
    CFont font;
    ASSERT_TRUE(CreateFace(font, "Arial", -16));
    LOGFONTA lf = {};
    ASSERT_EQ(::GetObjectA(font.GetSafeHandle(), sizeof lf, &lf), (int)sizeof lf);

    CAutoSelect sel(m_dc, font);
    TEXTMETRICA tm = {};
    ASSERT_TRUE(::GetTextMetricsA(m_dc, &tm));
    EXPECT_NEAR(tm.tmHeight - tm.tmInternalLeading, -lf.lfHeight, 1);
    CSize size = m_dc.GetTextExtent(CString(" Wednesday "));
    EXPECT_EQ(size.cy, tm.tmHeight);
    EXPECT_GT(size.cx, m_dc.GetTextExtent(CString("Wednesday")).cx);

    // Word-break measurement: a long note needs several lines in a narrow box.
    CString strNote = "Dentist at nine, then lunch with the whole family";
    CRect rc(0, 0, 60, 0);
    int nHeight = m_dc.DrawText(strNote, &rc, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
    EXPECT_GE(nHeight, 3 * tm.tmHeight);
    EXPECT_EQ(rc.Height(), nHeight);
    EXPECT_LE(rc.Width(), 60);

    LOGFONTA lfBold = lf;
    lfBold.lfWeight = FW_BOLD;
    lfBold.lfHeight = 18;
    CFont bold;
    ASSERT_TRUE(bold.CreateFontIndirect(&lfBold));
    LOGFONTA lfBack = {};
    ASSERT_EQ(::GetObjectA(bold.GetSafeHandle(), sizeof lfBack, &lfBack), (int)sizeof lfBack);
    EXPECT_EQ(lfBack.lfWeight, FW_BOLD);
    EXPECT_EQ(lfBack.lfHeight, 18);
}

TEST_F(CGdiTest, OwnershipOfDcsAndObjects) {
    HDC hOwned = nullptr;
    {
        CDC owned;
        ASSERT_TRUE(owned.CreateCompatibleDC(&m_dc));
        hOwned = owned.GetSafeHdc();
    }
    EXPECT_EQ(::GetObjectType(hOwned), 0u);

    HDC hBorrowed = ::CreateCompatibleDC(nullptr);
    {
        CDC borrowed;
        borrowed.Attach(hBorrowed);
        EXPECT_EQ(borrowed.GetSafeHdc(), hBorrowed);
    }
    EXPECT_NE(::GetObjectType(hBorrowed), 0u);
    {
        CDC adopted;
        adopted.Adopt(hBorrowed);
    }
    EXPECT_EQ(::GetObjectType(hBorrowed), 0u);

    CPen first(PS_DASH, 1, RGB(1, 2, 3));
    HGDIOBJ hPen = first.GetSafeHandle();
    CPen second(std::move(first));
    EXPECT_EQ(first.GetSafeHandle(), nullptr);
    EXPECT_EQ(second.GetSafeHandle(), hPen);
    LOGPEN lp = {};
    ASSERT_EQ(::GetObjectA(second.GetSafeHandle(), sizeof lp, &lp), (int)sizeof lp);
    EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));
    EXPECT_EQ(lp.lopnStyle, (UINT)PS_DASH);
    second.CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
    EXPECT_EQ(::GetObjectType(hPen), 0u);
}

TEST_F(CGdiTest, HalftonePaletteSelection) {
    CPalette palette;
    ASSERT_TRUE(palette.CreateHalftonePalette(&m_dc));
    PALETTEENTRY entry = {};
    EXPECT_EQ(palette.GetPaletteEntries(0, 1, &entry), 1u);
    HPALETTE hOld = m_dc.SelectPalette(palette, false);
    EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_PAL), palette.GetSafeHandle());
    m_dc.RealizePalette();
    m_dc.SelectPalette(hOld, false);
    EXPECT_EQ(::GetCurrentObject(m_dc, OBJ_PAL), (HGDIOBJ)hOld);
}

TEST(WindowDCs, PaintAndClientDCsBelongToTheirWindow) {
    CPaintProbe wnd;
    ASSERT_TRUE(wnd.Create(200, 100));
    ::ValidateRect(wnd, nullptr);
    CRect rcDirty(10, 10, 50, 40);
    wnd.InvalidateRect(rcDirty, false);
    wnd.UpdateWindow();
    EXPECT_TRUE(wnd.m_bHadDC);
    EXPECT_EQ(wnd.m_rcPainted, rcDirty);
    // EndPaint validated the area.
    EXPECT_FALSE(::GetUpdateRect(wnd, nullptr, FALSE));

    HDC hDC = nullptr;
    {
        CClientDC dc(&wnd);
        hDC = dc.GetSafeHdc();
        ASSERT_NE(hDC, nullptr);
        EXPECT_EQ(::WindowFromDC(hDC), wnd.GetSafeHwnd());
        dc.FillSolidRect(CRect(0, 0, 5, 5), RGB(255, 0, 0));
    }
    {
        CWindowDC dc(&wnd);
        EXPECT_EQ(::WindowFromDC(dc), wnd.GetSafeHwnd());
    }
}
