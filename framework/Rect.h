// CRect: a RECT (right and bottom exclusive) with value operations. Same layout as RECT, and it
// converts to RECT* / const RECT*, so a CRect goes wherever Win32 wants an LPRECT or LPCRECT.
#pragma once
#include "framework/WinTypes.h"
#include "framework/Point.h"
#include "framework/Size.h"

class CRect : public RECT {
public:
    CRect() : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
    CRect(const RECT& rc) : RECT(rc) {}
    explicit CRect(const RECT* prc) : RECT(prc ? *prc : RECT{0, 0, 0, 0}) {}
    CRect(const POINT& pt, const SIZE& size) : RECT{pt.x, pt.y, pt.x + size.cx, pt.y + size.cy} {}
    CRect(const POINT& topLeft, const POINT& bottomRight)
        : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    CRect& operator=(const RECT& rc) {
        RECT::operator=(rc);
        return *this;
    }

    operator RECT*() { return this; }
    operator const RECT*() const { return this; }

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint TopLeft() const { return CPoint(left, top); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    bool PtInRect(const POINT& pt) const {
        return pt.x >= left && pt.x < right && pt.y >= top && pt.y < bottom;
    }
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }

    void SetRect(int l, int t, int r, int b) {
        left = l;
        top = t;
        right = r;
        bottom = b;
    }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }

    void OffsetRect(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    void OffsetRect(const POINT& pt) { OffsetRect(pt.x, pt.y); }
    void OffsetRect(const SIZE& size) { OffsetRect(size.cx, size.cy); }

    void InflateRect(int l, int t, int r, int b) {
        left -= l;
        top -= t;
        right += r;
        bottom += b;
    }
    void InflateRect(int dx, int dy) { InflateRect(dx, dy, dx, dy); }
    void InflateRect(const SIZE& size) { InflateRect(size.cx, size.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(const SIZE& size) { DeflateRect(size.cx, size.cy); }

    void NormalizeRect() {
        if (left > right) {
            LONG n = left;
            left = right;
            right = n;
        }
        if (top > bottom) {
            LONG n = top;
            top = bottom;
            bottom = n;
        }
    }

    // Both follow the Win32 functions: an empty result is stored as (0, 0, 0, 0) and reported
    // as false; an empty source does not take part in a union.
    bool IntersectRect(const RECT* prc1, const RECT* prc2) {
        const CRect a(prc1), b(prc2);
        CRect r(a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
                a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom);
        if (a.IsRectEmpty() || b.IsRectEmpty() || r.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        *this = r;
        return true;
    }
    bool UnionRect(const RECT* prc1, const RECT* prc2) {
        const CRect a(prc1), b(prc2);
        if (a.IsRectEmpty() && b.IsRectEmpty()) {
            SetRectEmpty();
            return false;
        }
        if (a.IsRectEmpty()) {
            *this = b;
        } else if (b.IsRectEmpty()) {
            *this = a;
        } else {
            SetRect(a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                    a.right > b.right ? a.right : b.right,
                    a.bottom > b.bottom ? a.bottom : b.bottom);
        }
        return true;
    }

    bool operator==(const RECT& rc) const {
        return left == rc.left && top == rc.top && right == rc.right && bottom == rc.bottom;
    }
    bool operator!=(const RECT& rc) const { return !(*this == rc); }
    CRect& operator+=(const POINT& pt) {
        OffsetRect(pt);
        return *this;
    }
    CRect& operator-=(const POINT& pt) {
        OffsetRect(-pt.x, -pt.y);
        return *this;
    }
    CRect& operator&=(const RECT& rc) {
        IntersectRect(this, &rc);
        return *this;
    }
    CRect& operator|=(const RECT& rc) {
        UnionRect(this, &rc);
        return *this;
    }
    CRect operator+(const POINT& pt) const {
        CRect r(*this);
        r.OffsetRect(pt);
        return r;
    }
    CRect operator-(const POINT& pt) const {
        CRect r(*this);
        r.OffsetRect(-pt.x, -pt.y);
        return r;
    }
    CRect operator&(const RECT& rc) const {
        CRect r;
        r.IntersectRect(this, &rc);
        return r;
    }
    CRect operator|(const RECT& rc) const {
        CRect r;
        r.UnionRect(this, &rc);
        return r;
    }
};

static_assert(sizeof(CRect) == sizeof(RECT), "CRect must keep the layout of RECT");
