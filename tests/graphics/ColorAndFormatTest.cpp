#include "graphics/CColor.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPixelFormat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(CColor, ConvertsToPixelFormats)
{
    EXPECT_EQ(CColor(255, 255, 255).GetInBPP(16), 0xFFFF);
    EXPECT_EQ(CColor(255, 255, 255).GetInBPP(15), 0x7FFF);
    // Integer divisions by 8 and 4 per channel.
    EXPECT_EQ(CColor(200, 100, 50).GetInBPP(16), (200 / 8) * 2048 + (100 / 4) * 32 + 50 / 8);
    EXPECT_EQ(CColor(200, 100, 50).GetInBPP(15), (200 / 8) * 1024 + (100 / 8) * 32 + 50 / 8);
    EXPECT_EQ(CColor(0, 0, 0, 0).GetInBPP(16), 0);
    // Bytes from the lowest address: alpha, red, green, blue.
    EXPECT_EQ(static_cast<uint32_t>(CColor(1, 2, 3, 4).getPixel()), 0x03020104u);
    EXPECT_EQ(CColor(1, 2, 3, 4).GetInBPP(32), CColor(1, 2, 3, 4).getPixel());
    // Pixels are not turned back into channels.
    EXPECT_EQ(CColor(short(0x1234), COLORMODEL_16).GetInBPP(15), 0x1234);
    EXPECT_EQ(CColor(short(0xF800), COLORMODEL_16).getPixel(), int(short(0xF800)));
}

TEST(CColor, ComparesInTheFirstColoursModel)
{
    const CColor red16(short(0xF800), COLORMODEL_16);
    const CColor red(255, 0, 0);
    // The sign-extended pixel equals the converted red on its 16 bits.
    EXPECT_TRUE(red16 == red);
    EXPECT_FALSE(red16 != red);
    // Read in model 4, a pixel stays a pixel and differs.
    EXPECT_FALSE(red == red16);
    EXPECT_TRUE(CColor(short(0x7C00), COLORMODEL_15) == CColor(255, 0, 0));
    EXPECT_FALSE(CColor(short(0x7C00), COLORMODEL_15) == CColor(0, 255, 0));
    EXPECT_TRUE(CColor(10, 20, 30) == CColor(10, 20, 30));
    EXPECT_FALSE(CColor(10, 20, 30, 1) == CColor(10, 20, 30, 2));
}

TEST(CPixelFormat, SizesAndFlagCodes)
{
    const int sizes[][2] = {{15, 2}, {16, 2}, {24, 3}, {32, 4}, {8, 1}, {0, 1}};
    for (auto [bpp, size] : sizes)
        EXPECT_EQ(CPixelFormat::__get_pixel_size(bpp), size) << bpp;
    EXPECT_EQ(CPixelFormat::__get_data_size(10, 3, 24), 90);
    EXPECT_EQ(CPixelFormat::__get_data_size(-1, 3, 16), -1);
    EXPECT_EQ(CPixelFormat::__get_data_size(70000, 70000, 16), -1);

    const int flags[][2] = {{2, 256}, {4, 512}, {8, 1}, {15, 2}, {16, 4}, {24, 8}};
    for (auto [bpp, flag] : flags) {
        EXPECT_EQ(CPixelFormat::GetFlagBpp(bpp), flag) << bpp;
        EXPECT_EQ(CPixelFormat::GetRealBpp(flag), bpp) << flag;
    }
    EXPECT_EQ(CPixelFormat::GetFlagBpp(32), 0);
    EXPECT_EQ(CPixelFormat::GetRealBpp(3), 0);
}

TEST(CPixelFormat, ConvertsEveryPixelBetween15And16Bits)
{
    // An odd count: the last pixel is converted too.
    std::vector<uint16_t> pixels = {0x7FFF, 0x0000, 0x03E0, 0x7C1F, 0x0021};
    CPixelFormat::_convert15to16(pixels.data(), int(pixels.size()));
    // Green moves up a bit with its low bit clear; bit 15 of a 15-bit pixel never leaks.
    EXPECT_EQ(pixels, (std::vector<uint16_t>{0xFFDF, 0x0000, 0x07C0, 0xF81F, 0x0041}));
    CPixelFormat::_convert16to15(pixels.data(), int(pixels.size()));
    EXPECT_EQ(pixels, (std::vector<uint16_t>{0x7FFF, 0x0000, 0x03E0, 0x7C1F, 0x0021}));
    std::vector<uint16_t> lowGreen = {0x0020};
    CPixelFormat::_convert16to15(lowGreen.data(), 1);
    EXPECT_EQ(lowGreen[0], 0);
}

