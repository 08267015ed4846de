#include "platform/HeadlessHostWindow.h"

namespace platform {

HeadlessHostWindow::HeadlessHostWindow(const WindowSettings& settings) : state_(std::make_shared<State>())
{
    state_->settings = settings;
}

void HeadlessHostWindow::moveClient(ScreenPoint origin, ScreenSize size)
{
    state_->origin = origin;
    state_->settings.clientSize = size;
    ++state_->moveCount;
}

void HeadlessHostWindow::confineCursor(const ScreenRect* clientRect)
{
    if (clientRect != nullptr)
        state_->confinement = *clientRect;
    else
        state_->confinement.reset();
}

void HeadlessHostWindow::setMenu(const Menu* menu)
{
    if (menu != nullptr)
        state_->menu = *menu;
    else
        state_->menu.reset();
}

} // namespace platform
