// CDC: a device context with the drawing calls the program uses. A DC made
// by CreateDC, CreateIC, CreateCompatibleDC or handed over with Adopt is
// deleted with the object; one given to Attach is only borrowed.
#pragma once
#include <windows.h>
#include "framework/Rect.h"
#include "framework/String.h"

class CGdiObject;
class CPalette;

class CDC {
public:
    CDC() = default;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    bool CreateDC(const char* pszDriver, const char* pszDevice, const char* pszOutput,
                  const DEVMODEA* pDevMode);
    // A memory DC like pDC's (the screen's when null).
    bool CreateCompatibleDC(CDC* pDC);
    void DeleteDC();
    void Attach(HDC hDC);
    void Adopt(HDC hDC);
    HDC Detach();

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }
    // True for the printer and print preview: screen-only marks stay off.
    bool IsPrinting() const { return m_bPrinting; }

    int GetDeviceCaps(int nIndex) const { return ::GetDeviceCaps(m_hDC, nIndex); }
    int SaveDC() { return ::SaveDC(m_hDC); }
    bool RestoreDC(int nSavedDC) { return ::RestoreDC(m_hDC, nSavedDC) != 0; }

    // Selection: each returns the object it replaced, for restoring.
    HGDIOBJ SelectObject(HGDIOBJ hObject) { return ::SelectObject(m_hDC, hObject); }
    HGDIOBJ SelectObject(const CGdiObject& object);
    HPALETTE SelectPalette(HPALETTE hPalette, bool bForceBackground) {
        return ::SelectPalette(m_hDC, hPalette, bForceBackground);
    }
    HPALETTE SelectPalette(const CPalette& palette, bool bForceBackground);
    UINT RealizePalette() { return ::RealizePalette(m_hDC); }

    COLORREF SetTextColor(COLORREF cr) { return ::SetTextColor(m_hDC, cr); }
    COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
    COLORREF SetBkColor(COLORREF cr) { return ::SetBkColor(m_hDC, cr); }
    int SetBkMode(int nMode) { return ::SetBkMode(m_hDC, nMode); }
    int GetBkMode() const { return ::GetBkMode(m_hDC); }
    UINT GetTextAlign() const { return ::GetTextAlign(m_hDC); }
    int SetStretchBltMode(int nMode) { return ::SetStretchBltMode(m_hDC, nMode); }
    int SetMapMode(int nMode) { return ::SetMapMode(m_hDC, nMode); }
    void LPtoDP(POINT* pts, int nCount = 1) const { ::LPtoDP(m_hDC, pts, nCount); }
    int IntersectClipRect(const RECT& rc) {
        return ::IntersectClipRect(m_hDC, rc.left, rc.top, rc.right, rc.bottom);
    }
    CRect GetClipBox() const;

    bool Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b) != 0; }
    bool Rectangle(const RECT& rc) { return Rectangle(rc.left, rc.top, rc.right, rc.bottom); }
    bool Ellipse(const RECT& rc) {
        return ::Ellipse(m_hDC, rc.left, rc.top, rc.right, rc.bottom) != 0;
    }
    void FillRect(const RECT& rc, HBRUSH hBrush) { ::FillRect(m_hDC, &rc, hBrush); }
    void FillSolidRect(const RECT& rc, COLORREF cr);
    void FrameRect(const RECT& rc, HBRUSH hBrush) { ::FrameRect(m_hDC, &rc, hBrush); }
    void DrawFocusRect(const RECT& rc) { ::DrawFocusRect(m_hDC, &rc); }
    bool DrawEdge(RECT* pRect, UINT nEdge, UINT nFlags) {
        return ::DrawEdge(m_hDC, pRect, nEdge, nFlags) != 0;
    }
    bool PatBlt(int x, int y, int cx, int cy, DWORD dwRop) {
        return ::PatBlt(m_hDC, x, y, cx, cy, dwRop) != 0;
    }
    bool BitBlt(int x, int y, int cx, int cy, const CDC& src, int xSrc, int ySrc, DWORD dwRop) {
        return ::BitBlt(m_hDC, x, y, cx, cy, src.m_hDC, xSrc, ySrc, dwRop) != 0;
    }
    int StretchDIBits(int x, int y, int cx, int cy, int xSrc, int ySrc, int cxSrc, int cySrc,
                      const void* pBits, const BITMAPINFO* pInfo, UINT nUsage, DWORD dwRop) {
        return ::StretchDIBits(m_hDC, x, y, cx, cy, xSrc, ySrc, cxSrc, cySrc, pBits, pInfo, nUsage,
                               dwRop);
    }

    // Height of the text drawn; with DT_CALCRECT *pRect receives the extent.
    int DrawText(const char* pszText, int nCount, RECT* pRect, UINT nFormat) {
        return ::DrawTextA(m_hDC, pszText, nCount, pRect, nFormat);
    }
    int DrawText(const CString& str, RECT* pRect, UINT nFormat) {
        return DrawText(str, str.GetLength(), pRect, nFormat);
    }
    CSize GetTextExtent(const char* pszText, int nCount) const;
    CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }

    // Printing.
    int StartDoc(const char* pszDocName, const char* pszOutput = nullptr);
    int StartPage() { return ::StartPage(m_hDC); }
    int EndPage() { return ::EndPage(m_hDC); }
    int EndDoc() { return ::EndDoc(m_hDC); }
    int AbortDoc() { return ::AbortDoc(m_hDC); }

    HDC m_hDC = nullptr;
    bool m_bPrinting = false;

protected:
    bool m_bOwned = false;
};

// The device contexts the program makes are declared with their base.
#include "framework/ClientDC.h"
#include "framework/PaintDC.h"
#include "framework/WindowDC.h"
