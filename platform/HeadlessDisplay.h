#pragma once

#include "platform/MemoryDisplay.h"

#include <set>

namespace platform {

// A display in memory for tests: the screen is a framebuffer the test reads, and the test decides
// what the display refuses and when it loses a surface.
class HeadlessDisplay final : public MemoryDisplay {
public:
    HeadlessDisplay() = default;
    ~HeadlessDisplay() override;
    HeadlessDisplay(const HeadlessDisplay&) = delete;
    HeadlessDisplay& operator=(const HeadlessDisplay&) = delete;

    // The format a window gets; full screen takes the bits asked for unless they are refused:
    // 15 as 5-5-5 in 16-bit words, 16 as 5-6-5, 24 and 32 as 8 bits a channel.
    void setDesktopFormat(const DisplayFormat& format) { desktop_ = format; }
    void refuseBitsPerPixel(int bitsPerPixel) { refusedBits_.insert(bitsPerPixel); }
    void refuseFlipping(bool refuse) { refuseFlipping_ = refuse; }
    void refuseVideoMemory(bool refuse) { refuseVideoMemory_ = refuse; }
    // Takes the surface's contents away; a restore leaves this byte in every pixel.
    static void lose(DisplaySurface& surface, uint8_t leftover = 0xA5) { surface.lose(leftover); }

    void present(bool exposed) override;
    // How often the screen was shown, and how often with changed pixels.
    int presentCount() const { return presents_; }
    int changedPresentCount() const { return changedPresents_; }
    // The window the display was last opened in; null before.
    HostWindow* openedIn() const { return openedIn_; }

    // Another headless display with this one's desktop format. This one knows it while it lives.
    std::unique_ptr<Display> createSecondDisplay() override;
    // The second display made last, while it lives; null otherwise.
    HeadlessDisplay* secondDisplay() const { return second_; }

protected:
    int openScreen(HostWindow* window, int width, int height, int bitsPerPixel, bool fullScreen, DisplayFormat& format) override;
    void closeScreen() override {}
    bool givesBackBuffer() const override { return !refuseFlipping_; }
    bool givesVideoMemory() const override { return !refuseVideoMemory_; }

private:
    DisplayFormat desktop_;
    std::set<int> refusedBits_;
    bool refuseFlipping_ = false;
    bool refuseVideoMemory_ = false;
    int presents_ = 0;
    int changedPresents_ = 0;
    HostWindow* openedIn_ = nullptr;
    // The second display and the one that made this one, each told when the other goes.
    HeadlessDisplay* second_ = nullptr;
    HeadlessDisplay* maker_ = nullptr;
};

} // namespace platform
