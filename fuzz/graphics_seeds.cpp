// Writes the seed corpora of the image, animation, JPEG, font-file, text mark-up, icon and PSD fuzz
// targets into the folder given: small files of every head and compression code, font files, texts
// with every kind of mark-up, icon files of every depth, layered documents, and a few damaged ones. The corpora under
// fuzz/corpus/ are its output; a test keeps them equal.
#include "tests/graphics/AnimationBytes.h"
#include "tests/graphics/FontBytes.h"
#include "tests/graphics/IconBytes.h"
#include "tests/graphics/PsdBytes.h"

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

void animationSeeds()
{
    seed("animation_file", "nvp_lzo", sampleAnimation("NVP", 2).bytes());
    seed("animation_file", "nvplus_rle", sampleAnimation("NV+", 4).bytes());
    seed("animation_file", "nvi_lzo_rle", sampleAnimation("NVI", 3).bytes());
    seed("animation_file", "nvp_jpeg", sampleAnimation("NVP", 5).bytes());
    seed("animation_file", "pak_events", sampleAnimation("PAK", 0).bytes());
    AnimationFile standard = sampleAnimation("PAK", 2);
    standard.events.clear();
    seed("animation_file", "pak_standard", standard.bytes());
    for (const char* magic : {"PIK", "PI2", "PI3"}) {
        AnimationFile old = sampleAnimation(magic, std::string(magic) == "PI3" ? 2 : std::string(magic) == "PI2" ? 1 : 0);
        seed("animation_file", std::string("old_") + magic, old.bytes());
    }
    AnimationFile none = sampleAnimation("NVP", 0);
    none.frames.clear();
    seed("animation_file", "nvp_no_frames", none.bytes());
}

void jpegSeeds()
{
    Bytes baseline = jpegPicture(8, 6);
    Bytes with15 = {1};
    with15.insert(with15.end(), baseline.begin(), baseline.end());
    seed("jpeg", "baseline_15", with15);
    Bytes with16 = {0};
    with16.insert(with16.end(), baseline.begin(), baseline.end());
    seed("jpeg", "baseline_16", with16);
    with16.resize(with16.size() / 2);
    seed("jpeg", "cut", with16);
}

void fontSeeds()
{
    Bytes sample = sampleFont().bytes();
    seed("font_file", "sample", sample);
    seed("font_file", "block", blockFont(3, 6, 4).bytes());
    FontFile fifteen = sampleFont();
    fifteen.bpp = 15;
    seed("font_file", "fifteen_bits", fifteen.bytes());
    FontFile margins = sampleFont();
    margins.letters[0].left = 9;
    margins.letters[1].right = -3;
    seed("font_file", "wild_margins", margins.bytes());
    seed("font_file", "cut", Bytes(sample.begin(), sample.begin() + long(sample.size() / 2)));
    FontFile magic = sampleFont();
    magic.magic = std::string("XNT", 4);
    seed("font_file", "bad_magic", magic.bytes());
}

void textSeeds()
{
    const std::pair<const char*, std::string> texts[] = {
        {"styles", "a<B>b<B>c <I>italic<U>under"},
        {"unknown_code", "a<X>b a<b<B>c a<bc"},
        {"breaks", "x|y\rz\n||end|"},
        {"colours", "<COLOR255,0,0>red<COLOR> <COLOR31>blue<COLOR63488>x<COLOR"},
        {"edit_boxes", "name: <E,120,NAME,hello> and <E,20> then <E,-5,,> <E,2000000000>"},
        {"wrapping", "aa bb cc dd ee ff gg hh ii jj kk ll mm nn oo pp qq rr ss tt uu vv ww"},
        {"blanks", "  lead   inner  trail  &NBSP;&NBSP;\tt"},
        {"brackets", "@$@ <<<>>> <COLOR<B>>"},
    };
    unsigned choice = 7;
    for (const auto& [name, text] : texts) {
        Bytes bytes{uint8_t(choice)};
        bytes.insert(bytes.end(), text.begin(), text.end());
        seed("text_markup", name, bytes);
        choice = choice * 37 + 11;
    }
}

void iconSeeds()
{
    Bytes png = ByteBuilder().text("\x89PNG\r\n\x1a\n").zeros(8).bytes;
    seed("icon_file", "depths", iconFile({iconEntry(twoColourPicture(5, 3, 1)), iconEntry(twoColourPicture(6, 2, 4)),
                                           iconEntry(twoColourPicture(7, 3, 8)), iconEntry(twoColourPicture(4, 4, 24)),
                                           IconEntry{16, 16, 32, png}}));
    IconPicture withAlpha = twoColourPicture(9, 2, 32);
    withAlpha.pixels[3] |= 0x80000000;
    seed("icon_file", "alpha", iconFile({iconEntry(withAlpha)}));
    Bytes cut = iconFile({iconEntry(twoColourPicture(8, 8, 8))});
    cut.resize(cut.size() - 20);
    seed("icon_file", "cut", cut);
}

void psdSeeds()
{
    PsdDocument sample = sampleDocument();
    Bytes bytes = sample.bytes();
    seed("psd_file", "two_layers", bytes);
    PsdDocument packed = sample;
    for (PsdLayer& layer : packed.layers) {
        for (PsdChannel& channel : layer.channels)
            channel.compression = 1;
    }
    packed.negativeCount = true;
    packed.colourModeData = Bytes(12, 1);
    seed("psd_file", "all_run_length", packed.bytes());
    PsdDocument odd = sample;
    odd.layers[1].channels.push_back({1, Bytes(9, 3), 2});
    odd.layers[1].channels.push_back({-2, Bytes(4, 5)});
    PsdLayer empty;
    empty.left = empty.right = 3;
    empty.channels = {{-1, {}}, {0, {}, 1}};
    odd.layers.push_back(empty);
    seed("psd_file", "odd_channels", odd.bytes());
    seed("psd_file", "no_layers", PsdDocument().bytes());
    bytes.resize(bytes.size() / 8);
    seed("psd_file", "cut", bytes);
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
    fontSeeds();
    textSeeds();
    iconSeeds();
    psdSeeds();
    return 0;
}
