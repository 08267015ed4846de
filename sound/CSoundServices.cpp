#include "sound/CSoundServices.h"

#include "sound/CMusicPlayer.h"
#include "sound/CRandomSound.h"
#include "sound/CSndStreamPlayable.h"

CSoundServices::CSoundServices()
{
    CWindowSoundLink::install(this);
    CFrameSoundFactory::install(this);
}

CSoundServices::~CSoundServices()
{
    if (CWindowSoundLink::installed() == this)
        CWindowSoundLink::install(nullptr);
    if (CFrameSoundFactory::installed() == this)
        CFrameSoundFactory::install(nullptr);
}

void CSoundServices::createSoundDevice(CWindow* window)
{
    CSound4::CreateDirectSoundInterface(window);
}

CMusicPlayerIfc* CSoundServices::createMusicPlayer(CWindow* window)
{
    return new CMusicPlayer(window);
}

void CSoundServices::destroySoundBuffers()
{
    CSound4::DestroySoundBuffer();
}

CPlayable* CSoundServices::makeSound(CWindow* window, const CXString& name)
{
    // The set takes each of its names into the sound-effects folder itself, so the list is
    // handed over as the file stores it.
    if (name.Find(';') >= 0)
        return new CRandomSound(window, name, false, true);
    return new CSound4(window, CSound4::fullPathOf(window, name), false, true);
}

CPlayable* CSoundServices::makeStream(CWindow* window, const CXString& name)
{
    return new CSndStreamPlayable(window, CSound4::fullPathOf(window, name));
}
