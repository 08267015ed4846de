#include "platform/Clock.h"
#include "platform/HeadlessDisplay.h"
#include "platform/ManualClock.h"
#include "platform/SdlDisplay.h"
#include "platform/SdlHostWindow.h"
#include "platform/SdlWindowSystem.h"

#include <SDL.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

using platform::DisplayRect;
using platform::DisplayResult;
using platform::DisplaySurface;

namespace {

uint16_t* pixelsOf(DisplaySurface& surface)
{
    return reinterpret_cast<uint16_t*>(surface.pixels());
}

// Every pixel numbered by its place: row × 100 + column + 1.
void number(DisplaySurface& surface)
{
    for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x)
            pixelsOf(surface)[y * surface.width() + x] = uint16_t(y * 100 + x + 1);
    }
}

class HeadlessDisplayTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(display.openWindowed(nullptr, 8, 6), DisplayResult::Ok); }

    std::unique_ptr<DisplaySurface> surface(int width, int height)
    {
        int result = -1;
        auto made = display.createSurface(width, height, false, result);
        EXPECT_EQ(result, DisplayResult::Ok);
        return made;
    }

    platform::HeadlessDisplay display;
};

TEST_F(HeadlessDisplayTest, SurfacesAreStableRowsWithoutGaps)
{
    auto off = surface(5, 3);
    uint8_t* pixels = nullptr;
    int pitch = 0;
    ASSERT_EQ(off->lock(&pixels, &pitch), DisplayResult::Ok);
    EXPECT_EQ(pitch, 10);
    EXPECT_EQ(pixels, off->pixels());
    EXPECT_EQ(display.primary()->pitchBytes(), 16);
    EXPECT_EQ(display.backBuffer(), nullptr);

    int result = 0;
    EXPECT_EQ(display.createSurface(0, 3, false, result), nullptr);
    EXPECT_EQ(result, DisplayResult::OutOfMemory);
    EXPECT_EQ(display.createSurface(100000, 3, false, result), nullptr);
    display.refuseVideoMemory(true);
    EXPECT_EQ(display.createSurface(4, 4, true, result), nullptr);
    EXPECT_EQ(result, DisplayResult::OutOfMemory);
    EXPECT_NE(display.createSurface(4, 4, false, result), nullptr);
}

// Copies cut at the edges of both surfaces; what would fall outside is simply not copied.
TEST_F(HeadlessDisplayTest, CopiesClipToBothSurfaces)
{
    auto source = surface(4, 3);
    number(*source);
    struct Case {
        int x;
        int y;
        DisplayRect from;
    };
    const Case cases[] = {
        {2, 1, {0, 0, 4, 3}}, {-2, -1, {0, 0, 4, 3}}, {6, 4, {0, 0, 4, 3}},
        {1, 1, {-2, -1, 3, 2}}, {0, 0, {2, 1, 9, 9}}, {9, 9, {0, 0, 4, 3}},
    };
    for (const Case& c : cases) {
        display.fill(*display.primary(), nullptr, 0);
        ASSERT_EQ(display.blitAt(*display.primary(), c.x, c.y, *source, &c.from), DisplayResult::Ok);
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 8; ++x) {
                int sx = x - c.x + c.from.left, sy = y - c.y + c.from.top;
                bool inside = sx >= std::max(0, c.from.left) && sy >= std::max(0, c.from.top) && sx < std::min(4, c.from.right) &&
                              sy < std::min(3, c.from.bottom);
                uint16_t expected = inside ? uint16_t(sy * 100 + sx + 1) : 0;
                ASSERT_EQ(pixelsOf(*display.primary())[y * 8 + x], expected) << c.x << "," << c.y << " at " << x << "," << y;
            }
        }
    }
}

