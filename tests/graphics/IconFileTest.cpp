#include "graphics/CIconFile.h"
#include "tests/graphics/IconBytes.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using namespace graphicstest;

bool decode(const Bytes& file, platform::WindowIcon& icon)
{
    return CIconFile::decode(file.data(), file.size(), icon);
}

// What the reader should give for a picture: its colours, opaque unless masked.
std::vector<uint32_t> opaqueUnlessMasked(const IconPicture& picture)
{
    std::vector<uint32_t> pixels;
    for (size_t i = 0; i < picture.pixels.size(); ++i)
        pixels.push_back((picture.pixels[i] & 0xFFFFFF) | (picture.masked[i] ? 0u : 0xFF000000u));
    return pixels;
}

TEST(IconFile, EveryDepthGivesItsColoursWithTheMaskOrItsOwnAlpha)
{
    // Five pixels a row, so the rows of every depth end inside a padded word.
    for (int bitsPerPixel : {1, 4, 8, 24, 32}) {
        const IconPicture picture = twoColourPicture(5, 3, bitsPerPixel);
        platform::WindowIcon icon;
        ASSERT_TRUE(decode(iconFile({iconEntry(picture)}), icon)) << bitsPerPixel;
        EXPECT_EQ(icon.width, 5);
        EXPECT_EQ(icon.height, 3);
        // A 32-bit picture whose alpha is all clear is read by its mask like the others.
        EXPECT_EQ(icon.pixels, opaqueUnlessMasked(picture)) << bitsPerPixel;
    }
    IconPicture withAlpha = twoColourPicture(5, 3, 32);
    withAlpha.pixels[4] |= 0x80000000;
    withAlpha.pixels[7] |= 0xFF000000;
    platform::WindowIcon icon;
    ASSERT_TRUE(decode(iconFile({iconEntry(withAlpha)}), icon));
    // Its own alpha wins over the mask, which would have made pixel 0 clear and the rest opaque.
    EXPECT_EQ(icon.pixels[0], 0x00C08040u);
    EXPECT_EQ(icon.pixels[1], 0x00102030u);
    EXPECT_EQ(icon.pixels[4], 0x80102030u);
    EXPECT_EQ(icon.pixels[7], 0xFF102030u);
}

TEST(IconFile, TakesTheLargestThenDeepestPictureThatReads)
{
    IconPicture deep = twoColourPicture(32, 32, 24);
    std::fill(deep.pixels.begin(), deep.pixels.end(), 0x00ABCDEFu);
    Bytes cut = twoColourPicture(40, 40, 8).bytes();
    cut.resize(60);
    const Bytes png = ByteBuilder().text("\x89PNG\r\n\x1a\n").zeros(40).bytes;
    const Bytes file = iconFile({iconEntry(twoColourPicture(16, 16, 8)), iconEntry(twoColourPicture(32, 32, 4)),
                                 iconEntry(deep), IconEntry{48, 48, 32, png}, IconEntry{40, 40, 8, cut}});
    platform::WindowIcon icon;
    ASSERT_TRUE(decode(file, icon));
    EXPECT_EQ(icon.width, 32);
    EXPECT_EQ(icon.pixels[1], 0xFFABCDEFu);
    // A longer head is passed over.
    ASSERT_TRUE(decode(iconFile({IconEntry{5, 3, 8, twoColourPicture(5, 3, 8).bytes(52)}}), icon));
    EXPECT_EQ(icon.width, 5);
}

TEST(IconFile, DamagedFilesGiveNoIcon)
{
    const Bytes good = iconFile({iconEntry(twoColourPicture(5, 3, 8))});
    // The picture's bitmap head starts after the directory and its one entry.
    constexpr size_t head = 6 + 16;
    auto put32 = [](Bytes& bytes, size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
    };
    const struct {
        const char* name;
        std::function<void(Bytes&)> damage;
    } cases[] = {
        {"empty", [](Bytes& b) { b.clear(); }},
        {"cursor file", [](Bytes& b) { b[2] = 2; }},
        {"reserved field", [](Bytes& b) { b[0] = 1; }},
        {"more entries than listed", [](Bytes& b) { b[4] = 2; b.resize(head); }},
        {"offset past the end", [&](Bytes& b) { put32(b, 6 + 12, uint32_t(b.size())); }},
        {"length past the end", [&](Bytes& b) { put32(b, 6 + 8, uint32_t(b.size())); }},
        {"huge offset", [&](Bytes& b) { put32(b, 6 + 12, 0xFFFFFFF0u); }},
        {"short head", [&](Bytes& b) { put32(b, head, 12); }},
        {"huge head", [&](Bytes& b) { put32(b, head, 0xFFFFFFFFu); }},
        {"compressed", [&](Bytes& b) { put32(b, head + 16, 3); }},
        {"16 bits", [](Bytes& b) { b[head + 14] = 16; }},
        {"no width", [&](Bytes& b) { put32(b, head + 4, 0); }},
        {"too wide", [&](Bytes& b) { put32(b, head + 4, 300); }},
        {"negative height", [&](Bytes& b) { put32(b, head + 8, uint32_t(-6)); }},
        {"no height", [&](Bytes& b) { put32(b, head + 8, 1); }},
        {"palette too long", [&](Bytes& b) { put32(b, head + 32, 1000); }},
        {"colour rows cut", [&](Bytes& b) {
             b.resize(head + 40 + 4 * 2 + 5);
             put32(b, 6 + 8, uint32_t(b.size() - head));
         }},
    };
    for (const auto& c : cases) {
        Bytes damaged = good;
        c.damage(damaged);
        platform::WindowIcon icon{1, 1, {0x12345678}};
        EXPECT_FALSE(decode(damaged, icon)) << c.name;
        EXPECT_EQ(icon.pixels, std::vector<uint32_t>{0x12345678}) << c.name;
    }
}

} // namespace
