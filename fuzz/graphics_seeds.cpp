// Writes the seed corpora of the image, animation and JPEG fuzz targets into the folder given:
// small files of every head and compression code, and a few damaged ones. The corpora under
// fuzz/corpus/ are its output; a test keeps them equal.
#include "tests/graphics/AnimationBytes.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

using namespace graphicstest;

namespace {

std::filesystem::path root;

void seed(const std::string& target, const std::string& name, const Bytes& bytes)
{
    std::filesystem::create_directories(root / target);
    std::ofstream(root / target / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

Bytes tinyJpeg()
{
    return jpegPicture(8, 6);
}

void imageSeeds()
{
    Bytes colour = colourPlane(10, 4);
    Bytes alpha = alphaPlane(10, 4);
    for (int code : {0, 2, 3, 4, 5}) {
        PackedPlanes planes = packPlanes(code, code == 5 ? jpegPicture(10, 4) : colour, alpha);
        StillImage image(10, 4, planes.colour, planes.alpha);
        image.code = code;
        image.x = 3;
        image.y = -2;
        seed("image_file", "pik_code" + std::to_string(code), image.pik());
    }
    StillImage flagged(10, 4, colour);
    flagged.bpp = 4;
    seed("image_file", "pik_bpp_flag", flagged.pik());
    seed("image_file", "pik_packed_as_code0", StillImage(10, 4, lzoBlock(colour)).pik());
    StillImage negative(10, 4, colour, alpha);
    negative.alphaSizeField = -100;
    seed("image_file", "pik_negative_alpha", negative.pik());
    StillImage raw(10, 4, colour, alpha);
    raw.x = 5;
    raw.y = 6;
    seed("image_file", "nvi_code0", raw.nvi());
    StillImage lzw(10, 4, lzwBlock(colour), lzwBlock(alpha));
    lzw.code = 2;
    seed("image_file", "nvi_code2", lzw.nvi());
    StillImage legacy(10, 4, colour, alpha);
    legacy.bpp = 4;
    seed("image_file", "legacy_alpha", legacy.legacy());
}

AnimationFile animation(const std::string& magic, int code)
{
    AnimationFile file;
    file.magic = magic;
    file.code = code;
    file.author = "Author";
    file.description = "Two events";
    for (int i = 0; i < 3; ++i)
        file.frames.push_back(framePicture(4, 3, i, -i, i + 1, i != 1));
    AnimationEvent walk("walk", {{0, 1, 2, 255, "first", "hello", "step.wav"}, {1}, {2, -1, 0, 128, "", "", "a.wav;b.wav"}});
    walk.loopBack = 1;
    walk.loopPoint = 2;
    walk.loopCount = 3;
    walk.fps = 12;
    walk.flags = 0x100;
    walk.opacity = 200;
    file.events.push_back(walk);
    file.events.push_back(AnimationEvent("empty", {}));
    return file;
}

void animationSeeds()
{
    seed("animation_file", "nvp_lzo", animation("NVP", 2).bytes());
    seed("animation_file", "nvplus_rle", animation("NV+", 4).bytes());
    seed("animation_file", "nvi_lzo_rle", animation("NVI", 3).bytes());
    AnimationFile jpeg = animation("NVP", 5);
    for (FramePicture& frame : jpeg.frames)
        frame = {8, 6, frame.x, frame.y, tinyJpeg(), frame.alpha.empty() ? Bytes() : alphaPlane(8, 6)};
    seed("animation_file", "nvp_jpeg", jpeg.bytes());
    seed("animation_file", "pak_events", animation("PAK", 0).bytes());
    AnimationFile standard = animation("PAK", 2);
    standard.events.clear();
    seed("animation_file", "pak_standard", standard.bytes());
    for (const char* magic : {"PIK", "PI2", "PI3"}) {
        AnimationFile old = animation(magic, std::string(magic) == "PI3" ? 2 : std::string(magic) == "PI2" ? 1 : 0);
        old.chunks = true;
        seed("animation_file", std::string("old_") + magic, old.bytes());
    }
    AnimationFile none = animation("NVP", 0);
    none.frames.clear();
    seed("animation_file", "nvp_no_frames", none.bytes());
}

void jpegSeeds()
{
    Bytes baseline = tinyJpeg();
    Bytes with15 = {1};
    with15.insert(with15.end(), baseline.begin(), baseline.end());
    seed("jpeg", "baseline_15", with15);
    Bytes with16 = {0};
    with16.insert(with16.end(), baseline.begin(), baseline.end());
    seed("jpeg", "baseline_16", with16);
    with16.resize(with16.size() / 2);
    seed("jpeg", "cut", with16);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    root = argv[1];
    imageSeeds();
    animationSeeds();
    jpegSeeds();
    return 0;
}
