#include "script/CMC_Timer.h"

#include "foundation/CMElement.h"
#include "foundation/CTimerObject.h"
#include "foundation/CXArchive.h"
#include "foundation/CXTimer.h"
#include "foundation/IntegerWrap.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"
#include "script/CWindowServices.h"

CMC_Timer::CMC_Timer(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_TIMER), window_(CMC_ObjectsContainer::windowOf(container))
{
    CXString enabledText = element->getPropertyValue("ENABLED");
    elapse_ = element->getPropertyValue("ELAPSE");
    if (elapse_.IsString())
        addSoftwareTimer();
    limit_ = element->getPropertyIntValue("TICKS");
    if (enabledText.IsString() && !enabledText.equalsIgnoreCase("true"))
        enabled_ = false;
    initializeBehaviours(container, element);
}

// The name stands in until the archive's object part is read.
CMC_Timer::CMC_Timer(CMC_ObjectsContainer* container) : CMC_Object("TIMER", script::TYPE_TIMER), window_(CMC_ObjectsContainer::windowOf(container))
{
    setScene(container);
}

CMC_Timer::~CMC_Timer()
{
    beginDestruction();
    removeSoftwareTimer();
}

CXTimer* CMC_Timer::timers() const
{
    return CWindowServices::timersOf(window_);
}

void CMC_Timer::addSoftwareTimer()
{
    removeSoftwareTimer();
    CXTimer* list = timers();
    if (list == nullptr)
        return;
    // Our own address does not fit the list's int ids: the list hands out one of its own.
    timerId_ = list->newId();
    list->add(timerId_, static_cast<unsigned>(elapse_.toNumber()), static_cast<CTimerNotificator*>(this));
    hasEntry_ = true;
}

void CMC_Timer::removeSoftwareTimer()
{
    if (!hasEntry_)
        return;
    hasEntry_ = false;
    if (CXTimer* list = timers())
        list->remove(timerId_);
}

void CMC_Timer::restartPeriod()
{
    CXTimer* list = timers();
    if (hasEntry_ && list != nullptr)
        list->reset(timerId_);
}

void CMC_Timer::enable()
{
    if (enabled_)
        return;
    counter_ = 0;
    enabled_ = true;
    restartPeriod();
}

void CMC_Timer::disable()
{
    enabled_ = false;
}

void CMC_Timer::pause()
{
    enabled_ = false;
    if (CXTimer* list = timers())
        list->pause();
}

void CMC_Timer::resume()
{
    if (enabled_)
        return;
    enabled_ = true;
    if (CXTimer* list = timers())
        list->resume();
}

void CMC_Timer::reset()
{
    restartPeriod();
    counter_ = 0;
}

void CMC_Timer::set(int ticks)
{
    restartPeriod();
    limit_ = ticks;
}

void CMC_Timer::setElapse(unsigned milliseconds)
{
    CXTimer* list = timers();
    CTimerObject* entry = hasEntry_ && list != nullptr ? list->find(timerId_) : nullptr;
    if (entry != nullptr)
        entry->setInterval(milliseconds);
}

void CMC_Timer::onTimer(int)
{
    if (!enabled_)
        return;
    counter_ = foundation::wrapAdd(counter_, 1);
    // The tick that reaches the limit is still signalled.
    if (limit_ > 0 && counter_ == limit_)
        enabled_ = false;
    if (!isSignalHandled(ONTICK))
        return;
    raiseSpecificOrPlain("ONTICK", CXString::toString(counter_));
}

CXString** CMC_Timer::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONTICK"});
}

void CMC_Timer::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive->isStoring()) {
        *archive << elapse_ << limit_;
        return;
    }
    *archive >> &elapse_ >> &limit_;
    enabled_ = true;
    counter_ = 0;
    // A timer stored without ELAPSE gets no software timer: a period of 0 would tick every turn.
    if (elapse_.IsString())
        addSoftwareTimer();
    else
        removeSoftwareTimer();
}
