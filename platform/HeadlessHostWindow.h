#pragma once

#include "platform/HostWindow.h"

#include <memory>
#include <optional>
#include <vector>

namespace platform {

// A host window that only keeps what it was told, for tests to read.
class HeadlessHostWindow final : public HostWindow {
public:
    // Everything the window was told. The window system keeps it beyond the window's life, so a
    // test reads what a program did with its windows after the program ended.
    struct State {
        WindowSettings settings;
        ScreenPoint origin;
        ScreenSize usableDesktop{1920, 1080};
        CursorShape cursor = CursorShape::Arrow;
        int cursorShowCount = 0;
        // Every warp in order; the confinement now, none while the pointer is free.
        std::vector<ScreenPoint> warps;
        std::optional<ScreenRect> confinement;
        int moveCount = 0;
        int minimizeCount = 0;
        WindowIcon icon;
        std::optional<Menu> menu;
    };

    explicit HeadlessHostWindow(const WindowSettings& settings);
    // A window whose state is shared with its opener.
    explicit HeadlessHostWindow(std::shared_ptr<State> state) : state_(std::move(state)) {}

    void setTitle(const std::string& cp1250Title) override { state_->settings.title = cp1250Title; }
    void show() override { state_->settings.visible = true; }
    void minimize() override { ++state_->minimizeCount; }
    ScreenPoint clientOrigin() const override { return state_->origin; }
    void moveClient(ScreenPoint origin, ScreenSize size) override;
    ScreenSize usableDesktop() const override { return state_->usableDesktop; }
    void setCursor(CursorShape shape) override { state_->cursor = shape; }
    int showCursor(bool show) override { return state_->cursorShowCount += show ? 1 : -1; }
    void warpCursor(ScreenPoint clientPoint) override { state_->warps.push_back(clientPoint); }
    void confineCursor(const ScreenRect* clientRect) override;
    void setIcon(const WindowIcon& icon) override { state_->icon = icon; }
    void setMenu(const Menu* menu) override;
    const Menu* menu() const override { return state_->menu ? &*state_->menu : nullptr; }

    const State& state() const { return *state_; }
    const WindowSettings& settings() const { return state_->settings; }
    CursorShape cursor() const { return state_->cursor; }
    int cursorShowCount() const { return state_->cursorShowCount; }
    int moveCount() const { return state_->moveCount; }
    int minimizeCount() const { return state_->minimizeCount; }
    void setUsableDesktop(ScreenSize size) { state_->usableDesktop = size; }

private:
    std::shared_ptr<State> state_;
};

} // namespace platform
