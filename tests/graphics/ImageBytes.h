#pragma once

// Still-image files of every head, built field by field from the layouts, and the packed forms
// of planes by compression code.

#include "PixelBytes.h"

#include <optional>
#include <string>

namespace graphicstest {

// Planes as a file stores them under a compression code: 0 as they are, 2 LZO blocks, 3 LZO
// blocks over run-length packets, 4 run-length packets (16-bit colour elements, 8-bit alpha).
// Code 5 takes the colour as it is given (a JPEG stream) and packs the alpha as code 2.
struct PackedPlanes {
    Bytes colour;
    Bytes alpha;
};

inline PackedPlanes packPlanes(int code, const Bytes& colour, const Bytes& alpha)
{
    auto pack = [code](const Bytes& plane, size_t width) -> Bytes {
        if (plane.empty())
            return {};
        switch (code) {
        case 2: return lzoBlock(plane);
        case 3: return lzoBlock(rlePackets(plane, width));
        case 4: return rlePackets(plane, width);
        default: return plane;
        }
    };
    PackedPlanes packed;
    packed.colour = code == 5 ? colour : pack(colour, 2);
    packed.alpha = code == 5 ? lzoBlock(alpha) : pack(alpha, 1);
    return packed;
}

// An image file with the "PIK" head: the planes are written as given, after the 40-byte head.
struct PikImage {
    PikImage(int width, int height, Bytes colour, Bytes alpha = {})
        : width(width), height(height), colour(std::move(colour)), alpha(std::move(alpha))
    {
    }

    int width;
    int height;
    int bpp = 16;
    int code = 0;
    int x = 0;
    int y = 0;
    Bytes colour;
    Bytes alpha;
    // The head's colour size; by default width x height x 2, or the JPEG stream's length.
    std::optional<int64_t> colourSizeField;
    // The head's alpha size; by default the alpha bytes given.
    std::optional<int> alphaSizeField;

    Bytes bytes() const
    {
        ByteBuilder file;
        file.text(std::string("PIK", 4)).u32(uint32_t(width)).u32(uint32_t(height)).u32(uint32_t(bpp));
        file.u32(uint32_t(colourSizeField.value_or(code == 5 ? int64_t(colour.size()) : int64_t(width) * height * 2))).u32(0).u32(uint32_t(code));
        file.u32(uint32_t(alphaSizeField.value_or(int(alpha.size())))).u32(uint32_t(x)).u32(uint32_t(y));
        return file.raw(colour).raw(alpha).bytes;
    }
};

// An image file with the 37-byte "NVI" head.
struct NviImage {
    NviImage(int width, int height, Bytes colour, Bytes alpha = {})
        : width(width), height(height), colour(std::move(colour)), alpha(std::move(alpha))
    {
    }

    int width;
    int height;
    int bpp = 16;
    int code = 0;
    int x = 0;
    int y = 0;
    Bytes colour;
    Bytes alpha;
    std::optional<int> colourSizeField;
    std::optional<int> alphaSizeField;

    Bytes bytes() const
    {
        ByteBuilder file;
        file.text(std::string("NVI", 4)).u16(unsigned(width)).u16(unsigned(height)).u8(unsigned(bpp));
        file.u32(uint32_t(colourSizeField.value_or(int(colour.size()))));
        file.u32(uint32_t(alphaSizeField.value_or(int(alpha.size()))));
        file.u16(unsigned(x)).u16(unsigned(y)).u32(uint32_t(code)).zeros(12);
        return file.raw(colour).raw(alpha).bytes;
    }
};

// An image file with the legacy head: 80 bytes before a 12-byte record (width, height, the bpp
// flag code, the alpha bit), then the colour data, then the alpha plane when there is one.
struct LegacyImage {
    LegacyImage(int width, int height, Bytes colour, Bytes alpha = {})
        : width(width), height(height), colour(std::move(colour)), alpha(std::move(alpha))
    {
    }

    int width;
    int height;
    int bppFlag = 4;
    Bytes colour;
    Bytes alpha;

    Bytes bytes() const
    {
        ByteBuilder file;
        file.text("OLD!").zeros(76).u16(unsigned(width)).u16(unsigned(height)).zeros(6);
        file.u8(unsigned(0x30 | bppFlag)).u8(alpha.empty() ? 0x02 : 0x06);
        return file.raw(colour).raw(alpha).bytes;
    }
};

} // namespace graphicstest
