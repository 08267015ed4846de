#pragma once

#include "foundation/CXObject.h"
#include "graphics/CPlayableObserver.h"

#include <memory>

class CPlayable;
class CRandomPlayable;

// One playable that starts by itself: after a random wait of up to 60 / probability seconds it
// plays, then again each second until its run of plays (fewer than `times`, one at least) is
// done, and waits anew. It observes its playable to hear of each end, leaves the playable's
// observers when deleted, and goes quiet for good when the playable is deleted first (the unit
// deletes its entries after the scene deleted its objects).
class CRandomPlayableEntry : public CXObject, public CPlayableObserver {
public:
    // An empty event lets any event of an animation play.
    CRandomPlayableEntry(CRandomPlayable* owner, CPlayable* playable, double probability, int times,
                         const CXString& event);
    ~CRandomPlayableEntry() override;
    CRandomPlayableEntry(const CRandomPlayableEntry&) = delete;
    CRandomPlayableEntry& operator=(const CRandomPlayableEntry&) = delete;

    virtual bool isPlaying();
    // Null once the playable was deleted.
    virtual CPlayable* getPlayable() { return alive(); }
    // Plays so far in the current run.
    virtual int getSeqTime() { return count_; }
    // One second: counts the wait down and, at its end, asks the owner's notifiers and starts.
    virtual void tick();
    bool onPlayableFinished(CPlayable* playable) override;

    // Seconds to the next start; 0 or less never starts again.
    int getCountdown() const { return countdown_; }

private:
    void drawWait();
    void start();

    CRandomPlayable* owner_;
    // Null once the playable was deleted.
    CPlayable* alive() const;

    CPlayable* playable_;
    std::weak_ptr<const void> playableLifetime_;
    double probability_;
    int times_;
    int countdown_ = 0;
    int runLength_ = 0;
    int count_ = 0;
    CXString event_;
};
