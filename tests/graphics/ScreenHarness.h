#pragma once

// A window host with its display on the headless framebuffer: the screen draws real frames that
// the tests read back from the display.

#include "GraphicsTestSupport.h"
#include "graphics/CRefreshRegion.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "platform/Display.h"
#include "platform/HeadlessDisplay.h"
#include "platform/HeadlessHostWindow.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ManualClock.h"
#include "platform/WindowSystem.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <vector>

namespace graphicstest {

// A picture that counts how often it is drawn.
struct CountedPicture : CGraphicsObject {
    CountedPicture(CWindow* window, int x, int y) : CGraphicsObject(window, CXSize(10, 10), 16) { SetPosition(x, y); }
    void Redraw() override
    {
        ++drawn;
        CGraphicsObject::Redraw();
    }
    int drawn = 0;
};

// The area the screen will draw again in its next frame.
inline int64_t dirtyArea(CRefreshScreen* screen)
{
    int64_t area = 0;
    CRefreshRegion* region = screen->getRefreshList();
    for (int i = 0; i < region->getSize(); ++i) {
        CXRect* rect = region->rectAt(i);
        area += rect != nullptr ? int64_t(rect->Width()) * rect->Height() : 800 * 600;
    }
    return area;
}

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setClock(&clock);
        platform::setWindowSystem(&windowSystem);
        platform::setDisplay(&display);
        window = std::make_unique<CWindow>(&hostWindow, nullptr, nullptr, CXSize(800, 600), platform::CursorShape::Arrow,
                                           "tamzora", true);
        ASSERT_EQ(window->CreateSurface(), 0);
        window->OnActivateApp(true);
        screen = window->GetRefreshScreenInterface();
    }

    void TearDown() override
    {
        pictures.clear();
        window.reset();
        platform::setDisplay(nullptr);
        platform::setWindowSystem(nullptr);
        platform::setClock(nullptr);
        CWindow::resetStatics();
    }

    // A picture of random pixels, with an alpha plane when asked; kept until the test ends.
    CGraphicsObject* picture(int width, int height, bool withAlpha, int x = 0, int y = 0)
    {
        pictures.push_back(std::make_unique<CGraphicsObject>(window.get(), CXSize(width, height), 16));
        CGraphicsObject* made = pictures.back().get();
        randomize(*made, random, withAlpha);
        made->SetPosition(x, y);
        return made;
    }

    // One turn's drawing: the window draws the dirty part and copies it to the display.
    void frame() { window->Redraw(false); }

    uint16_t shown(int x, int y) { return reinterpret_cast<uint16_t*>(display.primary()->pixels())[y * 800 + x]; }
    std::vector<uint16_t> shownFrame()
    {
        auto* pixels = reinterpret_cast<uint16_t*>(display.primary()->pixels());
        return std::vector<uint16_t>(pixels, pixels + 800 * 600);
    }

    platform::ManualClock clock{1000};
    platform::HeadlessWindowSystem windowSystem;
    platform::HeadlessHostWindow hostWindow{platform::WindowSettings{}};
    platform::HeadlessDisplay display;
    std::unique_ptr<CWindow> window;
    CRefreshScreen* screen = nullptr;
    std::mt19937 random{21};
    std::vector<std::unique_ptr<CGraphicsObject>> pictures;
};

} // namespace graphicstest
