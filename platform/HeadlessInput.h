#pragma once

#include "platform/InputBuffers.h"
#include "platform/JoystickDevice.h"

#include <vector>

namespace platform {

// Input for tests: records are injected as a device would buffer them, and the focus, the pointer,
// the modifier keys and the held buttons are set directly. Fake game controllers are attached and
// moved by the test; every device opened on one follows it. The window starts with the focus.
class HeadlessInput final : public InputBuffers {
public:
    HeadlessInput() : InputBuffers(true) {}

    void inject(InputDevice device, InputRecord record) { InputBuffers::record(device, record); }
    using InputBuffers::setButtonHeld;
    using InputBuffers::setFocus;
    using InputBuffers::setModifiers;
    using InputBuffers::setPointer;

    // A controller with that many buttons, at rest, after those attached before; its number.
    int attachJoystick(int buttonCount);
    // A controller that refuses to be opened.
    void refuseJoystick(int index);
    // Positions from -1000 to 1000.
    void moveJoystick(int index, JoystickAxis axis, int position);
    void pressJoystickButton(int index, int button, bool pressed);

    int joystickCount() override { return static_cast<int>(controllers_.size()); }
    std::shared_ptr<JoystickDevice> openJoystick(int index) override;

private:
    struct Controller {
        JoystickState state;
        bool refuses = false;
    };

    bool isAttached(int index) const { return index >= 0 && static_cast<size_t>(index) < controllers_.size(); }

    std::vector<Controller> controllers_;
};

} // namespace platform
