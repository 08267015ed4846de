#pragma once

#include "platform/HostWindow.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

struct SDL_Window;
struct SDL_Cursor;

namespace platform {

// The host window as an SDL window. Holds SDL's video subsystem open while it lives.
class SdlHostWindow final : public HostWindow {
public:
    // Null when SDL has no video or refuses the window.
    static std::unique_ptr<SdlHostWindow> open(const WindowSettings& settings);
    ~SdlHostWindow() override;
    SdlHostWindow(const SdlHostWindow&) = delete;
    SdlHostWindow& operator=(const SdlHostWindow&) = delete;

    void setTitle(const std::string& cp1250Title) override;
    void show() override;
    void minimize() override;
    ScreenPoint clientOrigin() const override;
    void moveClient(ScreenPoint origin, ScreenSize size) override;
    ScreenSize usableDesktop() const override;
    void setCursor(CursorShape shape) override;
    int showCursor(bool show) override;
    void warpCursor(ScreenPoint clientPoint) override;
    void confineCursor(const ScreenRect* clientRect) override;
    void setIcon(const WindowIcon& icon) override;
    void setMenu(const Menu* menu) override;
    const Menu* menu() const override { return menu_ ? &*menu_ : nullptr; }

    // Platform-internal: the SDL window behind a host window, for the display to present into;
    // null for any other kind of host window.
    static SDL_Window* sdlWindowOf(HostWindow* window);
    // The host window of an SDL window identifier (events name their window so); null for one
    // that is not a host window.
    static SdlHostWindow* fromWindowId(uint32_t windowId);
    SDL_Window* sdlWindow() const { return window_; }

private:
    explicit SdlHostWindow(SDL_Window* window);
    SDL_Cursor* cursorFor(CursorShape shape);

    SDL_Window* window_;
    std::array<SDL_Cursor*, 4> cursors_{};
    int cursorShowCount_ = 0;
    std::optional<Menu> menu_;
};

} // namespace platform
