#include "platform/HeadlessHostWindow.h"

namespace platform {

HeadlessHostWindow::HeadlessHostWindow(const WindowSettings& settings) : settings_(settings) {}

void HeadlessHostWindow::moveClient(ScreenPoint origin, ScreenSize size)
{
    origin_ = origin;
    settings_.clientSize = size;
    ++moveCount_;
}

} // namespace platform
