#include "platform/SdlDisplay.h"

#include "platform/Clock.h"
#include "platform/SdlHostWindow.h"

#include <SDL.h>

namespace platform {

namespace {

constexpr int kDefaultRefreshHz = 60;

} // namespace

SdlDisplay::~SdlDisplay()
{
    close();
}

std::unique_ptr<Display> SdlDisplay::createSecondDisplay()
{
    // Each window has a renderer of its own.
    auto second = std::make_unique<SdlDisplay>();
    second->showsItsWindow_ = true;
    return second;
}

int SdlDisplay::openScreen(HostWindow* window, int width, int height, int bitsPerPixel, bool fullScreen, DisplayFormat& format)
{
    window_ = SdlHostWindow::sdlWindowOf(window);
    if (window_ == nullptr)
        return DisplayResult::NoDisplay;
    // Only the 5-5-5 screen of a display that refused 5-6-5 differs; SDL never refuses it.
    bool fifteen = bitsPerPixel == 15;
    format = fifteen ? DisplayFormat{16, 0x7C00, 0x03E0, 0x001F} : DisplayFormat{16, 0xF800, 0x07E0, 0x001F};
    SDL_SetWindowFullscreen(window_, fullScreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
    renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED);
    if (renderer_ == nullptr)
        renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
    if (renderer_ != nullptr) {
        SDL_RenderSetLogicalSize(renderer_, width, height);
        texture_ = SDL_CreateTexture(renderer_, fifteen ? SDL_PIXELFORMAT_RGB555 : SDL_PIXELFORMAT_RGB565,
                                     SDL_TEXTUREACCESS_STREAMING, width, height);
    }
    if (texture_ == nullptr) {
        closeScreen();
        return DisplayResult::NoDisplay;
    }
    periodUs_ = refreshPeriodUs();
    lastPresentUs_ = 0;
    pending_ = true;
    return DisplayResult::Ok;
}

void SdlDisplay::closeScreen()
{
    if (texture_ != nullptr)
        SDL_DestroyTexture(texture_);
    if (renderer_ != nullptr)
        SDL_DestroyRenderer(renderer_);
    if (window_ != nullptr)
        SDL_SetWindowFullscreen(window_, 0);
    texture_ = nullptr;
    renderer_ = nullptr;
    window_ = nullptr;
}

uint64_t SdlDisplay::refreshPeriodUs() const
{
    SDL_DisplayMode mode;
    int index = SDL_GetWindowDisplayIndex(window_);
    int hz = index >= 0 && SDL_GetCurrentDisplayMode(index, &mode) == 0 && mode.refresh_rate > 0 ? mode.refresh_rate : kDefaultRefreshHz;
    return 1000000u / uint64_t(hz);
}

void SdlDisplay::present(bool exposed)
{
    if (texture_ == nullptr)
        return;
    pending_ = takeScreenChanged() || exposed || pending_;
    uint64_t now = clock().microseconds();
    if (!pending_ || now - lastPresentUs_ < periodUs_)
        return;
    DisplaySurface* screen = primary();
    SDL_UpdateTexture(texture_, nullptr, screen->pixels(), screen->pitchBytes());
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
    SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
    SDL_RenderPresent(renderer_);
    if (showsItsWindow_ && (SDL_GetWindowFlags(window_) & SDL_WINDOW_HIDDEN) != 0) {
        // The game's window keeps the focus.
        SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, "1");
        SDL_ShowWindow(window_);
        SDL_SetHint(SDL_HINT_WINDOW_NO_ACTIVATION_WHEN_SHOWN, "0");
    }
    lastPresentUs_ = now;
    pending_ = false;
}

} // namespace platform
