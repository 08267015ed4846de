#include "platform/SdlInputHook.h"

#include <SDL.h>

namespace platform {

namespace {
SdlInputHook* hook = nullptr;
} // namespace

SdlInputHook* SdlInputHook::installed()
{
    return hook;
}

void SdlInputHook::install(SdlInputHook* replacement)
{
    hook = replacement;
}

bool SdlInputHook::isInputEvent(const SDL_Event& event)
{
    // SDL numbers its event families in blocks: keyboard and text from 0x300, mouse from 0x400,
    // joysticks and game controllers from 0x600, touch from 0x700.
    return event.type >= SDL_KEYDOWN && event.type < SDL_FINGERDOWN;
}

} // namespace platform