TEST(CPixelFormat, WideningTableAndWidePlanes)
{
    const uint32_t* widen = CPixelFormat::getBppConversionTable();
    EXPECT_EQ(widen, CPixelFormat::getBppConversionTable());
    EXPECT_EQ(widen[0xFFFF], 0xF8FCF8u);
    EXPECT_EQ(widen[0xF800], 0xF80000u);
    EXPECT_EQ(widen[0x07E0], 0x00FC00u);
    EXPECT_EQ(widen[0x001F], 0x0000F8u);

    // Blue, green, red from the lowest address, 3 or 4 bytes a pixel.
    const uint8_t bgr[] = {0x08, 0x04, 0xF8, 0xFF, 0xFF, 0xFF};
    auto* plane = new uint8_t[sizeof bgr];
    std::memcpy(plane, bgr, sizeof bgr);
    uint8_t* converted = CPixelFormat::__convert_bpp(plane, 2, 24, 16);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(converted)[0], (0xF8 / 8) * 2048 + (0x04 / 4) * 32 + 0x08 / 8);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(converted)[1], 0xFFFF);
    delete[] converted;
    const uint8_t bgrx[] = {0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0x00};
    std::memcpy(plane, bgrx, sizeof bgr);
    EXPECT_EQ(CPixelFormat::__convert_bpp(plane, 1, 32, 24), nullptr);
    EXPECT_EQ(CPixelFormat::__convert_bpp(plane, 1, 16, 16), plane);
    converted = CPixelFormat::__convert_bpp(plane, 1, 32, 15);
    ASSERT_NE(converted, nullptr);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(converted)[0], 0x7C00);
    delete[] converted;
    delete[] plane;
}

TEST(CGraphicsObjectFormat, ConvertFollowsTheTarget)
{
    CGraphicsObject small(nullptr, CXSize(1, 3), 16);
    small.Convert(15);
    EXPECT_EQ(small.GetBpp(), 16);

    CGraphicsObject picture(nullptr, CXSize(2, 2), 15);
    std::fill_n(reinterpret_cast<uint16_t*>(picture.GetDataPtr()), 4, uint16_t(0x7FFF));
    // Wide targets only lift 15 bits to 16.
    picture.Convert(32);
    EXPECT_EQ(picture.GetBpp(), 16);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(picture.GetDataPtr())[3], 0xFFDF);
    picture.Convert(24);
    EXPECT_EQ(picture.GetBpp(), 16);
    picture.Convert(15);
    EXPECT_EQ(picture.GetBpp(), 15);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(picture.GetDataPtr())[3], 0x7FFF);
}

TEST(CGraphicsObjectFormat, PixelAccess)
{
    CGraphicsObject picture(nullptr, CXSize(3, 2), 16);
    CColor black(0, 0, 0);
    picture.Fill(&black);
    picture.SetPixel(2, 1, CColor(255, 255, 255));
    picture.SetPixel(3, 0, CColor(255, 255, 255)); // outside: ignored
    EXPECT_TRUE(picture.GetPixel(2, 1) == CColor(short(0xFFFF), COLORMODEL_16));
    EXPECT_EQ(picture.GetPixel(CXPoint(2, 1)).getModel(), COLORMODEL_16);
    EXPECT_EQ(picture.GetPixel(3, 0).getModel(), COLORMODEL_RGB);
    EXPECT_EQ(picture.GetPixel(3, 0).getPixel(), 0);
    EXPECT_EQ(picture.GetPixel(-1, 0).getPixel(), 0);

    // Each term rounded down: 128 × 31 / 256 = 15.
    picture.putPixel(0, 0, short(0xFFFF), 128, true);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(picture.GetDataPtr())[0], 15 << 11 | 31 << 5 | 15);
    picture.putPixel(0, 0, short(0x0000), 255, false);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(picture.GetDataPtr())[0], 0);

    CGraphicsObject bgr(nullptr, CXSize(1, 1), 24);
    const uint8_t pixel[] = {10, 20, 30};
    std::memcpy(bgr.GetDataPtr(), pixel, 3);
    EXPECT_TRUE(bgr.GetPixel(0, 0) == CColor(30, 20, 10));
}

TEST(CGraphicsObjectFormat, SplitAndJoinChannels)
{
    CGraphicsObject picture(nullptr, CXSize(2, 1), 24);
    const uint8_t bgr[] = {1, 2, 3, 4, 5, 6};
    std::memcpy(picture.GetDataPtr(), bgr, 6);
    picture.Split();
    ASSERT_EQ(picture.GetDataPtr(), nullptr);
    EXPECT_EQ(picture.GetChannelRed()[1], 6);
    EXPECT_EQ(picture.GetChannelGreen()[0], 2);
    EXPECT_EQ(picture.GetChannelBlue()[1], 4);
    EXPECT_EQ(picture.GetChannelSize(3), 2);
    EXPECT_EQ(picture.GetPixel(CHANNEL_RED, CXPoint(0, 0)), 3);
    picture.JoinChannels();
    ASSERT_NE(picture.GetDataPtr(), nullptr);
    EXPECT_EQ(picture.GetChannelRed(), nullptr);
    EXPECT_EQ(0, std::memcmp(picture.GetDataPtr(), bgr, 6));

    uint8_t* joined = picture.Join2Channels();
    const uint8_t expected[] = {1, 2, 3, 255, 4, 5, 6, 255};
    EXPECT_EQ(0, std::memcmp(joined, expected, 8));
    joined[3] = 7;
    picture.SplitOn2(joined, 2);
    delete[] joined;
    EXPECT_EQ(picture.GetPixel(CHANNEL_ALPHA, CXPoint(0, 0)), 7);
    EXPECT_EQ(0, std::memcmp(picture.GetDataPtr(), bgr, 6));
}

} // namespace
