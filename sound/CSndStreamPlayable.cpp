#include "sound/CSndStreamPlayable.h"

CSndStreamPlayable::CSndStreamPlayable(CWindow* window, const CXString& path) : CPlayable(window), stream_(window, path)
{
    setFilename(path);
}

void CSndStreamPlayable::play()
{
    stream_.Play(false);
}

void CSndStreamPlayable::stop(bool)
{
    stream_.Stop();
}

void CSndStreamPlayable::pause()
{
    stream_.Pause();
}

void CSndStreamPlayable::resume()
{
    stream_.Resume();
}

bool CSndStreamPlayable::isPlaying() const
{
    return stream_.IsPlaying();
}

void CSndStreamPlayable::setVolume(int volume)
{
    stream_.setVolume(volume);
    CPlayable::setVolume(volume);
}

void CSndStreamPlayable::setPanning(int panning)
{
    stream_.setPan(panning);
    CPlayable::setPanning(panning);
}

void CSndStreamPlayable::setFrequency(int frequency)
{
    stream_.setFreq(frequency);
    CPlayable::setFrequency(frequency);
}
