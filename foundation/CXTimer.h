#pragma once

#include "foundation/CXObject.h"
#include "foundation/CXVector.h"

class CTimerNotificator;
class CTimerObject;
class CUnitTimerTarget;
class CWindowTimerTarget;

// The polled software timers of one window. No system timer is involved: the window calls
// domodal() once per engine turn, and each timer whose interval has passed since it last fired
// calls its target once. Time is the process clock (platform::clock()).
//
// Ids need not be distinct; find, remove and reset act on the first timer with the id that has
// not been removed. Removal only marks the timer; the next domodal() deletes it, so targets may
// add, remove and reset timers from inside their calls. Main thread only.
class CXTimer : public CXObject {
public:
    CXTimer();
    ~CXTimer() override;
    CXTimer(const CXTimer&) = delete;
    CXTimer& operator=(const CXTimer&) = delete;

    // Each add appends a timer whose first interval starts now; a null target adds nothing.
    void add(int id, unsigned interval, CUnitTimerTarget* unit, bool onlyWhenActive = true);
    void add(int id, unsigned interval, CWindowTimerTarget* window);
    void add(int id, unsigned interval, CTimerNotificator* target);

    // The caller may change the interval of the timer found; null when no timer has the id.
    CTimerObject* find(int id) const;
    void remove(int id);
    // The timer fires a full interval from now.
    void reset(int id);
    // Every timer keeps the time elapsed since its last firing; resume() lets it go on from there,
    // so the time in between does not count.
    void pause();
    void resume();

    // One polling pass; always 0. Timers added during the pass are first seen in the next one.
    // A timer fires at most once per pass however late the pass is, and its next interval counts
    // from the end of its call.
    int domodal();

    // Stops (false) or restarts every timer list of the process; timers keep their phase meanwhile.
    static void enable(bool on);

    // An id no timer of this list holds, for owners that identified their timer by their own
    // address (which does not fit an int on a 64-bit machine). Generated ids are 65536 and
    // above; the smaller ones are left to fixed ids.
    int newId();

private:
    void deleteRemoved(CTimerObject* timer);
    bool holdsId(int id) const;

    CXVector timers_;
    CXVector work_;
    int lastGeneratedId_;
    bool polling_ = false;

    static bool enabled;
};
