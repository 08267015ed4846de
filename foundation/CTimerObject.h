#pragma once

#include "foundation/CXObject.h"

#include <cstdint>

class CTimerNotificator;
class CUnitTimerTarget;
class CWindowTimerTarget;

// One software timer of a CXTimer list: an id handed back to its target, an interval, and the tick
// of its last firing. Exactly one target is set; the timer does not own it.
class CTimerObject : public CXObject {
public:
    // `now` is the tick count the first interval counts from. A unit timer made with
    // onlyWhenActive calls the unit only while it is active and has been drawn once.
    CTimerObject(int id, unsigned interval, CUnitTimerTarget* unit, bool onlyWhenActive, uint32_t now);
    CTimerObject(int id, unsigned interval, CWindowTimerTarget* window, uint32_t now);
    CTimerObject(int id, unsigned interval, CTimerNotificator* notificator, uint32_t now);

    int getId() const { return id_; }
    unsigned getInterval() const { return interval_; }
    // Takes effect from the next due test.
    void setInterval(unsigned interval) { interval_ = interval; }
    uint64_t getCount() const { return count_; }
    bool isOnlyWhenActive() const { return onlyWhenActive_; }

    bool isRemoved() const { return removed_; }
    void markRemoved() { removed_ = true; }

    // Elapsed time, not a sum, so a tick count that wrapped past 2^32 since the last firing still
    // gives the right answer.
    bool isDue(uint32_t now) const { return now - last_ >= interval_; }
    // The next interval counts from `now`.
    void restart(uint32_t now) { last_ = now; }
    // Keeps the time elapsed since the last firing; resume() puts it back.
    void pause(uint32_t now) { paused_ = now - last_; }
    void resume(uint32_t now) { last_ = now - paused_; }

    // Counts one firing and calls the target; a unit that may not be called now is skipped.
    void fire();

private:
    CTimerObject(int id, unsigned interval, uint32_t now);

    int id_;
    unsigned interval_;
    uint64_t count_ = 0;
    uint32_t last_;
    uint32_t paused_ = 0;
    CUnitTimerTarget* unit_ = nullptr;
    CWindowTimerTarget* window_ = nullptr;
    CTimerNotificator* notificator_ = nullptr;
    bool onlyWhenActive_ = true;
    bool removed_ = false;
};
