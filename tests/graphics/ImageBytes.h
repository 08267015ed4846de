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
    packed.alpha = code == 5 && !alpha.empty() ? lzoBlock(alpha) : pack(alpha, 1);
    return packed;
}

// A still image and its files: the "PIK" head the engine writes (40 bytes), the "NVI" head (37
// bytes) and the legacy head (80 bytes, then a 12-byte record with the size, the bpp flag code
// and the alpha bit), each followed by the colour data and the alpha data as given.
struct StillImage {
    StillImage(int width, int height, Bytes colour, Bytes alpha = {})
        : width(width), height(height), colour(std::move(colour)), alpha(std::move(alpha))
    {
    }

    int width;
    int height;
    // The format, or a flag code: 2, 4 and 8 for 15, 16 and 24 bits.
    int bpp = 16;
    int code = 0;
    int x = 0;
    int y = 0;
    Bytes colour;
    Bytes alpha;
    // The head's colour size; by default what the head normally holds.
    std::optional<int64_t> colourSizeField;
    // The head's alpha size; by default the alpha bytes given.
    std::optional<int> alphaSizeField;

    // "PIK": the colour size field holds width x height x 2, or for JPEG data the stream's length.
    Bytes pik() const
    {
        ByteBuilder file;
        file.text(std::string("PIK", 4)).u32(uint32_t(width)).u32(uint32_t(height)).u32(uint32_t(bpp));
        file.u32(uint32_t(colourSizeField.value_or(code == 5 ? int64_t(colour.size()) : int64_t(width) * height * 2)));
        file.u32(0).u32(uint32_t(code)).u32(alphaSize()).u32(uint32_t(x)).u32(uint32_t(y));
        return file.raw(colour).raw(alpha).bytes;
    }

    // "NVI": the colour size field holds the colour data's length.
    Bytes nvi() const
    {
        ByteBuilder file;
        file.text(std::string("NVI", 4)).u16(unsigned(width)).u16(unsigned(height)).u8(unsigned(bpp));
        file.u32(uint32_t(colourSizeField.value_or(int64_t(colour.size())))).u32(alphaSize());
        file.u16(unsigned(x)).u16(unsigned(y)).u32(uint32_t(code)).zeros(12);
        return file.raw(colour).raw(alpha).bytes;
    }

    // The legacy head takes the bpp as a flag code; there is no position and no code.
    Bytes legacy() const
    {
        ByteBuilder file;
        file.text("OLD!").zeros(76).u16(unsigned(width)).u16(unsigned(height)).zeros(6);
        file.u8(unsigned(0x30 | bpp)).u8(alpha.empty() ? 0x02 : 0x06);
        return file.raw(colour).raw(alpha).bytes;
    }

private:
    uint32_t alphaSize() const { return uint32_t(alphaSizeField.value_or(int(alpha.size()))); }
};

} // namespace graphicstest
