#pragma once

#include "graphics/CPlayable.h"
#include "sound/CSndStream.h"

// A stream as animations hold their streamed frame sounds: a playable that plays its file once,
// without looping, through a CSndStream. It tells its observers nothing.
class CSndStreamPlayable : public CPlayable {
public:
    CSndStreamPlayable(CWindow* window, const CXString& path);

    using CPlayable::play;
    void play() override;
    void stop(bool notify) override;
    void pause() override;
    void resume() override;
    bool isPlaying() const override;
    // A stream plays on from where it is; there is nowhere to seek.
    void seek(int position) override {}
    void setVolume(int volume) override;
    void setPanning(int panning) override;
    void setFrequency(int frequency) override;

private:
    CSndStream stream_;
};
