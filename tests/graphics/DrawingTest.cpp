#include "GraphicsTestSupport.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPixelLoops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using namespace graphicstest;

namespace {

// The pixel rules written out plainly, channel by channel, as the reference for the loops.
struct Channels {
    int red;
    int green;
    int blue;
};

Channels channelsOf(uint16_t p, int bpp)
{
    return bpp == 16 ? Channels{p >> 11, (p >> 5) & 63, p & 31} : Channels{(p >> 10) & 31, (p >> 5) & 31, p & 31};
}

uint16_t pixelOf(Channels c, int bpp)
{
    return uint16_t(bpp == 16 ? c.red << 11 | c.green << 5 | c.blue : c.red << 10 | c.green << 5 | c.blue);
}

// (s × a + d × (256 − a)) / 256, rounded down, per channel; with plusOne one step more, kept
// within the channel's range.
uint16_t mix(uint16_t s, uint16_t d, int a, int bpp, bool plusOne)
{
    Channels cs = channelsOf(s, bpp), cd = channelsOf(d, bpp);
    int greenMax = bpp == 16 ? 63 : 31;
    auto one = [&](int sv, int dv, int max) {
        int v = (sv * a + dv * (256 - a)) / 256;
        return plusOne ? std::min(v + 1, max) : v;
    };
    return pixelOf({one(cs.red, cd.red, 31), one(cs.green, cd.green, greenMax), one(cs.blue, cd.blue, 31)}, bpp);
}

uint32_t widened(uint16_t p)
{
    uint32_t red = p >> 11, green = (p >> 5) & 63, blue = p & 31;
    return red << 19 | green << 10 | blue << 3;
}

// 32-bit targets: both sides at five bits a channel, no extra step, widened back.
uint32_t mix32(uint16_t s, uint32_t d, int a)
{
    int sv[] = {s >> 11, (s >> 6) & 31, s & 31};
    int dv[] = {int(d >> 19) & 31, int(d >> 11) & 31, int(d >> 3) & 31};
    int v[3];
    for (int i = 0; i < 3; ++i)
        v[i] = (sv[i] * a + dv[i] * (256 - a)) / 256;
    return widened(uint16_t(v[0] << 11 | v[1] << 6 | v[2]));
}

enum class Family { Copy, Alpha, Mask, Blend, Canvas };

struct Case {
    const char* name;
    Family family;
    int sourceBpp;
    int targetBpp;
    bool sourceAlpha;
    bool targetAlpha;
    int opacity;
};

// What one target pixel (and its alpha byte) becomes under one source pixel.
void expectPixel(const Case& c, uint16_t s, int a, uint32_t& d, uint8_t& t)
{
    bool wide = c.targetBpp == 32;
    auto copy = [&] { d = wide ? widened(s) : s; };
    auto weigh = [&](int w, bool plusOne) { d = wide ? mix32(s, d, w) : mix(s, uint16_t(d), w, c.sourceBpp, plusOne); };
    switch (c.family) {
    case Family::Copy:
        copy();
        break;
    case Family::Alpha:
        if (a == 255)
            copy();
        else if (a != 0)
            weigh(a, true);
        break;
    case Family::Mask:
        if (a != 0)
            copy();
        break;
    case Family::Blend: {
        int weight = c.sourceAlpha ? c.opacity * a / 256 : c.opacity;
        if (weight != 0)
            weigh(weight, false);
        break;
    }
    case Family::Canvas:
        if (!c.sourceAlpha) {
            copy();
            t = 255;
        } else if (a == 255 || (a != 0 && t == 0)) {
            copy();
            t = uint8_t(a);
        } else if (a != 0) {
            weigh(a, true);
            t = uint8_t(std::min(a + t, 255));
        }
        break;
    }
}

uint32_t readPixel(CGraphicsObject& o, int i)
{
    return o.GetBpp() == 32 ? reinterpret_cast<uint32_t*>(o.GetDataPtr())[i] : pixelsOf(o)[i];
}

void writePixel(CGraphicsObject& o, int i, uint32_t v)
{
    if (o.GetBpp() == 32)
        reinterpret_cast<uint32_t*>(o.GetDataPtr())[i] = v;
    else
        pixelsOf(o)[i] = uint16_t(v);
}

// Sources of 13 × 7 drawn onto 20 × 11 targets at positions inside, across every edge and off
// the target, every target pixel compared with the reference.
void drawAndCompare(const Case& c, bool autoClip)
{
    const CXPoint positions[] = {{3, 2}, {-4, -3}, {15, 8}, {-6, 6}, {12, -5}, {-13, 0}, {20, 4}, {0, 11}};
    std::mt19937 random(7);
    for (CXPoint at : positions) {
        CGraphicsObject source(nullptr, CXSize(13, 7), c.sourceBpp);
        randomize(source, random, c.sourceAlpha);
        CGraphicsObject target(nullptr, CXSize(20, 11), c.targetBpp);
        for (int i = 0; i < 220; ++i)
            writePixel(target, i, c.targetBpp == 32 ? uint32_t(random()) : uint16_t(random()));
        if (c.targetAlpha) {
            // Random coverage with a run of empty bytes, which the source's alpha replaces.
            randomize(target, random, true);
            std::fill_n(target.AlphaChannel(), 40, uint8_t(0));
        }
        if (c.sourceBpp == 15 || c.targetBpp == 15) {
            for (int i = 0; i < 91; ++i)
                pixelsOf(source)[i] &= 0x7FFF;
        }
        source.SetPosition(at);
        source.SetOpacity(uint8_t(c.opacity));
        source.setAlphaAsMask(c.family == Family::Mask);
        source.SetAutoClip(autoClip);

        std::vector<uint32_t> expected(220);
        std::vector<uint8_t> expectedAlpha(220);
        for (int i = 0; i < 220; ++i) {
            expected[i] = readPixel(target, i);
            expectedAlpha[i] = c.targetAlpha ? target.GetChannelAlpha()[i] : 0;
        }
        for (int y = 0; y < 11; ++y) {
            for (int x = 0; x < 20; ++x) {
                int sx = x - at.x, sy = y - at.y;
                if (sx < 0 || sy < 0 || sx >= 13 || sy >= 7)
                    continue;
                int from = sy * 13 + sx;
                int a = c.sourceAlpha ? source.GetChannelAlpha()[from] : -1;
                expectPixel(c, pixelsOf(source)[from], a, expected[y * 20 + x], expectedAlpha[y * 20 + x]);
            }
        }

        source.redraw(&target);
        for (int i = 0; i < 220; ++i) {
            ASSERT_EQ(readPixel(target, i), expected[i]) << c.name << " at " << at.x << "," << at.y << " pixel " << i;
            if (c.targetAlpha) {
                ASSERT_EQ(target.GetChannelAlpha()[i], expectedAlpha[i]) << c.name << " alpha " << i;
            }
        }
    }
}

const Case kCases[] = {
    {"copy 16", Family::Copy, 16, 16, false, false, 255},
    {"copy 15", Family::Copy, 15, 15, false, false, 255},
    {"copy 16 onto 32", Family::Copy, 16, 32, false, false, 255},
    {"alpha 16", Family::Alpha, 16, 16, true, false, 255},
    {"alpha 15", Family::Alpha, 15, 15, true, false, 255},
    {"alpha 16 onto 32", Family::Alpha, 16, 32, true, false, 255},
    {"mask 16", Family::Mask, 16, 16, true, false, 255},
    {"mask 15", Family::Mask, 15, 15, true, false, 255},
    {"mask 16 onto 32", Family::Mask, 16, 32, true, false, 255},
    {"blend 16", Family::Blend, 16, 16, false, false, 100},
    {"blend 15", Family::Blend, 15, 15, false, false, 37},
    {"blend 16 onto 32", Family::Blend, 16, 32, false, false, 200},
    {"blend at 0", Family::Blend, 16, 16, false, false, 0},
    {"alpha blend 16", Family::Blend, 16, 16, true, false, 200},
    {"alpha blend 15", Family::Blend, 15, 15, true, false, 254},
    {"alpha blend 16 onto 32", Family::Blend, 16, 32, true, false, 130},
    {"canvas 16", Family::Canvas, 16, 16, true, true, 255},
    {"canvas 15", Family::Canvas, 15, 15, true, true, 255},
    {"canvas without alpha", Family::Canvas, 16, 16, false, true, 255},
};

TEST(Drawing, EveryLoopGivesTheReferencePixels)
{
    for (const Case& c : kCases)
        drawAndCompare(c, true);
}

// Callers that turn auto clip off still never get pixels outside the target.
TEST(Drawing, LoopsClampWithoutAutoClip)
{
    for (const Case& c : kCases)
        drawAndCompare(c, false);
}

TEST(Drawing, AutoClipNarrowsTheClippingRectangle)
{
    CGraphicsObject target(nullptr, CXSize(800, 4), 16);
    std::fill_n(pixelsOf(target), 3200, uint16_t(0));
    CGraphicsObject source(nullptr, CXSize(50, 4), 16);
    std::fill_n(pixelsOf(source), 200, uint16_t(0xFFFF));

    source.SetPosition(-50, 0);
    source.redraw(&target);
    EXPECT_EQ(source.GetClippingRect(), CXRect());
    EXPECT_EQ(std::count(pixelsOf(target), pixelsOf(target) + 3200, 0xFFFF), 0);

    source.SetPosition(-10, 0);
    source.redraw(&target);
    EXPECT_EQ(source.GetClippingRect(), CXRect(10, 0, 50, 4));
    EXPECT_EQ(pixelsOf(target)[39], 0xFFFF);
    EXPECT_EQ(pixelsOf(target)[40], 0);
    EXPECT_EQ(std::count(pixelsOf(target), pixelsOf(target) + 800, 0xFFFF), 40);

    // A clipping rectangle of its own is narrowed, not replaced.
    source.SetPosition(780, 0);
    source.SetClippingRect(CXRect(5, 1, 30, 3));
    source.redraw(&target);
    EXPECT_EQ(source.GetClippingRect(), CXRect(5, 1, 20, 3));
    EXPECT_EQ(pixelsOf(target)[800 + 784], 0);
    EXPECT_EQ(pixelsOf(target)[800 + 785], 0xFFFF);
    EXPECT_EQ(pixelsOf(target)[799], 0);
}

TEST(Drawing, ViewportPicksAPartWithoutMovingIt)
{
    CGraphicsObject target(nullptr, CXSize(10, 10), 16);
    std::fill_n(pixelsOf(target), 100, uint16_t(0));
    CGraphicsObject source(nullptr, CXSize(6, 5), 16);
    for (int i = 0; i < 30; ++i)
        pixelsOf(source)[i] = uint16_t(i + 1);
    source.SetAutoClip(false);
    source.SetViewport(2, 1, 5, 3);
    source.SetPosition(4, 6);
    source.redraw(&target);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            bool drawn = x >= 4 && x < 7 && y >= 6 && y < 8;
            uint16_t expected = drawn ? uint16_t((y - 6 + 1) * 6 + (x - 4 + 2) + 1) : 0;
            ASSERT_EQ(pixelsOf(target)[y * 10 + x], expected) << x << "," << y;
        }
    }
}

