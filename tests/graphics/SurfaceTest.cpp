#include "GraphicsTestSupport.h"
#include "WindowHarness.h"
#include "foundation/CCommandLine6.h"
#include "graphics/CColor.h"
#include "graphics/CDirectDrawSurface.h"
#include "graphics/CSurface.h"
#include "platform/HeadlessDisplay.h"

#include <gtest/gtest.h>

#include <memory>

using platform::DisplayResult;

namespace graphicstest {

// The window test fixture over the headless display.
class SurfaceTest : public WindowTest {
protected:
    void SetUp() override
    {
        platform::setDisplay(&display);
        WindowTest::SetUp();
    }

    void TearDown() override
    {
        window.reset();
        platform::setDisplay(nullptr);
        WindowTest::TearDown();
    }

    // A window made over a command line of options.
    void remakeWindow(const char* options)
    {
        window.reset();
        commandLine = std::make_unique<CCommandLine6>(options);
        window = makeWindow(true, commandLine.get());
    }

    platform::HeadlessDisplay display;
    std::unique_ptr<CCommandLine6> commandLine;
};

TEST_F(SurfaceTest, WindowedDisplayDrawsThroughABackSurfaceOfTheScreensSize)
{
    EXPECT_EQ(window->GetBpp(), 0);
    ASSERT_EQ(window->CreateSurface(), 0);
    EXPECT_EQ(window->LastError(), 0);
    EXPECT_EQ(window->GetBpp(), 16);
    EXPECT_TRUE(window->GetSurface()->isWindowMode());
    EXPECT_FALSE(window->GetSurface()->IsFlippingEnabled());
    CDirectDrawSurface* back = window->getBackSurface();
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(window->GetScreenSize().cx, 800);
    EXPECT_EQ(window->GetScreenSize().cy, 600);
    // Stable memory whose rows are exactly the width long: the loops draw straight into it.
    EXPECT_NE(back->GetDataPtr(), nullptr);
    EXPECT_EQ(back->GetPitch(), 800);
    EXPECT_EQ(back->GetDirectDrawSurfaceInterface()->pitchBytes(), 1600);
    EXPECT_EQ(window->GetSurface()->Lock(), DisplayResult::Ok);
    EXPECT_EQ(window->GetScreenPtr(), display.primary()->pixels());

    // A second display replaces the first.
    ASSERT_EQ(window->CreateSurface(), 0);
    EXPECT_TRUE(display.isOpen());
}

TEST_F(SurfaceTest, FullScreenRefusedAt16BitsComesUpAt15)
{
    display.refuseBitsPerPixel(16);
    EXPECT_EQ(window->SetDisplayMode(CXSize(0, 0), 16), DisplayResult::ModeRefused);
    EXPECT_EQ(window->LastError(), DisplayResult::ModeRefused);
    EXPECT_EQ(window->GetSurface(), nullptr);
    ASSERT_EQ(window->SetDisplayMode(CXSize(0, 0), 15), 0);
    EXPECT_EQ(window->GetBpp(), 15);
    EXPECT_EQ(window->getBackSurface()->GetBpp(), 15);
    EXPECT_FALSE(window->GetSurface()->isWindowMode());

    // Masks of 8 bits a channel read as 24 bits, whatever was asked.
    CXSize size(8, 6);
    int bpp = 32;
    CSurface wide(size, bpp, nullptr, false);
    EXPECT_EQ(wide.LastError(), 0);
    EXPECT_EQ(bpp, 24);
    EXPECT_EQ(wide.GetBPP(), 24);
}

TEST_F(SurfaceTest, PageFlippingDrawsIntoTheDisplaysBackBufferWhenThereIsOne)
{
    remakeWindow("-pf");
    ASSERT_EQ(window->SetDisplayMode(CXSize(800, 600), 16), 0);
    ASSERT_TRUE(window->GetSurface()->IsFlippingEnabled());
    CDirectDrawSurface* back = window->getBackSurface();
    EXPECT_EQ(back->GetDirectDrawSurfaceInterface(), display.backBuffer());
    CColor white(255, 255, 255);
    back->Fill(&white);
    ASSERT_EQ(window->GetSurface()->Flip(), DisplayResult::Ok);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(display.primary()->pixels())[800 * 600 - 1], 0xFFFF);

    display.refuseFlipping(true);
    ASSERT_EQ(window->SetDisplayMode(CXSize(800, 600), 16), 0);
    EXPECT_FALSE(window->GetSurface()->IsFlippingEnabled());
    EXPECT_NE(window->getBackSurface()->GetDirectDrawSurfaceInterface(), nullptr);
}

TEST_F(SurfaceTest, VideoMemoryIsAskedForOnlyWithTheOptionAndFallsBack)
{
    remakeWindow("-vmem");
    ASSERT_EQ(window->CreateSurface(), 0);
    CDirectDrawSurface fast(window.get(), CXSize(4, 4), 16, true);
    EXPECT_TRUE(fast.GetDirectDrawSurfaceInterface()->inVideoMemory());
    EXPECT_EQ(fast.GetClippingRect(), CXRect(0, 0, 4, 4));
    display.refuseVideoMemory(true);
    CDirectDrawSurface fallback(window.get(), CXSize(4, 4), 16, true);
    ASSERT_NE(fallback.GetDirectDrawSurfaceInterface(), nullptr);
    EXPECT_FALSE(fallback.GetDirectDrawSurfaceInterface()->inVideoMemory());
    EXPECT_EQ(fallback.LastError(), 0);

    remakeWindow("");
    ASSERT_EQ(window->CreateSurface(), 0);
    display.refuseVideoMemory(false);
    CDirectDrawSurface plain(window.get(), CXSize(4, 4), 16, true);
    EXPECT_FALSE(plain.GetDirectDrawSurfaceInterface()->inVideoMemory());
}

