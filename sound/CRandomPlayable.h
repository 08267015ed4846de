#pragma once

#include "foundation/CTimerNotificator.h"
#include "foundation/CXObject.h"

#include <memory>
#include <vector>

class CPlayable;
class CRandomPlayableEntry;
class CRandomPlayableNotifier;
class CUnit6;
class CWindow;
class CXTimer;

// The playables of a scene that start by themselves, at random (CRandomPlayableEntry): each
// second, on the window's software timer, every entry takes its step. The scene unit owns them
// while a scene runs and is their one notifier. Main thread only.
class CRandomPlayable : public CXObject, public CTimerNotificator {
public:
    // The unit is the one the entries belong to; it joins as a notifier by itself.
    CRandomPlayable(CWindow* window, CUnit6* unit);
    ~CRandomPlayable() override;
    CRandomPlayable(const CRandomPlayable&) = delete;
    CRandomPlayable& operator=(const CRandomPlayable&) = delete;

    virtual void add(CPlayable* playable, double probability, int times, const CXString& event);
    // Deletes the first entry of the playable.
    virtual void remove(CPlayable* playable);
    void addNotifier(CRandomPlayableNotifier* notifier);
    void removeNotifier(CRandomPlayableNotifier* notifier);
    // Asks every notifier in order of the entry's start (or end); the last answer, false when
    // there is no notifier.
    bool notify(CRandomPlayableEntry* entry, bool started);
    // The step of every entry, in order.
    void onTimer(int id) override;

    int getCount() const { return static_cast<int>(entries_.size()); }
    CRandomPlayableEntry* getEntry(int index) const { return entries_[static_cast<size_t>(index)].get(); }

    static constexpr unsigned PERIOD_MS = 1000;

private:
    CXTimer* timer_;
    int timerId_ = 0;
    std::vector<std::unique_ptr<CRandomPlayableEntry>> entries_;
    std::vector<CRandomPlayableNotifier*> notifiers_;
};
