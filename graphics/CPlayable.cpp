#include "graphics/CPlayable.h"

#include "graphics/CPlayableObserver.h"

CPlayable::CPlayable(CWindow* window) : window_(window), notifiers_(101, 0.75f)
{
}

CPlayable::~CPlayable() = default;

std::weak_ptr<const void> CPlayable::lifetime() const
{
    if (!lifetime_)
        lifetime_ = std::make_shared<char>();
    return lifetime_;
}

void CPlayable::setNotifier(CPlayableObserver* observer)
{
    notifiers_.removeAll();
    addNotifier(observer);
}

CPlayable* CPlayable::getPlaying()
{
    return isPlaying() ? this : nullptr;
}

void CPlayable::play(const CXString& event)
{
    stop(false);
    lastPlayedEvent_ = event;
    status_ = StatusPlaying;
    parameter_ = lookupEvent(event);
    play();
}

int CPlayable::previous()
{
    seek(SeekPrevious);
    return position_;
}

int CPlayable::next()
{
    seek(SeekNext);
    return position_;
}

bool CPlayable::notify(int type)
{
    if (type < Started || type > Resumed)
        return true;
    // Observers may add, remove or delete observers while they are told: walk a copy, and skip
    // those that left the list meanwhile.
    std::vector<CPlayableObserver*> listed;
    listed.reserve(static_cast<size_t>(notifiers_.getSize()));
    for (int i = 0; i < notifiers_.getSize(); ++i)
        listed.push_back(static_cast<CPlayableObserver*>(notifiers_[i]));
    CPlayableObserver* generic = genericNotifier_;

    bool answer = true;
    ++notifying_;
    for (CPlayableObserver* observer : listed) {
        if (notifiers_.contains(observer))
            answer = tell(observer, type);
    }
    if (generic != nullptr && generic == genericNotifier_)
        answer = tell(generic, type);
    --notifying_;
    return answer;
}

bool CPlayable::tell(CPlayableObserver* observer, int type)
{
    switch (type) {
    case Started:
        return observer->onPlayableStarted(this);
    case Tick:
        return observer->onPlayableTick(this);
    case Finished:
        return observer->onPlayableFinished(this);
    default:
        return observer->onPlayableResumed(this);
    }
}

void CPlayable::setParameter(const CXString& eventName, const CXString& value)
{
    for (Event& event : events_) {
        if (event.name == eventName) {
            event.value = value;
            return;
        }
    }
}

void CPlayable::addEvent(const CXString& eventName, const CXString& value)
{
    events_.push_back(Event{eventName, value});
}

CXString CPlayable::lookupEvent(const CXString& eventName) const
{
    for (const Event& event : events_) {
        if (event.name.equalsIgnoreCase(eventName))
            return event.value;
    }
    return CXString();
}

void CPlayable::addNotifier(CPlayableObserver* observer)
{
    if (observer != nullptr && !notifiers_.contains(observer))
        notifiers_.add(observer);
}

void CPlayable::removeNotifier(CPlayableObserver* observer)
{
    notifiers_.remove(observer);
}