TEST_F(SurfaceTest, CopiesBetweenSurfaces)
{
    ASSERT_EQ(window->CreateSurface(), 0);
    CDirectDrawSurface target(window.get(), CXSize(10, 10), 16, false);
    CDirectDrawSurface source(window.get(), CXSize(4, 2), 16, false);
    CColor black(0, 0, 0);
    CColor white(255, 255, 255);
    target.Fill(&black);
    source.Fill(&white);
    source.Fill(CXRect(0, 0, 1, 2), &black);

    // A source rectangle larger than the source: the whole source centred in a box of that size
    // at the target's origin, whatever position was given.
    CXRect box(0, 0, 8, 6);
    ASSERT_EQ(target.Blt(&source, 7, 7, &box), DisplayResult::Ok);
    EXPECT_EQ(pixelsOf(target)[2 * 10 + 2], 0);
    EXPECT_EQ(pixelsOf(target)[2 * 10 + 3], 0xFFFF);
    EXPECT_EQ(pixelsOf(target)[3 * 10 + 5], 0xFFFF);
    EXPECT_EQ(pixelsOf(target)[4 * 10 + 3], 0);

    // Scaled between rectangles of different sizes.
    CXRect from(1, 0, 3, 2);
    CXRect to(0, 6, 4, 10);
    ASSERT_EQ(target.Blt(&source, &from, &to), DisplayResult::Ok);
    EXPECT_EQ(pixelsOf(target)[9 * 10 + 3], 0xFFFF);
    EXPECT_EQ(pixelsOf(target)[9 * 10 + 4], 0);

    // Drawn as an object onto its destiny: the part that lies on it.
    target.Fill(&black);
    source.SetPosition(8, -1);
    source.SetDestiny(&target);
    source.Redraw();
    EXPECT_EQ(pixelsOf(target)[8], 0);
    EXPECT_EQ(pixelsOf(target)[9], 0xFFFF);
    EXPECT_EQ(std::count(pixelsOf(target), pixelsOf(target) + 100, 0xFFFF), 1);
    source.SetPosition(7, -1);
    source.Redraw();
    EXPECT_EQ(std::count(pixelsOf(target), pixelsOf(target) + 100, 0xFFFF), 2);
    EXPECT_EQ(pixelsOf(target)[8], 0xFFFF);
}

// A lost surface is restored by the next copy, and the object it remembers is drawn into the
// target again.
TEST_F(SurfaceTest, LostSurfacesAreRestoredAndRedrawn)
{
    ASSERT_EQ(window->CreateSurface(), 0);
    CDirectDrawSurface target(window.get(), CXSize(4, 4), 16, false);
    CDirectDrawSurface background(window.get(), CXSize(4, 4), 16, false);
    CGraphicsObject picture(window.get(), CXSize(4, 4), 16);
    std::fill_n(reinterpret_cast<uint16_t*>(picture.GetDataPtr()), 16, uint16_t(0x1234));
    picture.SetDestiny(&background);
    picture.Redraw();
    background.applyToRestore(&picture);
    EXPECT_EQ(background.getApplied(), &picture);

    platform::HeadlessDisplay::lose(*target.GetDirectDrawSurfaceInterface());
    ASSERT_EQ(target.Blt(&background, 0, 0, nullptr), DisplayResult::Ok);
    EXPECT_EQ(pixelsOf(target)[15], 0x1234);

    // A lost screen takes a second try on the display.
    remakeWindow("");
    ASSERT_EQ(window->SetDisplayMode(CXSize(4, 4), 16), 0);
    platform::HeadlessDisplay::lose(*display.primary());
    ASSERT_EQ(window->GetSurface()->Blt(&background, CXPoint(0, 0), nullptr), DisplayResult::Ok);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(display.primary()->pixels())[5], 0x1234);

    // A lost source is restored before the copy; it holds no picture then.
    platform::HeadlessDisplay::lose(*background.GetDirectDrawSurfaceInterface(), 0);
    ASSERT_EQ(window->GetSurface()->Blt(&background, 0, 0, nullptr), DisplayResult::Ok);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(display.primary()->pixels())[5], 0);
}

} // namespace graphicstest

namespace graphicstest {

TEST_F(SurfaceTest, ObjectsOfAWindowTakeItsScreenFormatAndShowAndHide)
{
    CGraphicsObject picture(window.get(), CXSize(2, 2), 16);
    std::fill_n(reinterpret_cast<uint16_t*>(picture.GetDataPtr()), 4, uint16_t(0xFFFF));
    EXPECT_EQ(picture.Load(CXString("x")), 0);
    EXPECT_EQ(picture.GetBpp(), 16);
    display.refuseBitsPerPixel(16);
    ASSERT_EQ(window->SetDisplayMode(CXSize(0, 0), 15), 0);
    picture.Load(CXString("x"));
    EXPECT_EQ(picture.GetBpp(), 15);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(picture.GetDataPtr())[0], 0x7FFF);

    RecordingObserver observer;
    picture.addInvalidateObserver(&observer);
    picture.Hide();
    EXPECT_FALSE(picture.isVisible());
    EXPECT_EQ(observer.invalidated.size(), 1u);
    picture.Show();
    EXPECT_TRUE(picture.isVisible());
    // Without a window the flag stays as it is.
    CGraphicsObject loose(nullptr, CXSize(2, 2), 16);
    loose.Hide();
    EXPECT_TRUE(loose.isVisible());
    picture.removeInvalidateObserver(&observer);
}

} // namespace graphicstest
