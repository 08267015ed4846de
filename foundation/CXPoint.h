#pragma once

#include "foundation/IntegerWrap.h"

// A screen position in pixels, origin top left, y growing downwards. Arithmetic wraps at 32 bits.
class CXPoint {
public:
    CXPoint() : x(0), y(0) {}
    CXPoint(int xValue, int yValue) : x(xValue), y(yValue) {}

    CXPoint operator+(int d) const { return CXPoint(foundation::wrapAdd(x, d), foundation::wrapAdd(y, d)); }
    CXPoint operator+(CXPoint p) const { return CXPoint(foundation::wrapAdd(x, p.x), foundation::wrapAdd(y, p.y)); }
    CXPoint operator-(int d) const { return CXPoint(foundation::wrapSub(x, d), foundation::wrapSub(y, d)); }
    CXPoint operator-(CXPoint p) const { return CXPoint(foundation::wrapSub(x, p.x), foundation::wrapSub(y, p.y)); }
    bool operator==(CXPoint p) const { return x == p.x && y == p.y; }
    bool operator!=(CXPoint p) const { return !(*this == p); }

    int x;
    int y;
};
