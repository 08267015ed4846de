#include "platform/HeadlessInput.h"

#include <algorithm>

namespace platform {

int HeadlessInput::attachJoystick(int buttonCount)
{
    Controller controller;
    controller.state.buttons.assign(static_cast<size_t>(std::max(buttonCount, 0)), 0);
    controllers_.push_back(controller);
    return joystickCount() - 1;
}

void HeadlessInput::refuseJoystick(int index)
{
    if (isAttached(index))
        controllers_[static_cast<size_t>(index)].refuses = true;
}

void HeadlessInput::moveJoystick(int index, JoystickAxis axis, int position)
{
    if (!isAttached(index))
        return;
    controllers_[static_cast<size_t>(index)].state.axes[static_cast<size_t>(axis)] = position;
    forJoysticksOf(index, [axis, position](JoystickDevice& device) { device.setAxis(axis, position); });
}

void HeadlessInput::pressJoystickButton(int index, int button, bool pressed)
{
    if (!isAttached(index))
        return;
    std::vector<uint8_t>& buttons = controllers_[static_cast<size_t>(index)].state.buttons;
    if (button >= 0 && static_cast<size_t>(button) < buttons.size())
        buttons[static_cast<size_t>(button)] = pressed ? kInputPressed : 0;
    forJoysticksOf(index, [button, pressed](JoystickDevice& device) { device.setButton(button, pressed); });
}

std::shared_ptr<JoystickDevice> HeadlessInput::openJoystick(int index)
{
    if (!isAttached(index) || controllers_[static_cast<size_t>(index)].refuses)
        return nullptr;
    const JoystickState& state = controllers_[static_cast<size_t>(index)].state;
    auto device = std::make_shared<JoystickDevice>(static_cast<int>(state.buttons.size()));
    device->setState(state);
    addJoystick(index, device);
    return device;
}

} // namespace platform
