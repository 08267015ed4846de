#include "platform/JoystickDevice.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

constexpr int kSystemRange = 32767;
constexpr int kDeviceRange = 1000;

} // namespace

JoystickDevice::JoystickDevice(int buttonCount) : buttonCount_(std::max(buttonCount, 0))
{
    state_.buttons.assign(static_cast<size_t>(buttonCount_), 0);
}

InputResult JoystickDevice::acquire()
{
    std::lock_guard lock(mutex_);
    if (unplugged_)
        return InputResult::NotAcquired;
    if (!focused_)
        return InputResult::OtherAppHasPriority;
    acquired_ = true;
    lost_ = false;
    return InputResult::Ok;
}

void JoystickDevice::unacquire()
{
    std::lock_guard lock(mutex_);
    acquired_ = false;
    lost_ = false;
}

InputResult JoystickDevice::reacquire()
{
    return retryWhileLost([this] { return acquire(); });
}

InputResult JoystickDevice::read(JoystickState& out)
{
    std::lock_guard lock(mutex_);
    if (!acquired_)
        return lost_ ? InputResult::InputLost : InputResult::NotAcquired;
    out = state_;
    return InputResult::Ok;
}

int JoystickDevice::positionOf(int systemValue)
{
    const int clamped = std::clamp(systemValue, -kSystemRange, kSystemRange);
    // To the nearest position, halves away from the centre.
    const int scaled = (std::abs(clamped) * kDeviceRange + kSystemRange / 2) / kSystemRange;
    return clamped < 0 ? -scaled : scaled;
}

void JoystickDevice::setState(const JoystickState& state)
{
    for (JoystickAxis axis : {JoystickAxis::X, JoystickAxis::Y, JoystickAxis::Z})
        setAxis(axis, state.axis(axis));
    for (size_t button = 0; button < state.buttons.size(); ++button)
        setButton(static_cast<int>(button), state.buttons[button] != 0);
}

void JoystickDevice::setAxis(JoystickAxis axis, int position)
{
    std::lock_guard lock(mutex_);
    state_.axes[static_cast<size_t>(axis)] = std::clamp(position, -kDeviceRange, kDeviceRange);
}

void JoystickDevice::setButton(int button, bool pressed)
{
    std::lock_guard lock(mutex_);
    if (button >= 0 && button < buttonCount_)
        state_.buttons[static_cast<size_t>(button)] = pressed ? kInputPressed : 0;
}

void JoystickDevice::setFocus(bool focused)
{
    std::lock_guard lock(mutex_);
    focused_ = focused;
    if (!focused && acquired_) {
        acquired_ = false;
        lost_ = true;
    }
}

void JoystickDevice::unplug()
{
    std::lock_guard lock(mutex_);
    unplugged_ = true;
    if (acquired_) {
        acquired_ = false;
        lost_ = true;
    }
}

} // namespace platform
