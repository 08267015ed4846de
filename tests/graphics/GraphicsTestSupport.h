#pragma once

// Small doubles and builders shared by the graphics tests.

#include "foundation/CXRect.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CInvalidateObserver.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <random>
#include <utility>
#include <vector>

namespace graphicstest {

// Records what a watched graphics object tells it.
struct RecordingObserver : CInvalidateObserver {
    void onInvalidate(CGraphicsObject* object, CXRect* rect) override { invalidated.push_back(*rect); }
    void onDestroy(CGraphicsObject* object) override { destroyed.push_back(object); }

    std::vector<CXRect> invalidated;
    std::vector<CGraphicsObject*> destroyed;
};

// Stands where a screen stands for an object: it hears invalidated rectangles and departures.
struct RecordingScreen : CGraphicsObject {
    RecordingScreen() : CGraphicsObject(nullptr) {}
    void Invalidate(CXRect* rect) override { rects.push_back(*rect); }
    void onDestroy(CGraphicsObject* object) override { left.push_back(object); }

    std::vector<CXRect> rects;
    std::vector<CGraphicsObject*> left;
};

inline uint16_t* pixelsOf(CGraphicsObject& object)
{
    return reinterpret_cast<uint16_t*>(object.GetDataPtr());
}

// A picture of random 16-bit pixels, with a random alpha plane when asked.
inline void randomize(CGraphicsObject& object, std::mt19937& random, bool withAlpha)
{
    auto count = size_t(std::max(0, object.Width() * object.Height()));
    uint16_t* pixels = pixelsOf(object);
    for (size_t i = 0; i < count; ++i)
        pixels[i] = uint16_t(random());
    if (!withAlpha)
        return;
    if (object.AlphaChannel() == nullptr)
        object.AlphaChannel() = new uint8_t[count];
    // Many fully transparent and opaque bytes, as real pictures have, and everything between.
    for (size_t i = 0; i < count; ++i) {
        uint32_t pick = random() % 4;
        object.AlphaChannel()[i] = uint8_t(pick == 0 ? 0 : pick == 1 ? 255 : random());
    }
}

// Width and height, as a pair the tests compare.
inline std::pair<int, int> sizeOf(CGraphicsObject& picture)
{
    return {picture.Width(), picture.Height()};
}

// An opaque picture of one colour, or with one alpha byte everywhere.
inline std::unique_ptr<CGraphicsObject> plain(CWindow* window, int width, int height, uint16_t pixel, int x = 0, int y = 0, int alpha = -1)
{
    auto made = std::make_unique<CGraphicsObject>(window, CXSize(width, height), 16);
    std::fill_n(pixelsOf(*made), width * height, pixel);
    if (alpha >= 0) {
        made->AlphaChannel() = new uint8_t[size_t(width) * height];
        std::memset(made->AlphaChannel(), alpha, size_t(width) * height);
    }
    made->SetPosition(x, y);
    return made;
}

} // namespace graphicstest
