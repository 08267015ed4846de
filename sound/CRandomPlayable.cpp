#include "sound/CRandomPlayable.h"

#include "foundation/CXTimer.h"
#include "graphics/CWindow.h"
#include "sound/CRandomPlayableEntry.h"
#include "sound/CRandomPlayableNotifier.h"

#include <algorithm>

CRandomPlayable::CRandomPlayable(CWindow* window, CUnit6*) : timer_(window ? window->GetTimerInterface() : nullptr)
{
    if (timer_ != nullptr) {
        timerId_ = timer_->newId();
        timer_->add(timerId_, PERIOD_MS, this);
    }
}

CRandomPlayable::~CRandomPlayable()
{
    if (timer_ != nullptr)
        timer_->remove(timerId_);
}

void CRandomPlayable::add(CPlayable* playable, double probability, int times, const CXString& event)
{
    entries_.push_back(std::make_unique<CRandomPlayableEntry>(this, playable, probability, times, event));
}

void CRandomPlayable::remove(CPlayable* playable)
{
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [playable](const auto& entry) { return entry->getPlayable() == playable; });
    if (found != entries_.end())
        entries_.erase(found);
}

void CRandomPlayable::addNotifier(CRandomPlayableNotifier* notifier)
{
    notifiers_.push_back(notifier);
}

void CRandomPlayable::removeNotifier(CRandomPlayableNotifier* notifier)
{
    auto found = std::find(notifiers_.begin(), notifiers_.end(), notifier);
    if (found != notifiers_.end())
        notifiers_.erase(found);
}

bool CRandomPlayable::notify(CRandomPlayableEntry* entry, bool started)
{
    bool answer = false;
    const std::vector<CRandomPlayableNotifier*> asked = notifiers_;
    for (CRandomPlayableNotifier* notifier : asked) {
        answer = started ? notifier->onRandomPlayableStarted(entry->getPlayable(), entry->getSeqTime())
                         : notifier->onRandomPlayableFinished(entry->getPlayable(), entry->getSeqTime());
    }
    return answer;
}

void CRandomPlayable::onTimer(int)
{
    // An entry's start may end another entry's playable, and so call back into this list, but
    // entries are only added or removed by the scene's script, never from here.
    for (const auto& entry : entries_)
        entry->tick();
}
