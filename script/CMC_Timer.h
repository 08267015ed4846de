#pragma once

#include "foundation/CTimerNotificator.h"
#include "script/CMC_Object.h"

class CWindow;
class CXTimer;

// The TIMER object: raises ONTICK at a fixed period while enabled, optionally disabling itself
// after a number of ticks. It rides on the software timer list of its container's window, which
// fires at most once per engine turn; the entry exists from construction (when ELAPSE is given)
// until destruction, whatever the enabled state, and a disabled timer only ignores its ticks.
class CMC_Timer : public CMC_Object, public CTimerNotificator {
public:
    // Signal indexes: the order of getBehavioursList.
    enum Signal { ONINIT, ONDONE, ONSIGNAL, ONTICK };

    // From a definition: ELAPSE (period in ms), TICKS (limit), ENABLED ("true" or empty to start
    // enabled), then its handlers.
    CMC_Timer(CMC_ObjectsContainer* container, CMElement* element);
    // An empty timer to be loaded from an archive.
    explicit CMC_Timer(CMC_ObjectsContainer* container);
    ~CMC_Timer() override;

    // A disabled timer starts a new series: counter 0, full period from now.
    void enable();
    // Ticks are ignored; the software timer keeps running.
    void disable();
    // Disables this timer and pauses every software timer of the window.
    void pause();
    // Enables this timer (keeping its counter) and resumes every software timer of the window.
    void resume();
    // Full period from now, counter 0.
    void reset();
    // Full period from now, new limit; the counter stays.
    void set(int ticks);
    // The period of the software timer; nothing without one.
    void setElapse(unsigned milliseconds);

    int getTick() const { return counter_; }
    int getLimit() const { return limit_; }
    bool isEnabled() const { return enabled_; }
    CXString getElapse() const { return elapse_; }

    // One period passed: count it and raise ONTICK^n, else ONTICK.
    void onTimer(int id) override;
    CXString** getBehavioursList() override;
    // After the object part: the ELAPSE text and the limit. A loaded timer is enabled at count 0.
    void serialize(CXArchive* archive) override;

private:
    CXTimer* timers() const;
    // Registers the software timer with the ELAPSE period, replacing an earlier one.
    void addSoftwareTimer();
    void removeSoftwareTimer();
    void restartPeriod();

    CWindow* window_;
    bool enabled_ = true;
    int counter_ = 0;
    int limit_ = 0;
    CXString elapse_;
    // The identifier of the software timer entry; meaningful only while hasEntry_.
    int timerId_ = 0;
    bool hasEntry_ = false;
};
