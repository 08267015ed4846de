#include "graphics/CAnimo.h"
#include "graphics/CFrame.h"
#include "graphics/CImage.h"
#include "graphics/CPixelFormat.h"

#include "AnimationBytes.h"
#include "PictureState.h"
#include "WindowHarness.h"
#include "platform/HeadlessDisplay.h"
#include "script/GameFolder.h"

#include <gtest/gtest.h>

namespace graphicstest {
namespace {

// A window whose display fell back to 15 bits, over a game folder.
class PicturesOnDisplayTest : public WindowTest {
protected:
    void SetUp() override
    {
        platform::setDisplay(&display);
        WindowTest::SetUp();
        display.refuseBitsPerPixel(16);
        ASSERT_EQ(window->SetDisplayMode(CXSize(0, 0), 15), 0);
    }

    void TearDown() override
    {
        window.reset();
        platform::setDisplay(nullptr);
        WindowTest::TearDown();
    }

    CXString put(const std::string& name, const Bytes& bytes)
    {
        folder.temp.write(name, std::string(bytes.begin(), bytes.end()));
        return GameFolder::gamePath(name).c_str();
    }

    static Bytes as15Bit(Bytes plane)
    {
        CPixelFormat::_convert16to15(reinterpret_cast<uint16_t*>(plane.data()), int(plane.size() / 2));
        return plane;
    }

    platform::HeadlessDisplay display;
    GameFolder folder;
};

TEST_F(PicturesOnDisplayTest, PicturesTakeTheDisplaysFormat)
{
    const Bytes jpeg = jpegPicture(10, 4);
    CImage photo(window.get(), put("photo.jpg", jpeg));
    EXPECT_EQ(pictureOf(photo), picture(10, 4, 0, 0, 0, jpegAs16Bit(jpeg, 15), {}, 15));

    const Bytes colour = colourPlane(10, 4);
    CImage image(window.get(), put("a.img", StillImage(10, 4, colour).pik()));
    EXPECT_EQ(pictureOf(image), picture(10, 4, 0, 0, 0, as15Bit(colour), {}, 15));

    AnimationFile old = sampleAnimation("PIK", 0);
    CAnimo animo(window.get(), put("old.ann", old.bytes()));
    ASSERT_EQ(animo.LastError(), 0);
    for (int f = 0; f < animo.GetNOF(); ++f)
        EXPECT_EQ(pictureOf(*animo.GetFrame(f)).colour, as15Bit(old.frames[size_t(f)].colour)) << f;
}

} // namespace
} // namespace graphicstest
