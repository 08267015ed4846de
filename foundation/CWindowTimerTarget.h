#pragma once

// What the software timers need from the window host: the call made when one of the window's own
// timers is due. The window implements it.
class CWindowTimerTarget {
public:
    virtual ~CWindowTimerTarget() = default;
    virtual int OnTimer(int id) = 0;
};
