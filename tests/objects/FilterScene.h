#pragma once

// A live scene for the filters: pictures of given pixels written into the game's data folder, and
// the planes of the pictures the scene's objects show read back.

#include "MediaScene.h"

#include "graphics/CAnimo6.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CImage.h"

#include <cstdint>
#include <string>
#include <vector>

namespace objectstest {

using Pixels = std::vector<uint16_t>;
using Alpha = std::vector<uint8_t>;

inline Bytes planeBytes(const Pixels& pixels)
{
    Bytes bytes;
    for (uint16_t pixel : pixels) {
        bytes.push_back(uint8_t(pixel));
        bytes.push_back(uint8_t(pixel >> 8));
    }
    return bytes;
}

// A width × height plane whose pixels all differ: 5-6-5 values spread over every channel.
inline Pixels distinctPixels(int width, int height, int seed = 0)
{
    Pixels pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.push_back(uint16_t((i + seed) * 2654435761u >> 16));
    return pixels;
}

// FNV-1a over a plane.
inline uint32_t digest(const Pixels& pixels)
{
    uint32_t hash = 2166136261u;
    for (uint16_t pixel : pixels) {
        hash = (hash ^ (pixel & 0xFF)) * 16777619u;
        hash = (hash ^ (pixel >> 8)) * 16777619u;
    }
    return hash;
}

// A picture as it stands: its raw planes (a packed one unpacked for the reading), size, place and
// packing.
struct PictureState {
    Pixels pixels;
    Alpha alpha;
    int width = 0;
    int height = 0;
    CXPoint position;
    int compression = 0;

    bool operator==(const PictureState&) const = default;
};

inline PictureState stateOf(CGraphicsObject* picture)
{
    PictureState state;
    state.width = picture->Width();
    state.height = picture->Height();
    state.position = picture->GetPosition();
    state.compression = picture->GetCompression();
    CGraphicsObject raw(nullptr);
    raw.Copy(picture);
    const auto* pixels = reinterpret_cast<const uint16_t*>(raw.GetDataPtr());
    size_t count = size_t(raw.Width()) * size_t(raw.Height());
    if (pixels != nullptr)
        state.pixels.assign(pixels, pixels + count);
    if (raw.GetChannelAlpha() != nullptr)
        state.alpha.assign(raw.GetChannelAlpha(), raw.GetChannelAlpha() + count);
    return state;
}

class FilterScene : public MediaScene {
protected:
    // A still picture of those pixels standing at (x, y), packed by the code (0 raw, 4 run-length).
    void writePixels(const std::string& file, int width, int height, const Pixels& pixels, const Alpha& alpha = {}, int x = 0, int y = 0,
                     int code = 0)
    {
        graphicstest::PackedPlanes planes = graphicstest::packPlanes(code, planeBytes(pixels), alpha);
        graphicstest::StillImage picture(width, height, planes.colour, planes.alpha);
        picture.code = code;
        picture.x = x;
        picture.y = y;
        Bytes bytes = picture.pik();
        writeFile(gameFolder + "Dane/" + file, std::string(bytes.begin(), bytes.end()));
    }

    // The scene with a LOG string, an IMAGE P of the file on the screen, and the other objects.
    bool startWithPicture(const std::string& file, const std::string& objects)
    {
        return startWith(declared("P", "IMAGE", {"FILENAME=" + file, "TOCANVAS=TRUE", "VISIBLE=TRUE"}) + objects);
    }

    CGraphicsObject* picture(const std::string& name = "P")
    {
        CMC_Image* object = image(name);
        return object != nullptr ? object->getImage() : nullptr;
    }
    Pixels pixels(const std::string& name = "P") { return stateOf(picture(name)).pixels; }
    // One step of a FILTER's 1 ms timer.
    void step() { turn(1); }
};

} // namespace objectstest
