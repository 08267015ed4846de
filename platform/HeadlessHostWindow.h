#pragma once

#include "platform/HostWindow.h"

namespace platform {

// A host window that only keeps what it was told, for tests to read.
class HeadlessHostWindow final : public HostWindow {
public:
    explicit HeadlessHostWindow(const WindowSettings& settings);

    void setTitle(const std::string& cp1250Title) override { settings_.title = cp1250Title; }
    void show() override { settings_.visible = true; }
    ScreenPoint clientOrigin() const override { return origin_; }
    void moveClient(ScreenPoint origin, ScreenSize size) override;
    ScreenSize usableDesktop() const override { return usableDesktop_; }
    void setCursor(CursorShape shape) override { cursor_ = shape; }
    int showCursor(bool show) override { return cursorShowCount_ += show ? 1 : -1; }

    const WindowSettings& settings() const { return settings_; }
    CursorShape cursor() const { return cursor_; }
    int cursorShowCount() const { return cursorShowCount_; }
    int moveCount() const { return moveCount_; }
    void setUsableDesktop(ScreenSize size) { usableDesktop_ = size; }

private:
    WindowSettings settings_;
    ScreenPoint origin_;
    ScreenSize usableDesktop_{1920, 1080};
    CursorShape cursor_ = CursorShape::Arrow;
    int cursorShowCount_ = 0;
    int moveCount_ = 0;
};

} // namespace platform
