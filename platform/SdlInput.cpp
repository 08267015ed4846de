#include "platform/SdlInput.h"

#include "platform/SdlJoystick.h"
#include "platform/SdlKeyTable.h"

#include <SDL.h>

#include <algorithm>

namespace platform {

namespace {

// One notch of the wheel, as the movement of the wheel axis counts it.
constexpr int32_t kWheelNotch = 120;

// The record offset of an SDL mouse button: left, right and middle are buttons 0, 1 and 2.
int buttonOffset(int button)
{
    switch (button) {
    case SDL_BUTTON_LEFT: return MouseOffset::Button0;
    case SDL_BUTTON_RIGHT: return MouseOffset::Button0 + 1;
    case SDL_BUTTON_MIDDLE: return MouseOffset::Button0 + 2;
    case SDL_BUTTON_X1: return MouseOffset::Button0 + 3;
    case SDL_BUTTON_X2: return MouseOffset::Button0 + 4;
    default: return -1;
    }
}

bool shiftIn(unsigned modifiers)
{
    return (modifiers & KMOD_SHIFT) != 0;
}

// Alt Gr of the Polish layouts comes as the mode key on some systems.
bool altIn(unsigned modifiers)
{
    return (modifiers & (KMOD_ALT | KMOD_MODE)) != 0;
}

} // namespace

bool SdlInput::handleEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const SDL_KeyboardEvent& key = event.key;
        onKey(key.keysym.scancode, key.type == SDL_KEYDOWN, key.repeat != 0, shiftIn(key.keysym.mod), altIn(key.keysym.mod));
        return true;
    }
    case SDL_MOUSEMOTION:
        onMotion(event.motion.x, event.motion.y, event.motion.xrel, event.motion.yrel);
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        onButton(event.button.button, event.type == SDL_MOUSEBUTTONDOWN, event.button.x, event.button.y);
        return true;
    case SDL_MOUSEWHEEL:
        onWheel(event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y);
        return true;
    case SDL_JOYAXISMOTION:
        onJoystickAxis(event.jaxis.which, event.jaxis.axis, event.jaxis.value);
        return true;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        onJoystickButton(event.jbutton.which, event.jbutton.button, event.type == SDL_JOYBUTTONDOWN);
        return true;
    case SDL_JOYDEVICEREMOVED:
        onJoystickRemoved(event.jdevice.which);
        return true;
    case SDL_WINDOWEVENT:
        if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED || event.window.event == SDL_WINDOWEVENT_FOCUS_LOST) {
            const unsigned modifiers = SDL_GetModState();
            onFocus(event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED, shiftIn(modifiers), altIn(modifiers));
            return true;
        }
        return false;
    default:
        return false;
    }
}

void SdlInput::onKey(int scancode, bool pressed, bool repeat, bool shift, bool alt)
{
    setModifiers(shift, alt);
    // The keyboard's own repeat is not a new press.
    if (repeat)
        return;
    const int key = SdlKeyTable::keyOf(scancode);
    if (key != 0)
        record(InputDevice::Keyboard, {static_cast<uint32_t>(key), pressed ? kInputPressed : 0});
}

void SdlInput::onMotion(int x, int y, int dx, int dy)
{
    setPointer({x, y});
    // A pointer that moved by less than a pixel of the game still reports a movement.
    if (dx != 0 || dy == 0)
        record(InputDevice::Mouse, {MouseOffset::X, dx});
    if (dy != 0)
        record(InputDevice::Mouse, {MouseOffset::Y, dy});
}

void SdlInput::onButton(int button, bool pressed, int x, int y)
{
    setPointer({x, y});
    const int offset = buttonOffset(button);
    if (offset < 0)
        return;
    setButtonHeld(offset - static_cast<int>(MouseOffset::Button0), pressed);
    record(InputDevice::Mouse, {static_cast<uint32_t>(offset), pressed ? kInputPressed : 0});
}

void SdlInput::onWheel(int notches)
{
    if (notches != 0)
        record(InputDevice::Mouse, {MouseOffset::Wheel, notches * kWheelNotch});
}

void SdlInput::onFocus(bool focused, bool shift, bool alt)
{
    setModifiers(shift, alt);
    setFocus(focused);
}

void SdlInput::onJoystickAxis(int instance, int axis, int value)
{
    if (axis < 0 || axis > static_cast<int>(JoystickAxis::Z))
        return;
    const int position = JoystickDevice::positionOf(value);
    forJoysticksOf(instance, [axis, position](JoystickDevice& device) { device.setAxis(static_cast<JoystickAxis>(axis), position); });
}

void SdlInput::onJoystickButton(int instance, int button, bool pressed)
{
    forJoysticksOf(instance, [button, pressed](JoystickDevice& device) { device.setButton(button, pressed); });
}

void SdlInput::onJoystickRemoved(int instance)
{
    forJoysticksOf(instance, [](JoystickDevice& device) { device.unplug(); });
}

int SdlInput::joystickCount()
{
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0 && SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0)
        return 0;
    return std::max(SDL_NumJoysticks(), 0);
}

std::shared_ptr<JoystickDevice> SdlInput::openJoystick(int index)
{
    if (index < 0 || index >= joystickCount())
        return nullptr;
    std::shared_ptr<SdlJoystick> device = SdlJoystick::open(index);
    if (device != nullptr)
        addJoystick(device->instance(), device);
    return device;
}

SdlInput& sdlInput()
{
    static SdlInput instance;
    return instance;
}

} // namespace platform
