#pragma once

#include "foundation/CInstalledLink.h"

#include <atomic>

// How the loop of a stream reaches the scripts: the stream counts its loops on the refill thread
// (post), and the sound manager's turn on the main thread hands each one to the installed link,
// which the engine host implements by raising "ONMUSICLOOPED" on the current scene. Loops counted
// while no link is installed are dropped.
class CMusicLoopLink : public CInstalledLink<CMusicLoopLink> {
public:
    virtual ~CMusicLoopLink() = default;
    virtual void onMusicLooped() = 0;

    // Any thread.
    static void post() { pending.fetch_add(1, std::memory_order_relaxed); }
    // Main thread: one onMusicLooped per loop posted since the last delivery.
    static void deliverPending();

private:
    static inline std::atomic<int> pending{0};
};
