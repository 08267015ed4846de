#pragma once

#include "graphics/CPlayable.h"
#include "graphics/CPlayableObserver.h"
#include "graphics/CPlayableRef.h"
#include "sound/CAnimoLoan.h"

#include <memory>

class CMC_Object;

// One event of an animation inside a sequence: playing it plays that event, and the event's end
// is its own. The animation is an ANIMO object's (borrowed while the playable lives, so each
// animation the object loads is the one played), one the resources manager shares, or one of its
// own. Main thread only.
class CAnimoEventPlayable : public CPlayable, public CPlayableObserver {
public:
    static constexpr int TYPE = 6;

    CAnimoEventPlayable(CWindow* window, CAnimo* animation);
    CAnimoEventPlayable(CWindow* window, CMC_Object* owner);
    // The animation is deleted with the playable.
    CAnimoEventPlayable(CWindow* window, std::unique_ptr<CAnimo> animation);
    ~CAnimoEventPlayable() override;

    void setEvent(int event) { event_ = event; }
    int getEvent() const { return event_; }
    // Null when there is none (or it was deleted).
    CAnimo* getAnimation() const { return animation_.get(); }
    void substAnimation(CAnimo* animation) override;

    using CPlayable::play;
    void play() override;
    void stop(bool notify) override;
    void pause() override;
    void resume() override;
    void seek(int position) override {}
    // The animation's.
    bool isPlaying() const override;
    bool isVisible() const override;
    void setVisibility(bool visible) override;
    // The animation's end.
    bool onPlayableFinished(CPlayable* playable) override;

private:
    int event_ = 0;
    CPlayableRef<CAnimo> animation_;
    std::unique_ptr<CAnimo> own_;
    CAnimoLoan loan_;
};
