#pragma once

#include "platform/WindowSystem.h"

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// A window system for tests: windows that only record, window events the test posts, message
// boxes that are recorded and answered at once.
class HeadlessWindowSystem final : public WindowSystem {
public:
    std::unique_ptr<HostWindow> openWindow(const WindowSettings& settings) override;
    bool pumpEvents(WindowEvents* handler) override;
    void postQuit() override { quitPosted_ = true; }
    void showMessage(const std::string& caption, const std::string& text) override;

    // Window events the next pump delivers, in the order posted.
    void postPaint();
    void postActivate(bool active);
    void postMove(int x, int y);
    void postClose();

    bool quitPosted() const { return quitPosted_; }
    // Caption and text of every message box shown.
    const std::vector<std::pair<std::string, std::string>>& messages() const { return messages_; }
    // While set, openWindow answers null, as a desktop without video would.
    void refuseWindows(bool refuse) { refuseWindows_ = refuse; }

private:
    std::deque<std::function<void(WindowEvents&)>> pending_;
    std::vector<std::pair<std::string, std::string>> messages_;
    bool quitPosted_ = false;
    bool refuseWindows_ = false;
};

} // namespace platform