TEST(Drawing, SourcesTakeTheTargetsFormatFirst)
{
    CGraphicsObject target(nullptr, CXSize(2, 2), 16);
    CGraphicsObject source(nullptr, CXSize(2, 2), 15);
    std::fill_n(pixelsOf(source), 4, uint16_t(0x7FFF));
    source.redraw(&target);
    EXPECT_EQ(source.GetBpp(), 16);
    EXPECT_EQ(pixelsOf(target)[3], 0xFFDF);

    // Alpha 128 over the same colour comes out one step brighter where below the limit.
    CGraphicsObject same(nullptr, CXSize(2, 2), 16);
    std::fill_n(pixelsOf(same), 4, uint16_t(10 << 11 | 63 << 5 | 31));
    std::fill_n(pixelsOf(target), 4, uint16_t(10 << 11 | 63 << 5 | 31));
    same.AlphaChannel() = new uint8_t[4]{128, 128, 128, 128};
    same.redraw(&target);
    EXPECT_EQ(pixelsOf(target)[0], 11 << 11 | 63 << 5 | 31);

    // Nothing is drawn from or onto an object without pixels.
    CGraphicsObject empty(nullptr);
    empty.redraw(&target);
    source.redraw(&empty);
    source.redraw(nullptr);
}

TEST(Drawing, MultiplicationTable)
{
    const int16_t* table = CPixelLoops::__get_mul_array();
    EXPECT_EQ(table, CPixelLoops::__get_mul_array());
    for (int d : {-256, -63, -1, 0, 1, 63, 255}) {
        for (int a : {0, 1, 128, 255})
            EXPECT_EQ(table[(d + 256) * 256 + a], int16_t(d * a)) << d << "×" << a;
    }
}

} // namespace
