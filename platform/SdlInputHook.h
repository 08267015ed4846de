#pragma once

union SDL_Event;

namespace platform {

// Where the SDL window system's pump hands the input events it takes off SDL's queue: keyboard,
// text, mouse, joystick and game controller events. The SDL input service installs one while it
// lives; without one they are dropped. Calls come on the main thread, inside the pump.
// Platform-internal: nothing above the platform sees SDL's types.
class SdlInputHook {
public:
    virtual ~SdlInputHook() = default;
    virtual void onSdlInput(const SDL_Event& event) = 0;

    static SdlInputHook* installed();
    static void install(SdlInputHook* hook);
    // True for the event types the hook receives.
    static bool isInputEvent(const SDL_Event& event);
};

} // namespace platform
