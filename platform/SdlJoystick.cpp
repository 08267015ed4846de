#include "platform/SdlJoystick.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

std::shared_ptr<SdlJoystick> SdlJoystick::open(int index)
{
    SDL_Joystick* joystick = SDL_JoystickOpen(index);
    if (joystick == nullptr)
        return nullptr;
    const int buttonCount = std::max(SDL_JoystickNumButtons(joystick), 0);
    std::shared_ptr<SdlJoystick> device(new SdlJoystick(joystick, buttonCount));
    JoystickState state;
    const int axisCount = std::min(SDL_JoystickNumAxes(joystick), static_cast<int>(state.axes.size()));
    for (int axis = 0; axis < axisCount; ++axis)
        state.axes[static_cast<size_t>(axis)] = positionOf(SDL_JoystickGetAxis(joystick, axis));
    for (int button = 0; button < buttonCount; ++button)
        state.buttons.push_back(SDL_JoystickGetButton(joystick, button) != 0 ? kInputPressed : 0);
    device->setState(state);
    return device;
}

SdlJoystick::SdlJoystick(SDL_Joystick* joystick, int buttonCount)
    : JoystickDevice(buttonCount), joystick_(joystick), instance_(SDL_JoystickInstanceID(joystick))
{
}

SdlJoystick::~SdlJoystick()
{
    SDL_JoystickClose(joystick_);
}

} // namespace platform
