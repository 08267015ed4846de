#pragma once

#include "platform/WindowSystem.h"

struct SDL_WindowEvent;

namespace platform {

// The window system over SDL2: SDL windows, SDL's event queue pumped on the main thread, SDL
// message boxes.
class SdlWindowSystem final : public WindowSystem {
public:
    std::unique_ptr<HostWindow> openWindow(const WindowSettings& settings) override;
    bool pumpEvents(WindowEvents* handler) override;
    void postQuit() override;
    void showMessage(const std::string& caption, const std::string& text) override;

private:
    static void dispatchWindowEvent(const SDL_WindowEvent& event, WindowEvents& handler);

    bool quitPosted_ = false;
};

} // namespace platform
