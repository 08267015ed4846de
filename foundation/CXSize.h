#pragma once

#include "foundation/IntegerWrap.h"

#include <cstdint>

// A horizontal and a vertical extent in pixels. Arithmetic wraps at 32 bits.
class CXSize {
public:
    CXSize() : cx(0), cy(0) {}
    explicit CXSize(int both) : cx(both), cy(both) {}
    CXSize(int width, int height) : cx(width), cy(height) {}

    // The area.
    int mul() const { return foundation::wrapMul(cx, cy); }
    int Sum() const { return foundation::wrapAdd(cx, cy); }
    int AbsSum() const { return foundation::wrapToInt(magnitude(cx) + magnitude(cy)); }

    int cx;
    int cy;

private:
    static int64_t magnitude(int v) { return v < 0 ? -static_cast<int64_t>(v) : v; }
};