TEST_F(HeadlessDisplayTest, ScaledCopiesFillsAndOverlaps)
{
    auto source = surface(2, 2);
    number(*source);
    DisplayRect to{0, 0, 4, 4};
    ASSERT_EQ(display.blit(*display.primary(), &to, *source, nullptr), DisplayResult::Ok);
    EXPECT_EQ(pixelsOf(*display.primary())[0], 1);
    EXPECT_EQ(pixelsOf(*display.primary())[8 + 1], 1);
    EXPECT_EQ(pixelsOf(*display.primary())[3 * 8 + 3], 102);

    DisplayRect area{6, 4, 20, 20};
    ASSERT_EQ(display.fill(*display.primary(), &area, 0xBEEF), DisplayResult::Ok);
    EXPECT_EQ(pixelsOf(*display.primary())[5 * 8 + 7], 0xBEEF);
    EXPECT_EQ(pixelsOf(*display.primary())[3 * 8 + 7], 0);

    // A surface copied onto itself, overlapping, moves its picture intact.
    auto strip = surface(1, 5);
    number(*strip);
    DisplayRect top{0, 0, 1, 4};
    display.blitAt(*strip, 0, 1, *strip, &top);
    EXPECT_EQ(std::vector<uint16_t>(pixelsOf(*strip), pixelsOf(*strip) + 5), (std::vector<uint16_t>{1, 1, 101, 201, 301}));
    DisplayRect bottom{0, 1, 1, 5};
    display.blitAt(*strip, 0, 0, *strip, &bottom);
    EXPECT_EQ(std::vector<uint16_t>(pixelsOf(*strip), pixelsOf(*strip) + 5), (std::vector<uint16_t>{1, 101, 201, 301, 301}));
}

TEST_F(HeadlessDisplayTest, LostSurfacesRefuseCopiesUntilRestored)
{
    auto source = surface(2, 2);
    number(*source);
    platform::HeadlessDisplay::lose(*source, 0x11);
    uint8_t* pixels = nullptr;
    int pitch = 0;
    EXPECT_EQ(source->lock(&pixels, &pitch), DisplayResult::SurfaceLost);
    EXPECT_EQ(display.blitAt(*display.primary(), 0, 0, *source, nullptr), DisplayResult::SurfaceLost);
    EXPECT_EQ(display.blit(*source, nullptr, *display.primary(), nullptr), DisplayResult::SurfaceLost);
    EXPECT_EQ(display.fill(*source, nullptr, 0), DisplayResult::SurfaceLost);
    EXPECT_EQ(pixelsOf(*source)[3], 102);
    // The memory stays where it was; restoring leaves no picture in it.
    EXPECT_EQ(source->restore(), DisplayResult::Ok);
    EXPECT_EQ(source->lock(&pixels, &pitch), DisplayResult::Ok);
    EXPECT_EQ(pixels, source->pixels());
    EXPECT_EQ(pixelsOf(*source)[3], 0x1111);
    EXPECT_EQ(display.blitAt(*display.primary(), 0, 0, *source, nullptr), DisplayResult::Ok);
}

TEST(HeadlessDisplay, FullScreenModesFlippingAndPresents)
{
    platform::HeadlessDisplay display;
    display.refuseBitsPerPixel(16);
    EXPECT_EQ(display.openFullScreen(nullptr, 8, 6, 16, true), DisplayResult::ModeRefused);
    EXPECT_FALSE(display.isOpen());
    ASSERT_EQ(display.openFullScreen(nullptr, 8, 6, 15, true), DisplayResult::Ok);
    EXPECT_TRUE(display.isFullScreen());
    EXPECT_EQ(display.format().colourMask(), 0x7FFFu);
    ASSERT_NE(display.backBuffer(), nullptr);

    // A flip shows the back buffer; a present shows only a changed screen unless exposed.
    display.present(false);
    int presents = display.presentCount();
    display.present(false);
    EXPECT_EQ(display.presentCount(), presents);
    number(*display.backBuffer());
    ASSERT_EQ(display.flip(), DisplayResult::Ok);
    EXPECT_EQ(pixelsOf(*display.primary())[5 * 8 + 7], 508);
    display.present(false);
    EXPECT_EQ(display.changedPresentCount(), presents + 1);
    display.present(true);
    EXPECT_EQ(display.presentCount(), presents + 2);
    platform::HeadlessDisplay::lose(*display.primary());
    EXPECT_EQ(display.flip(), DisplayResult::SurfaceLost);

    display.refuseFlipping(true);
    ASSERT_EQ(display.openFullScreen(nullptr, 8, 6, 32, true), DisplayResult::Ok);
    EXPECT_EQ(display.backBuffer(), nullptr);
    EXPECT_EQ(display.flip(), DisplayResult::NotOpen);
    EXPECT_EQ(display.primary()->bytesPerPixel(), 4);
    display.close();
    EXPECT_EQ(display.primary(), nullptr);
    int result = 0;
    EXPECT_EQ(display.createSurface(2, 2, false, result), nullptr);
    EXPECT_EQ(result, DisplayResult::NotOpen);
}

