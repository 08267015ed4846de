#pragma once

#include "platform/WindowSystem.h"

#include <cstdint>

struct SDL_WindowEvent;
union SDL_Event;

namespace platform {

// The window system over SDL2: SDL windows, SDL's event queue pumped on the main thread, SDL
// message boxes. A window's menu opens with F10 or the menu key, or a right click with Ctrl held
// (the client area's plain clicks are the game's), as a chain of message boxes.
class SdlWindowSystem final : public WindowSystem {
public:
    std::unique_ptr<HostWindow> openWindow(const WindowSettings& settings) override;
    bool pumpEvents(WindowEvents* handler) override;
    void postQuit() override;
    // Written to stderr when no box can be shown (no desktop), so the text is never lost.
    void showMessage(const std::string& caption, const std::string& text, HostWindow* owner) override;
    // Written to stderr and answered with the second button when no box can be shown.
    bool ask(const std::string& caption, const std::string& text, const std::string& confirm, const std::string& refuse,
             HostWindow* owner) override;
    // SdlProgressDialog.
    int runProgressDialog(const ProgressDialogLook& look, ProgressDialogHandler& handler) override;

private:
    static void dispatchWindowEvent(const SDL_WindowEvent& event, WindowEvents& handler);
    static void dispatchEvent(const SDL_Event& event, WindowEvents& handler);
    static bool opensMenu(const SDL_Event& event);
    static void openMenu(uint32_t windowId, WindowEvents& handler);

    bool quitPosted_ = false;
};

} // namespace platform
