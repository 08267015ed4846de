#include "platform/SdlPlatform.h"

#include <SDL.h>

namespace platform {

void SdlPlatform::install()
{
    restoreDefaults();
}

void SdlPlatform::uninstall()
{
    SDL_Quit();
}

} // namespace platform
