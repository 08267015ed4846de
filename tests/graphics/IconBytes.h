#pragma once

// Icon files (".ico") for the icon reader's tests and seeds, written field by field: a directory
// of pictures, each a bitmap head, a palette for 8 bits or fewer, colour rows and mask rows
// (both bottom up, in whole 32-bit words).

#include "tests/graphics/PixelBytes.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace graphicstest {

// One picture: pixels top down as 0xAARRGGBB (the alpha byte written only at 32 bits) and the
// pixels the mask makes transparent.
struct IconPicture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 32;
    std::vector<uint32_t> pixels;
    std::vector<bool> masked;

    // The distinct colours of the pixels, in order of first use.
    std::vector<uint32_t> palette() const
    {
        std::vector<uint32_t> colours;
        for (uint32_t pixel : pixels) {
            if (std::find(colours.begin(), colours.end(), pixel & 0xFFFFFF) == colours.end())
                colours.push_back(pixel & 0xFFFFFF);
        }
        return colours;
    }

    Bytes colourRow(int y, const std::vector<uint32_t>& colours) const
    {
        std::vector<uint8_t> row((size_t(width) * size_t(bitsPerPixel) + 31) / 32 * 4);
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = pixels[size_t(y) * size_t(width) + size_t(x)];
            if (bitsPerPixel >= 24) {
                uint8_t* at = row.data() + size_t(x) * size_t(bitsPerPixel / 8);
                at[0] = uint8_t(pixel);
                at[1] = uint8_t(pixel >> 8);
                at[2] = uint8_t(pixel >> 16);
                if (bitsPerPixel == 32)
                    at[3] = uint8_t(pixel >> 24);
                continue;
            }
            const auto index = uint32_t(std::find(colours.begin(), colours.end(), pixel & 0xFFFFFF) - colours.begin());
            const size_t bit = size_t(x) * size_t(bitsPerPixel);
            row[bit / 8] |= uint8_t(index << (8 - bitsPerPixel - int(bit % 8)));
        }
        return row;
    }

    Bytes maskRow(int y) const
    {
        std::vector<uint8_t> row((size_t(width) + 31) / 32 * 4);
        for (int x = 0; x < width; ++x) {
            if (!masked.empty() && masked[size_t(y) * size_t(width) + size_t(x)])
                row[size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
        }
        return row;
    }

    // The picture as the file keeps it; `headSize` above 40 adds unread bytes to the head.
    Bytes bytes(uint32_t headSize = 40) const
    {
        const std::vector<uint32_t> colours = bitsPerPixel <= 8 ? palette() : std::vector<uint32_t>();
        ByteBuilder out;
        out.u32(headSize).u32(uint32_t(width)).u32(uint32_t(height * 2)).u16(1).u16(unsigned(bitsPerPixel)).u32(0);
        out.u32(0).u32(0).u32(0).u32(uint32_t(colours.size())).u32(0).zeros(headSize - 40);
        for (uint32_t colour : colours)
            out.u32(colour);
        for (int y = height - 1; y >= 0; --y)
            out.raw(colourRow(y, colours));
        for (int y = height - 1; y >= 0; --y)
            out.raw(maskRow(y));
        return out.bytes;
    }
};

// An icon file of the pictures' bytes, each listed with its size and depth.
struct IconEntry {
    int width;
    int height;
    int bitsPerPixel;
    Bytes bytes;
};

inline Bytes iconFile(const std::vector<IconEntry>& entries)
{
    ByteBuilder out;
    out.u16(0).u16(1).u16(unsigned(entries.size()));
    uint32_t offset = uint32_t(6 + 16 * entries.size());
    for (const IconEntry& entry : entries) {
        out.u8(unsigned(entry.width % 256)).u8(unsigned(entry.height % 256)).u8(0).u8(0).u16(1).u16(unsigned(entry.bitsPerPixel));
        out.u32(uint32_t(entry.bytes.size())).u32(offset);
        offset += uint32_t(entry.bytes.size());
    }
    for (const IconEntry& entry : entries)
        out.raw(entry.bytes);
    return out.bytes;
}

inline IconEntry iconEntry(const IconPicture& picture)
{
    return IconEntry{picture.width, picture.height, picture.bitsPerPixel, picture.bytes()};
}

// A picture of the given depth in two colours with its top-left pixel masked out.
inline IconPicture twoColourPicture(int width, int height, int bitsPerPixel)
{
    IconPicture picture{width, height, bitsPerPixel, {}, {}};
    for (int i = 0; i < width * height; ++i) {
        picture.pixels.push_back(i % 3 == 0 ? 0x00C08040u : 0x00102030u);
        picture.masked.push_back(i == 0);
    }
    return picture;
}

} // namespace graphicstest
