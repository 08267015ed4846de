#pragma once

// What a graphics object holds after a load, read back as bytes, so that tests compare it with
// the planes a fixture was made from.

#include "PixelBytes.h"
#include "graphics/CGraphicsObject.h"

#include <ostream>

namespace graphicstest {

struct PictureState {
    int width = 0;
    int height = 0;
    int bpp = 0;
    int x = 0;
    int y = 0;
    int code = 0;
    Bytes colour;
    Bytes alpha;

    bool operator==(const PictureState&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const PictureState& p)
{
    return out << p.width << "x" << p.height << " bpp " << p.bpp << " at " << p.x << "," << p.y << " code " << p.code
               << ", " << p.colour.size() << " colour bytes, " << p.alpha.size() << " alpha bytes";
}

// The object's planes as they are unpacked (a code-4 object is unpacked for the reading and
// packed again); the code is the one it held.
inline PictureState pictureOf(CGraphicsObject& object)
{
    PictureState state{object.Width(), object.Size().cy, object.GetBpp(), object.GetPosition().x, object.GetPosition().y, object.GetCompression(), {}, {}};
    bool packed = object.GetCompression() == COMPRESSION_RLE;
    if (packed)
        object.DeCompressRLE2();
    size_t pixels = size_t(object.Width()) * size_t(object.Size().cy);
    if (object.GetDataPtr() != nullptr)
        state.colour.assign(object.GetDataPtr(), object.GetDataPtr() + pixels * size_t(object.GetPixelSize()));
    if (object.GetChannelAlpha() != nullptr)
        state.alpha.assign(object.GetChannelAlpha(), object.GetChannelAlpha() + pixels);
    if (packed)
        object.bringBackCompressed();
    return state;
}

inline PictureState picture(int width, int height, int x, int y, int code, Bytes colour, Bytes alpha, int bpp = 16)
{
    return {width, height, bpp, x, y, code, std::move(colour), std::move(alpha)};
}

} // namespace graphicstest
