#pragma once

#include "foundation/CXRect.h"

#include <cstdint>
#include <memory>

// One stamp of a GRBUFFER: where it lies in the destination, the part of the source it shows,
// and the destination's pixels it covered when it was made (rect height rows of rect width
// 16-bit pixels). Copies share the backup.
struct grbuffer__entry {
    int x = 0;
    int y = 0;
    CXRect rect;
    std::shared_ptr<uint16_t[]> backup;

    // (x, y) and the size of the part.
    CXRect getBoundingBox() const { return CXRect(CXPoint(x, y), CXPoint(x, y)) + CXSize(rect.Width(), rect.Height()); }
    bool isAt(CXPoint point) const { return getBoundingBox().IsInRect(point); }
};
