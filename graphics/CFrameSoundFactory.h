#pragma once

#include "foundation/CInstalledLink.h"
#include "foundation/CXString.h"

class CPlayable;
class CWindow;

// Makes the sounds that animation frames play. The sound layer installs its factory while it
// lives; while none is installed every frame is silent. Names are given as animation files store
// them (one file name, or several separated by ";"); the factory makes the sound-effects path of
// them through the window. What it makes belongs to the caller.
class CFrameSoundFactory : public CInstalledLink<CFrameSoundFactory> {
public:
    virtual ~CFrameSoundFactory() = default;

    // A sound loaded whole for a frame: of the one file, or a random set over several names.
    // Null when none can be made.
    virtual CPlayable* makeSound(CWindow* window, const CXString& name) = 0;
    // A sound streamed from its file, not looping, not yet started. Null when none can be made.
    virtual CPlayable* makeStream(CWindow* window, const CXString& name) = 0;

    // The same through the installed factory; null while none is installed.
    static CPlayable* sound(CWindow* window, const CXString& name);
    static CPlayable* stream(CWindow* window, const CXString& name);
};
