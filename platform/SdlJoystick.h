#pragma once

#include "platform/JoystickDevice.h"

#include <memory>

struct _SDL_Joystick;

namespace platform {

// A game controller opened through SDL; it closes the controller with its last owner (main
// thread).
class SdlJoystick final : public JoystickDevice {
public:
    // Null when SDL refuses the controller of that number.
    static std::shared_ptr<SdlJoystick> open(int index);
    ~SdlJoystick() override;

    // SDL's identifier of the controller in its events.
    int instance() const { return instance_; }

private:
    SdlJoystick(_SDL_Joystick* joystick, int buttonCount);

    _SDL_Joystick* joystick_;
    int instance_;
};

} // namespace platform
