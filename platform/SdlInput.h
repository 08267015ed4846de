#pragma once

#include "platform/InputBuffers.h"

#include <cstdint>

union SDL_Event;

namespace platform {

// The game window's input: the window's event pump (main thread) hands every SDL event here, and
// the keyboard, mouse and focus events become records, pointer, modifier and button state; the
// joystick events move the controllers opened. The window has no focus until SDL says it gained
// it.
class SdlInput final : public InputBuffers {
public:
    SdlInput() : InputBuffers(false) {}

    // True when the event was input or focus.
    bool handleEvent(const SDL_Event& event);

    // The events, in SDL's own numbers once taken out of the event.
    void onKey(int scancode, bool pressed, bool repeat, bool shift, bool alt);
    void onMotion(int x, int y, int dx, int dy);
    // SDL's buttons: 1 left, 2 middle, 3 right, 4 and 5 the side buttons.
    void onButton(int button, bool pressed, int x, int y);
    void onWheel(int notches);
    void onFocus(bool focused, bool shift, bool alt);
    // By SDL's identifier of the controller; axes 0, 1 and 2 are X, Y and Z.
    void onJoystickAxis(int instance, int axis, int value);
    void onJoystickButton(int instance, int button, bool pressed);
    void onJoystickRemoved(int instance);

    // SDL's joysticks in its order, SDL's joystick subsystem started on first use.
    int joystickCount() override;
    std::shared_ptr<JoystickDevice> openJoystick(int index) override;
};

// The SDL input of the process, whatever input is installed: the event pump feeds this one.
SdlInput& sdlInput();

} // namespace platform
