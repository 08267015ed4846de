#pragma once

// Movies on a window with a display in memory: the sound fixture's clock and audio device, a
// window host (active, its screen on a headless framebuffer) whose turns run the movies' timers,
// and a video decoder: the scripted one unless a test asks for the built-in one.

#include "MovieTurn.h"
#include "ScriptedVideo.h"
#include "SoundFixture.h"

#include "graphics/CWindow.h"
#include "platform/HeadlessDisplay.h"
#include "platform/HeadlessHostWindow.h"
#include "platform/HeadlessWindowSystem.h"
#include "sound/CMovie.h"

#include <memory>
#include <string>

namespace soundtest {

class MovieFixture : public SoundFixture {
public:
    static uint16_t pixel(CMovie& movie, int x, int y)
    {
        const uint8_t* row = movie.GetDataPtr() + size_t(y) * size_t(movie.GetPitch()) * 2;
        return reinterpret_cast<const uint16_t*>(row)[x];
    }

protected:
    void SetUp() override
    {
        SoundFixture::SetUp();
        platform::setWindowSystem(&windowSystem_);
        platform::setDisplay(&display_);
        platform::setVideoDecoder(&scripted);
        window_ = std::make_unique<CWindow>(&hostWindow_, nullptr, nullptr, CXSize(800, 600),
                                            platform::CursorShape::Arrow, "tamzora", true);
        window_->OnActivateApp(true);
        window_->CreateSurface();
    }
    void TearDown() override
    {
        window_.reset();
        CWindow::resetStatics();
        platform::setVideoDecoder(nullptr);
        platform::setDisplay(nullptr);
        platform::setWindowSystem(nullptr);
        SoundFixture::TearDown();
    }
    void useBuiltInDecoder() { platform::setVideoDecoder(nullptr); }

    // A file for the movie to open: any bytes do for the scripted decoder.
    std::string video(const std::string& bytes = "scripted") { return put("movie.avi", bytes); }
    std::unique_ptr<CMovie> movie(const std::string& path) { return std::make_unique<CMovie>(window_.get(), path.c_str()); }

    // One engine turn `ms` later, once the decoder has read as far as it can (see MovieTurn.h).
    void step(CMovie& movie, uint32_t ms)
    {
        movieTurn(movie, clock_, ms, [&] { window_->Tick(); });
    }
    // The picture number shown: the scripted pixel value less one (-1 before any).
    static int shown(CMovie& movie) { return pixel(movie, 0, 0) - 1; }

    ScriptedDecoder scripted;
    platform::HeadlessDisplay display_;
    platform::HeadlessWindowSystem windowSystem_;
    platform::HeadlessHostWindow hostWindow_{platform::WindowSettings{}};
    std::unique_ptr<CWindow> window_;
};

} // namespace soundtest
