#pragma once

#include "foundation/CXRect.h"

#include <cstdint>
#include <vector>

// What a picture used as an alpha stamp remembers of its last stamping: the rectangle it covered
// in the target's alpha plane and the bytes it replaced there, so the next stamping can put them
// back first.
class CAlphaStamp {
public:
    // Keeps the bytes of the rectangle (within the plane) of an alpha plane `width` bytes a row.
    void save(const uint8_t* alpha, int width, const CXRect& rect);
    // Puts the kept bytes back into a plane of width × height bytes, as far as the rectangle still
    // lies in it, and forgets them. The rectangle they covered; empty when nothing was kept.
    CXRect restore(uint8_t* alpha, int width, int height);

private:
    CXRect rect_;
    std::vector<uint8_t> saved_;
};
