#pragma once

#include "foundation/CInstalledLink.h"

class CMusicPlayerIfc;
class CWindow;

// What the window asks of the sound layer as it is built and torn down: the sound device, its
// music player, and the release of every sound buffer at the end. The sound layer installs the
// link before the window is made; without one the window has no sound device and no music.
class CWindowSoundLink : public CInstalledLink<CWindowSoundLink> {
public:
    virtual ~CWindowSoundLink() = default;

    // Opens the sound device for the window. A device that fails is reported on the window's
    // error code by the sound layer; the window does not test it.
    virtual void createSoundDevice(CWindow* window) = 0;
    // A new music player for the window; the window owns it.
    virtual CMusicPlayerIfc* createMusicPlayer(CWindow* window) = 0;
    virtual void destroySoundBuffers() = 0;

    // The same through the installed link; nothing and null without one.
    static void soundDeviceFor(CWindow* window);
    static CMusicPlayerIfc* musicPlayerFor(CWindow* window);
    static void releaseSoundBuffers();
};
