#pragma once

// Callback side of a software timer (CXTimer): objects that want periodic calls implement it beside
// their other bases. The id is the one the timer was added with.
class CTimerNotificator {
public:
    virtual ~CTimerNotificator() = default;
    virtual void onTimer(int id) {}
};
