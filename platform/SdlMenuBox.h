#pragma once

#include "platform/MenuItem.h"

#include <optional>

struct SDL_Window;

namespace platform {

// A window's menu shown through SDL message boxes, which is all SDL offers: one box per page of
// the menu (MenuNavigator), whose buttons open popups, page on, go back, close or choose.
class SdlMenuBox {
public:
    // The identifier of the command chosen; nothing when the user closed the menu or no box could
    // be shown.
    static std::optional<int> choose(const Menu& menu, SDL_Window* parent);
};

} // namespace platform
