#include "graphics/CWindowSoundLink.h"

void CWindowSoundLink::soundDeviceFor(CWindow* window)
{
    if (installed() != nullptr)
        installed()->createSoundDevice(window);
}

CMusicPlayerIfc* CWindowSoundLink::musicPlayerFor(CWindow* window)
{
    return installed() != nullptr ? installed()->createMusicPlayer(window) : nullptr;
}

void CWindowSoundLink::releaseSoundBuffers()
{
    if (installed() != nullptr)
        installed()->destroySoundBuffers();
}
