#pragma once

#include "graphics/CFrameSoundFactory.h"
#include "graphics/CWindowSoundLink.h"

// What the sound layer gives the window and the animations below it: the audio device and the
// music player the window makes, the release of the device at its end, and the sounds of
// animation frames (a sound, a random set for a ";" list, or a stream). The program makes one
// before the window and keeps it while the window lives; it installs itself.
class CSoundServices : public CWindowSoundLink, public CFrameSoundFactory {
public:
    CSoundServices();
    // Uninstalls what is still installed as this one's.
    ~CSoundServices() override;
    CSoundServices(const CSoundServices&) = delete;
    CSoundServices& operator=(const CSoundServices&) = delete;

    void createSoundDevice(CWindow* window) override;
    CMusicPlayerIfc* createMusicPlayer(CWindow* window) override;
    void destroySoundBuffers() override;

    // Loaded at once, in the window's sound-effects folder, never flushed after playing.
    CPlayable* makeSound(CWindow* window, const CXString& name) override;
    CPlayable* makeStream(CWindow* window, const CXString& name) override;
};
