#include "platform/HeadlessDisplay.h"

namespace platform {

HeadlessDisplay::~HeadlessDisplay()
{
    if (maker_ != nullptr)
        maker_->second_ = nullptr;
    if (second_ != nullptr)
        second_->maker_ = nullptr;
}

std::unique_ptr<Display> HeadlessDisplay::createSecondDisplay()
{
    auto second = std::make_unique<HeadlessDisplay>();
    second->desktop_ = desktop_;
    if (second_ != nullptr)
        second_->maker_ = nullptr;
    second_ = second.get();
    second->maker_ = this;
    return second;
}

int HeadlessDisplay::openScreen(HostWindow* window, int, int, int bitsPerPixel, bool fullScreen, DisplayFormat& format)
{
    openedIn_ = window;
    if (!fullScreen) {
        format = desktop_;
        return DisplayResult::Ok;
    }
    if (refusedBits_.count(bitsPerPixel) != 0)
        return DisplayResult::ModeRefused;
    switch (bitsPerPixel) {
    case 15:
        format = DisplayFormat{16, 0x7C00, 0x03E0, 0x001F};
        return DisplayResult::Ok;
    case 16:
        format = DisplayFormat{16, 0xF800, 0x07E0, 0x001F};
        return DisplayResult::Ok;
    case 24:
    case 32:
        format = DisplayFormat{bitsPerPixel, 0xFF0000, 0x00FF00, 0x0000FF};
        return DisplayResult::Ok;
    default:
        return DisplayResult::ModeRefused;
    }
}

void HeadlessDisplay::present(bool exposed)
{
    bool changed = takeScreenChanged();
    if (!isOpen() || (!changed && !exposed))
        return;
    ++presents_;
    if (changed)
        ++changedPresents_;
}

} // namespace platform
