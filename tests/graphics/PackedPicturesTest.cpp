#include "graphics/CColor.h"
#include "graphics/CImage.h"
#include "graphics/CStamp.h"

#include "ImageBytes.h"
#include "PictureState.h"
#include "ScreenHarness.h"
#include "script/GameFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace graphicstest {
namespace {

// Still pictures whose files hold run-length-packed planes, beside their twins stored raw.
class PackedPicturesTest : public ScreenTest {
protected:
    // The picture stored under the code, loaded as scripts load it, standing at (x, y).
    std::unique_ptr<CImage> load(int code, int width, int height, CXPoint at, bool withAlpha)
    {
        PackedPlanes planes = packPlanes(code, colourPlane(width, height), withAlpha ? alphaPlane(width, height) : Bytes());
        StillImage stored(width, height, planes.colour, planes.alpha);
        stored.code = code;
        stored.x = at.x;
        stored.y = at.y;
        Bytes bytes = stored.pik();
        std::string name = "picture" + std::to_string(code) + "_" + std::to_string(width) + ".img";
        folder.temp.write(name, std::string(bytes.begin(), bytes.end()));
        auto image = std::make_unique<CImage>(window.get(), CXString(GameFolder::gamePath(name).c_str()));
        EXPECT_EQ(image->LastError(), 0);
        EXPECT_EQ(image->GetCompression(), code);
        return image;
    }

    GameFolder folder;
};

// What a pass over every road that reads a picture's pixels saw.
struct Seen {
    std::vector<uint16_t> screen;
    Bytes stamped;
    std::vector<int> reads;

    bool operator==(const Seen&) const = default;
};

TEST_F(PackedPicturesTest, PackedPicturesDrawAndReadAsTheirRawTwinsAndStayPacked)
{
    auto pass = [this](int code) {
        Seen seen;
        std::unique_ptr<CImage> back = load(code, 800, 600, CXPoint(), false);
        std::unique_ptr<CImage> sprite = load(code, 40, 30, CXPoint(100, 80), true);
        const uint8_t* held = sprite->GetDataPtr();
        window->SetBackground(back.get());
        screen->put(sprite.get(), 1);
        window->Invalidate();
        frame();
        seen.screen = shownFrame();

        CGraphicsObject target(window.get(), CXSize(50, 40), 16);
        std::fill_n(pixelsOf(target), 50 * 40, uint16_t(0x4321));
        CStamp::draw(sprite.get(), &target, CXPoint(5, 6), CXRect());
        seen.stamped = pictureOf(target).colour;

        for (CXPoint p : {CXPoint(0, 0), CXPoint(1, 0), CXPoint(24, 7), CXPoint(39, 29)}) {
            seen.reads.push_back(sprite->GetPixel(p.x, p.y).getPixel());
            seen.reads.push_back(sprite->GetPixel(CHANNEL_ALPHA, p));
            seen.reads.push_back(sprite->isAt(sprite->GetPosition() + p, true));
        }
        EXPECT_EQ(sprite->GetCompression(), code);
        EXPECT_EQ(back->GetCompression(), code);
        EXPECT_EQ(sprite->GetDataPtr(), held) << "the planes a pass held are the ones it holds after";
        CColor black(0, 0, 0);
        window->SetBackground(&black);
        return seen;
    };
    Seen raw = pass(COMPRESSION_NONE);
    Seen packed = pass(COMPRESSION_RLE);
    EXPECT_TRUE(packed.screen == raw.screen);
    EXPECT_EQ(packed.stamped, raw.stamped);
    EXPECT_EQ(packed.reads, raw.reads);
    EXPECT_NE(raw.stamped, Bytes(50 * 40 * 2, 0));
}

} // namespace
} // namespace graphicstest
