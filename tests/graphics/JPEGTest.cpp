#include "graphics/JPEG.h"

#include "PixelBytes.h"
#include "script/GameFolder.h"

#include <gtest/gtest.h>

#include <memory>

using namespace graphicstest;

namespace {

Bytes decoded(JPEG& jpeg, int bpp)
{
    std::unique_ptr<uint8_t[]> plane(jpeg.decompress(bpp));
    if (!plane)
        return {};
    return Bytes(plane.get(), plane.get() + size_t(jpeg.getWidth()) * size_t(jpeg.getHeight()) * 2);
}

// The picture with the size fields of its frame head replaced.
Bytes withSize(Bytes jpeg, unsigned width, unsigned height)
{
    for (size_t i = 0; i + 8 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
            jpeg[i + 5] = uint8_t(height >> 8);
            jpeg[i + 6] = uint8_t(height);
            jpeg[i + 7] = uint8_t(width >> 8);
            jpeg[i + 8] = uint8_t(width);
            break;
        }
    }
    return jpeg;
}

} // namespace

TEST(JPEGTest, DecodesToTheTopBitsOfEachChannelFromMemoryOrFile)
{
    const Bytes picture = jpegPicture(40, 30);
    GameFolder folder;
    folder.temp.write("a.jpg", std::string(picture.begin(), picture.end()));
    for (int bpp : {15, 16}) {
        JPEG fromMemory(picture.data(), picture.size());
        JPEG fromFile(GameFolder::gamePath("a.jpg").c_str());
        for (JPEG* jpeg : {&fromMemory, &fromFile}) {
            ASSERT_TRUE(jpeg->isOpen());
            EXPECT_EQ(jpeg->getWidth(), 40);
            EXPECT_EQ(jpeg->getHeight(), 30);
            EXPECT_EQ(decoded(*jpeg, bpp), jpegAs16Bit(picture, bpp)) << bpp;
            EXPECT_EQ(jpeg->decompress(bpp), nullptr) << "decodes once";
        }
    }
}

TEST(JPEGTest, StreamsThatCannotBeOpenedGiveNothing)
{
    const Bytes picture = jpegPicture(40, 30);
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"no JPEG", Bytes(200, 0x41)},
        {"head cut", Bytes(picture.begin(), picture.begin() + 20)},
        {"more pixels than allowed", withSize(picture, 0xFFFF, 0xFFFF)},
        {"no pixels", withSize(picture, 0, 30)},
    };
    for (const auto& c : cases) {
        JPEG jpeg(c.bytes.data(), c.bytes.size());
        EXPECT_FALSE(jpeg.isOpen()) << c.what;
        EXPECT_EQ(jpeg.decompress(16), nullptr) << c.what;
    }
    JPEG missing(GameFolder::gamePath("missing.jpg").c_str());
    EXPECT_FALSE(missing.isOpen());
}

TEST(JPEGTest, APictureWhoseDataEndsEarlyStillDecodesWhole)
{
    const Bytes picture = jpegPicture(40, 30);
    const Bytes cut(picture.begin(), picture.end() - long(picture.size() / 3));
    JPEG jpeg(cut.data(), cut.size());
    ASSERT_TRUE(jpeg.isOpen());
    EXPECT_EQ(decoded(jpeg, 16).size(), 40u * 30u * 2u);
}