// Under SDL's dummy video driver (set for every test program).
TEST(SdlDisplay, OpensInTheHostWindowAndPresents)
{
    platform::SdlWindowSystem system;
    std::unique_ptr<platform::HostWindow> window = system.openWindow(platform::WindowSettings{});
    ASSERT_NE(window, nullptr);
    platform::SdlDisplay display;
    EXPECT_EQ(display.openWindowed(nullptr, 800, 600), DisplayResult::NoDisplay);
    ASSERT_EQ(display.openWindowed(window.get(), 800, 600), DisplayResult::Ok);
    EXPECT_EQ(display.format().colourMask(), 0xFFFFu);
    number(*display.primary());
    display.present(false);
    display.present(true);
    ASSERT_EQ(display.openFullScreen(window.get(), 800, 600, 16, true), DisplayResult::Ok);
    ASSERT_NE(display.backBuffer(), nullptr);
    number(*display.backBuffer());
    EXPECT_EQ(display.flip(), DisplayResult::Ok);
    display.present(false);
    ASSERT_EQ(display.openFullScreen(window.get(), 800, 600, 15, false), DisplayResult::Ok);
    EXPECT_EQ(display.format().colourMask(), 0x7FFFu);
    display.present(true);
    display.close();
    EXPECT_FALSE(display.isOpen());
}

// A mirror's display in a window its maker left hidden: copies from the main display's surfaces
// reach it, and the first picture it shows brings the window up; the main display never shows
// its window by itself.
TEST(SdlDisplay, ASecondDisplayShowsItsHiddenWindowWithItsFirstPicture)
{
    // Far enough from 0 that the first present is not held back to the refresh rate.
    platform::ManualClock clock(1000);
    platform::setClock(&clock);
    platform::SdlWindowSystem system;
    platform::WindowSettings hidden;
    hidden.visible = false;
    std::unique_ptr<platform::HostWindow> mainWindow = system.openWindow(hidden);
    std::unique_ptr<platform::HostWindow> mirrorWindow = system.openWindow(hidden);
    ASSERT_NE(mirrorWindow, nullptr);
    auto isHidden = [](platform::HostWindow& window) {
        return (SDL_GetWindowFlags(platform::SdlHostWindow::sdlWindowOf(&window)) & SDL_WINDOW_HIDDEN) != 0;
    };
    platform::SdlDisplay display;
    ASSERT_EQ(display.openWindowed(mainWindow.get(), 80, 60), DisplayResult::Ok);
    std::unique_ptr<platform::Display> second = display.createSecondDisplay();
    ASSERT_EQ(second->openWindowed(mirrorWindow.get(), 80, 60), DisplayResult::Ok);
    number(*display.primary());
    ASSERT_EQ(second->blit(*second->primary(), nullptr, *display.primary(), nullptr), DisplayResult::Ok);
    EXPECT_EQ(std::memcmp(second->primary()->pixels(), display.primary()->pixels(), 80 * 60 * 2), 0);
    display.present(true);
    EXPECT_TRUE(isHidden(*mainWindow));
    EXPECT_TRUE(isHidden(*mirrorWindow));
    second->present(true);
    EXPECT_FALSE(isHidden(*mirrorWindow));
    second->close();
    display.close();
    platform::setClock(nullptr);
}

} // namespace
