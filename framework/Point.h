// CPoint: a POINT with value operations; same layout, so a CPoint* passes as a POINT*.
#pragma once
#include "framework/WinTypes.h"
#include "framework/Size.h"

class CPoint : public POINT {
public:
    CPoint() : POINT{0, 0} {}
    CPoint(int nX, int nY) : POINT{nX, nY} {}
    CPoint(const POINT& pt) : POINT(pt) {}
    explicit CPoint(const SIZE& size) : POINT{size.cx, size.cy} {}

    void Offset(int dx, int dy) {
        x += dx;
        y += dy;
    }
    void Offset(const POINT& pt) { Offset(pt.x, pt.y); }
    void Offset(const SIZE& size) { Offset(size.cx, size.cy); }

    bool operator==(const POINT& pt) const { return x == pt.x && y == pt.y; }
    bool operator!=(const POINT& pt) const { return !(*this == pt); }
    CPoint& operator+=(const SIZE& size) {
        Offset(size);
        return *this;
    }
    CPoint& operator-=(const SIZE& size) {
        Offset(-size.cx, -size.cy);
        return *this;
    }
    CPoint& operator+=(const POINT& pt) {
        Offset(pt);
        return *this;
    }
    CPoint& operator-=(const POINT& pt) {
        Offset(-pt.x, -pt.y);
        return *this;
    }
    CPoint operator+(const SIZE& size) const { return CPoint(x + size.cx, y + size.cy); }
    CPoint operator-(const SIZE& size) const { return CPoint(x - size.cx, y - size.cy); }
    CPoint operator+(const POINT& pt) const { return CPoint(x + pt.x, y + pt.y); }
    // The difference of two points is a distance, as in the Win32 convention.
    CSize operator-(const POINT& pt) const { return CSize(x - pt.x, y - pt.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};

static_assert(sizeof(CPoint) == sizeof(POINT), "CPoint must keep the layout of POINT");
