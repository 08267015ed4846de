#pragma once

#include "foundation/CXString.h"

// The window's one background-music player as the window drives it (the sound layer implements
// it; the window owns the one it is given and deletes it).
class CMusicPlayerIfc {
public:
    virtual ~CMusicPlayerIfc() = default;

    // Starts the file as the current music; the caller stops any music first.
    virtual void play(const CXString& path, bool loop) = 0;
    virtual void stop() = 0;
    virtual bool isPlaying() = 0;
    // Holds the music that plays where it is; resume plays on from there as it played before.
    // Resuming music that was not paused does nothing.
    virtual void pause() = 0;
    virtual void resume() = 0;
    // The path of the last music started; kept after stop.
    virtual CXString getFileName() = 0;
    // Volume in hundredths of a decibel, pan -10000 to 10000, frequency in samples per second.
    virtual int getVolume() = 0;
    virtual void setVolume(int volume) = 0;
    virtual void setPan(int pan) = 0;
    virtual void setFreq(int frequency) = 0;
};
