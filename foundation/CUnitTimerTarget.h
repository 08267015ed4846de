#pragma once

// What the software timers need from a scene host unit: whether it may be called now, and the call
// itself. The unit implements it.
class CUnitTimerTarget {
public:
    virtual ~CUnitTimerTarget() = default;
    virtual bool isActive() = 0;
    // True once the unit's scene has been drawn for the first time.
    virtual bool wasInitiallyUpdated() = 0;
    virtual void onTimer(int id) = 0;
};
