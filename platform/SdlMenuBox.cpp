#include "platform/SdlMenuBox.h"

#include "platform/Cp1250.h"
#include "platform/MenuNavigator.h"

#include <SDL.h>

#include <string>
#include <vector>

namespace platform {

namespace {

std::string labelOf(const MenuNavigator::Button& button)
{
    std::string label = Cp1250::toUtf8(button.text);
    if (button.checked)
        label = "\u2713 " + label;
    if (button.kind == MenuNavigator::Button::Kind::Popup)
        label += " \u203A";
    return label;
}

// The index of the button pressed; -1 when no box could be shown.
int askForButton(const MenuNavigator& navigator, SDL_Window* parent)
{
    const std::vector<MenuNavigator::Button>& buttons = navigator.buttons();
    std::vector<std::string> labels;
    std::vector<SDL_MessageBoxButtonData> data;
    for (const auto& button : buttons)
        labels.push_back(labelOf(button));
    for (size_t i = 0; i < buttons.size(); ++i) {
        // Escape presses the last button, which always closes.
        const Uint32 flags = i + 1 == buttons.size() ? SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT : 0;
        data.push_back(SDL_MessageBoxButtonData{flags, static_cast<int>(i), labels[i].c_str()});
    }
    const std::string title = Cp1250::toUtf8(navigator.title().empty() ? std::string("Menu") : navigator.title());
    const SDL_MessageBoxData box{SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT,
                                 parent,
                                 title.c_str(),
                                 "",
                                 static_cast<int>(data.size()),
                                 data.data(),
                                 nullptr};
    int pressed = -1;
    if (SDL_ShowMessageBox(&box, &pressed) != 0)
        return -1;
    return pressed;
}

} // namespace

std::optional<int> SdlMenuBox::choose(const Menu& menu, SDL_Window* parent)
{
    MenuNavigator navigator(menu);
    while (navigator.isOpen()) {
        const int pressed = askForButton(navigator, parent);
        if (pressed < 0)
            return std::nullopt;
        if (std::optional<int> command = navigator.press(static_cast<size_t>(pressed)))
            return command;
    }
    return std::nullopt;
}

} // namespace platform
