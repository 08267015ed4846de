// Writes the seed corpus of the video fuzz target into the folder given: small AVI files of
// uncompressed and JPEG pictures, with and without sound of one and two channels, and a few
// damaged ones. The corpus under fuzz/corpus/ is its output; a test keeps them equal.
#include "tests/sound/AviBytes.h"

#include <filesystem>
#include <fstream>
#include <string>

using namespace soundtest;

namespace {

std::filesystem::path root;

void seed(const std::string& name, const std::string& bytes)
{
    std::filesystem::create_directories(root / "video_open");
    std::ofstream(root / "video_open" / name, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 1;
    root = argv[1];
    seed("raw", aviBytes({.width = 16, .height = 8, .frames = 3}));
    seed("jpeg", aviBytes({.width = 16, .height = 16, .frames = 3, .jpeg = true}));
    seed("raw_sound", aviBytes({.width = 16, .height = 8, .frames = 3, .soundRate = 8000}));
    seed("jpeg_stereo", aviBytes({.width = 16, .height = 16, .frames = 2, .jpeg = true, .soundRate = 11025, .soundChannels = 2}));
    // The converter writes past the end of an odd row.
    seed("jpeg_odd_width", aviBytes({.width = 47, .height = 32, .frames = 2, .jpeg = true}));
    std::string cut = aviBytes({.width = 16, .height = 8, .frames = 3, .soundRate = 8000});
    cut.resize(cut.size() * 2 / 3);
    seed("cut_short", cut);
    std::string wide = aviBytes({.width = 16, .height = 8, .frames = 2});
    // The header claims a picture far larger than the frames hold.
    wide.replace(wide.find("strf") + 12, 4, AviWriter::le32(60000));
    seed("claims_wide", wide);
    return 0;
}
