#pragma once

#include "sound/CAnimoDriver.h"

#include <memory>

// One event of an animation inside a sequence: playing it plays that event, and the event's end
// is its own. The animation is an ANIMO object's, one the resources manager shares, or one of its
// own. Main thread only.
class CAnimoEventPlayable : public CAnimoDriver {
public:
    static constexpr int TYPE = 6;

    CAnimoEventPlayable(CWindow* window, CAnimo* animation);
    CAnimoEventPlayable(CWindow* window, CMC_Object* owner);
    // The animation is deleted with the playable.
    CAnimoEventPlayable(CWindow* window, std::unique_ptr<CAnimo> animation);

    void setEvent(int event) { event_ = event; }
    int getEvent() const { return event_; }

    using CPlayable::play;
    void play() override;
    void stop(bool notify) override;
    void pause() override;
    void resume() override;
    void seek(int position) override {}
    // The animation's.
    bool isPlaying() const override;
    // The animation's end.
    bool onPlayableFinished(CPlayable* playable) override;

private:
    int event_ = 0;
};
