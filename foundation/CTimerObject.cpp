#include "foundation/CTimerObject.h"

#include "foundation/CTimerNotificator.h"
#include "foundation/CUnitTimerTarget.h"
#include "foundation/CWindowTimerTarget.h"

CTimerObject::CTimerObject(int id, unsigned interval, uint32_t now) : id_(id), interval_(interval), last_(now)
{
}

CTimerObject::CTimerObject(int id, unsigned interval, CUnitTimerTarget* unit, bool onlyWhenActive, uint32_t now)
    : CTimerObject(id, interval, now)
{
    unit_ = unit;
    onlyWhenActive_ = onlyWhenActive;
}

CTimerObject::CTimerObject(int id, unsigned interval, CWindowTimerTarget* window, uint32_t now)
    : CTimerObject(id, interval, now)
{
    window_ = window;
}

CTimerObject::CTimerObject(int id, unsigned interval, CTimerNotificator* notificator, uint32_t now)
    : CTimerObject(id, interval, now)
{
    notificator_ = notificator;
}

void CTimerObject::fire()
{
    ++count_;
    if (unit_ != nullptr) {
        if (!onlyWhenActive_ || (unit_->isActive() && unit_->wasInitiallyUpdated()))
            unit_->onTimer(id_);
    } else if (window_ != nullptr) {
        window_->OnTimer(id_);
    } else if (notificator_ != nullptr) {
        notificator_->onTimer(id_);
    }
}
