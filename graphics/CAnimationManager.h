#pragma once

#include "foundation/CInstalledLink.h"
#include "foundation/CXObject.h"

#include <cstdint>
#include <vector>

class CMC_Groupped;
class CPlayable;
class CRefreshScreen;

// Steps every registered playable (animations, sequences) one frame whenever its frame interval,
// 1000 / frames per second milliseconds on the process clock, has passed. A late turn does not
// catch up: a playable advances at most one frame per turn. One that plays at 0 frames per second
// is never due. The engine host owns the manager and installs it while it lives; the window's
// turn calls domodal().
//
// Animations register themselves with the installed manager when made and unregister when
// destroyed; with none installed (tools, tests) they are stepped by whoever plays them. A step may stop, start,
// add or remove playables, its own included: a playable removed during a turn is not stepped any
// more in it. The manager owns its entries, never the playables. Main thread only.
class CAnimationManager : public CXObject, public CInstalledLink<CAnimationManager> {
public:
    CAnimationManager();
    ~CAnimationManager() override;
    CAnimationManager(const CAnimationManager&) = delete;
    CAnimationManager& operator=(const CAnimationManager&) = delete;

    // Appends an entry whose first interval starts now. A playable added twice steps twice per
    // interval. The screen is only kept.
    void add(CPlayable* playable, CRefreshScreen* screen);
    // Drops the first entry of the playable; nothing when it has none.
    void remove(CPlayable* playable);
    // One turn; always 0.
    int domodal();

    // Pauses every playable that plays.
    virtual void pause();
    // Resumes every paused playable, or with a group only the animations its members show.
    virtual void resume(CMC_Groupped* group);

private:
    struct Entry {
        CPlayable* playable;
        CRefreshScreen* screen;
        bool due;
        uint32_t lastFrameMs;
    };

    static bool isDue(const Entry& entry, uint32_t now);
    // Calls step on every entry registered when the walk began and still registered when its turn
    // comes.
    template <typename Step>
    void walk(Step step);
    void deleteRemoved();
    static bool contains(CMC_Groupped* group, CPlayable* playable);

    std::vector<Entry*> entries_;
    // Entries removed while a walk runs; deleted once the outermost walk ends.
    std::vector<Entry*> removed_;
    int walking_ = 0;
};
