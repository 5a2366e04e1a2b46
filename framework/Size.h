// CSize: a SIZE with value operations; same layout, so it passes where a SIZE is expected.
#pragma once
#include "framework/WinTypes.h"

class CSize : public SIZE {
public:
    CSize() : SIZE{0, 0} {}
    CSize(int nCx, int nCy) : SIZE{nCx, nCy} {}
    CSize(const SIZE& size) : SIZE(size) {}

    bool operator==(const SIZE& size) const { return cx == size.cx && cy == size.cy; }
    bool operator!=(const SIZE& size) const { return !(*this == size); }
    CSize& operator+=(const SIZE& size) {
        cx += size.cx;
        cy += size.cy;
        return *this;
    }
    CSize& operator-=(const SIZE& size) {
        cx -= size.cx;
        cy -= size.cy;
        return *this;
    }
    CSize operator+(const SIZE& size) const { return CSize(cx + size.cx, cy + size.cy); }
    CSize operator-(const SIZE& size) const { return CSize(cx - size.cx, cy - size.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
};

static_assert(sizeof(CSize) == sizeof(SIZE), "CSize must keep the layout of SIZE");
