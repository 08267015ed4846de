#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform {

// A picture the platform paints by itself (its dialogs): rows top down, each pixel 0xAARRGGBB.
struct PixelImage {
    PixelImage(int imageWidth, int imageHeight)
        : width(imageWidth), height(imageHeight), pixels(size_t(imageWidth) * size_t(imageHeight), 0xFF000000u)
    {
    }

    // Fills the part of the rectangle that lies inside the picture.
    void fillRect(int left, int top, int rectWidth, int rectHeight, uint32_t colour)
    {
        const int x0 = std::max(0, left);
        const int x1 = std::min(width, left + rectWidth);
        const int y1 = std::min(height, top + rectHeight);
        for (int y = std::max(0, top); x0 < x1 && y < y1; ++y)
            std::fill(pixels.begin() + y * width + x0, pixels.begin() + y * width + x1, colour);
    }
    uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }

    int width;
    int height;
    std::vector<uint32_t> pixels;
};

} // namespace platform
