#pragma once

#include "platform/MemoryDisplay.h"

#include <cstdint>

struct SDL_Renderer;
struct SDL_Texture;
struct SDL_Window;

namespace platform {

// The display in the host's SDL window: the screen's 16-bit pixels go through a streaming texture
// of the same format, scaled to the window (full screen keeps the desktop's own mode and
// letterboxes). The renderer does not wait for the vertical blank; present() paces itself to the
// desktop's refresh instead, so the engine's turns never wait for the display.
class SdlDisplay final : public MemoryDisplay {
public:
    SdlDisplay() = default;
    ~SdlDisplay() override;

    void present(bool exposed) override;
    std::unique_ptr<Display> createSecondDisplay() override;

protected:
    int openScreen(HostWindow* window, int width, int height, int bitsPerPixel, bool fullScreen, DisplayFormat& format) override;
    void closeScreen() override;
    bool givesBackBuffer() const override { return true; }
    bool givesVideoMemory() const override { return true; }

private:
    // The microseconds between two refreshes of the window's display.
    uint64_t refreshPeriodUs() const;

    SDL_Window* window_ = nullptr;
    SDL_Renderer* renderer_ = nullptr;
    SDL_Texture* texture_ = nullptr;
    uint64_t periodUs_ = 0;
    uint64_t lastPresentUs_ = 0;
    bool pending_ = false;
    // A mirror's window is left hidden by its maker: the first picture shown there brings it up,
    // as copies to a hidden window's place on the desktop would.
    bool showsItsWindow_ = false;
};

} // namespace platform
