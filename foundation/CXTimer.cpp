#include "foundation/CXTimer.h"

#include "foundation/CTimerObject.h"
#include "platform/Clock.h"

#include <climits>

namespace {

constexpr int firstGeneratedId = 0x10000;

uint32_t now()
{
    return platform::clock().tickMs();
}

CTimerObject* timerAt(const CXVector& list, int index)
{
    return static_cast<CTimerObject*>(list.at(index));
}

} // namespace

bool CXTimer::enabled = true;

CXTimer::CXTimer() : timers_(101, 0.75f), work_(101, 0.75f), lastGeneratedId_(firstGeneratedId - 1)
{
}

CXTimer::~CXTimer()
{
    for (int i = 0; i < timers_.getSize(); ++i)
        delete timerAt(timers_, i);
}

void CXTimer::add(int id, unsigned interval, CUnitTimerTarget* unit, bool onlyWhenActive)
{
    if (unit != nullptr)
        timers_.add(new CTimerObject(id, interval, unit, onlyWhenActive, now()));
}

void CXTimer::add(int id, unsigned interval, CWindowTimerTarget* window)
{
    if (window != nullptr)
        timers_.add(new CTimerObject(id, interval, window, now()));
}

void CXTimer::add(int id, unsigned interval, CTimerNotificator* target)
{
    if (target != nullptr)
        timers_.add(new CTimerObject(id, interval, target, now()));
}

CTimerObject* CXTimer::find(int id) const
{
    // A removed timer is gone as far as callers are concerned, even before the sweep deletes it.
    for (int i = 0; i < timers_.getSize(); ++i) {
        CTimerObject* timer = timerAt(timers_, i);
        if (timer->getId() == id && !timer->isRemoved())
            return timer;
    }
    return nullptr;
}

void CXTimer::remove(int id)
{
    if (CTimerObject* timer = find(id))
        timer->markRemoved();
}

void CXTimer::reset(int id)
{
    if (CTimerObject* timer = find(id))
        timer->restart(now());
}

void CXTimer::pause()
{
    uint32_t tick = now();
    for (int i = 0; i < timers_.getSize(); ++i)
        timerAt(timers_, i)->pause(tick);
}

void CXTimer::resume()
{
    uint32_t tick = now();
    for (int i = 0; i < timers_.getSize(); ++i)
        timerAt(timers_, i)->resume(tick);
}

int CXTimer::domodal()
{
    // A target that polls again from inside its call would overwrite the work list in use.
    if (!enabled || polling_)
        return 0;
    polling_ = true;
    timers_.copyInto(&work_);
    for (int i = 0; i < work_.getSize(); ++i) {
        CTimerObject* timer = timerAt(work_, i);
        if (timer->isRemoved()) {
            deleteRemoved(timer);
        } else if (timer->isDue(now())) {
            timer->fire();
            timer->restart(now());
        }
    }
    work_.removeAll();
    polling_ = false;
    return 0;
}

void CXTimer::deleteRemoved(CTimerObject* timer)
{
    timers_.remove(timer);
    delete timer;
}

void CXTimer::enable(bool on)
{
    enabled = on;
}

int CXTimer::newId()
{
    do {
        lastGeneratedId_ = lastGeneratedId_ == INT_MAX ? firstGeneratedId : lastGeneratedId_ + 1;
    } while (holdsId(lastGeneratedId_));
    return lastGeneratedId_;
}

bool CXTimer::holdsId(int id) const
{
    for (int i = 0; i < timers_.getSize(); ++i) {
        if (timerAt(timers_, i)->getId() == id)
            return true;
    }
    return false;
}
