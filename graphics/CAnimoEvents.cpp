#include "graphics/CAnimoEvents.h"

#include "graphics/CPlayable.h"

#include <algorithm>

namespace {

const char reverseSuffix[] = "_reverse";

bool inRange(int index, size_t count)
{
    return index >= 0 && static_cast<size_t>(index) < count;
}

} // namespace

CAnimoEvents::CAnimoEvents(const CAnimoEvents& other) : currentEvent_(other.currentEvent_), position_(other.position_)
{
    for (const auto& event : other.events_)
        events_.push_back(std::make_unique<Event>(*event));
}

CAnimoEvents& CAnimoEvents::operator=(const CAnimoEvents& other)
{
    if (this != &other) {
        CAnimoEvents copy(other);
        events_.swap(copy.events_);
        currentEvent_ = other.currentEvent_;
        position_ = other.position_;
    }
    return *this;
}

CAnimoEvents::~CAnimoEvents() = default;

CAnimoEvents::Event* CAnimoEvents::eventAt(int event) const
{
    return inRange(event, events_.size()) ? events_[static_cast<size_t>(event)].get() : nullptr;
}

_annEventInfo3* CAnimoEvents::GetEventInfo(int event) const
{
    Event* found = eventAt(event);
    return found != nullptr ? &found->info : nullptr;
}

_anmFrameInfo3* CAnimoEvents::GetFrameInfo(int event, int position) const
{
    Event* found = eventAt(event);
    if (found == nullptr || !inRange(position, found->records.size()))
        return nullptr;
    return &found->records[static_cast<size_t>(position)];
}

int CAnimoEvents::GetNOFInEvent(int event) const
{
    Event* found = eventAt(event);
    return found != nullptr ? found->info.positionCount() : 0;
}

int CAnimoEvents::GetNOFInEvent(const CXString& name) const
{
    return GetNOFInEvent(GetEventNo(name));
}

int CAnimoEvents::GetEventNo(const CXString& name) const
{
    for (size_t i = 0; i < events_.size(); ++i) {
        if (events_[i]->info.getName().equalsIgnoreCase(name))
            return static_cast<int>(i);
    }
    return -1;
}

int CAnimoEvents::resolveEventName(const CXString& name) const
{
    return GetEventNo(name);
}

CXString CAnimoEvents::GetEventName(int event) const
{
    Event* found = eventAt(GetEventNo(event));
    return found != nullptr ? found->info.getName() : CXString();
}

int CAnimoEvents::getFirstEvent() const
{
    for (size_t i = 0; i < events_.size(); ++i) {
        if (events_[i]->info.positionCount() > 0)
            return static_cast<int>(i);
    }
    return 0;
}

int CAnimoEvents::getFrameNo(const CXString& eventName) const
{
    return std::max(GetEventNo(eventName), 0);
}

int CAnimoEvents::GetFrameNo(int event, int position) const
{
    switch (position) {
    case -3:
        return GetNOFInEvent(GetEventNo(event)) - 1;
    case -2:
        return 0;
    case -1:
        return position_;
    default:
        return position;
    }
}

int CAnimoEvents::GetFrameNo(int event, const CXString& frameName) const
{
    Event* found = eventAt(GetEventNo(event));
    if (found == nullptr)
        return -1;
    for (size_t i = 0; i < found->records.size(); ++i) {
        if (found->records[i].name == frameName)
            return static_cast<int>(i);
    }
    return -1;
}

int CAnimoEvents::GetLoop(_animoevent event, CXPoint& out) const
{
    Event* found = eventAt(event);
    if (found == nullptr)
        return 0;
    out = CXPoint(found->info.loopBack, found->info.loopPoint);
    return found->info.loopCount;
}

CXString CAnimoEvents::GetName(int event, int position, const CXString& fallback) const
{
    _anmFrameInfo3* record = GetFrameInfo(event, position);
    if (record != nullptr && record->name.IsString())
        return record->name;
    if (fallback == "Default")
        return CXString().Format("Frame %d", position);
    return fallback;
}

CXString CAnimoEvents::getFrameName(int event, int position) const
{
    _anmFrameInfo3* record = GetFrameInfo(GetEventNo(event), position == -1 ? position_ : position);
    return record != nullptr ? record->name : CXString();
}

int CAnimoEvents::frameAt(int event, int position) const
{
    Event* found = eventAt(event);
    if (found == nullptr || !inRange(position, found->info.frames.size()))
        return -1;
    return found->info.frames[static_cast<size_t>(position)];
}

int CAnimoEvents::findNamedPosition(int event, const CXString& frameName) const
{
    int resolved = GetEventNo(event);
    for (int position = 0; position < GetNOFInEvent(resolved); ++position) {
        if (GetName(resolved, position, "Default").equalsIgnoreCase(frameName))
            return position;
    }
    return -1;
}

int CAnimoEvents::findNamedFrame(const CXString& frameName) const
{
    for (const auto& event : events_) {
        for (size_t i = 0; i < event->records.size(); ++i) {
            if (event->records[i].name.equalsIgnoreCase(frameName) && i < event->info.frames.size())
                return event->info.frames[i];
        }
    }
    return -1;
}

std::shared_ptr<CPlayable> CAnimoEvents::soundAt(int event, int position) const
{
    Event* found = eventAt(event);
    if (found == nullptr || !inRange(position, found->sounds.size()))
        return nullptr;
    return found->sounds[static_cast<size_t>(position)];
}

CPlayable* CAnimoEvents::GetSound(int event, int position) const
{
    return soundAt(event, position).get();
}

void CAnimoEvents::applyToSounds(void (CPlayable::*setter)(int), int value) const
{
    for (const auto& event : events_) {
        for (const std::shared_ptr<CPlayable>& sound : event->sounds) {
            if (sound != nullptr)
                (sound.get()->*setter)(value);
        }
    }
}

bool CAnimoEvents::setSound(int event, int position, CPlayable* sound)
{
    Event* found = eventAt(event);
    if (found == nullptr || !inRange(position, found->sounds.size())) {
        delete sound;
        return false;
    }
    found->sounds[static_cast<size_t>(position)].reset(sound);
    return true;
}

int CAnimoEvents::AddEvent(const _annEventInfo3& record)
{
    auto event = std::make_unique<Event>();
    event->info = record;
    event->records.resize(record.frames.size());
    event->sounds.resize(record.frames.size());
    events_.push_back(std::move(event));
    return GetNOE() - 1;
}

void CAnimoEvents::RemoveEvent(int event)
{
    if (inRange(event, events_.size()))
        events_.erase(events_.begin() + event);
}

void CAnimoEvents::RemoveAllEvents()
{
    events_.clear();
}

void CAnimoEvents::ExchangeFrames(int event, int first, int second)
{
    Event* found = eventAt(event);
    if (found == nullptr || !inRange(first, found->info.frames.size()) || !inRange(second, found->info.frames.size()))
        return;
    std::swap(found->info.frames[static_cast<size_t>(first)], found->info.frames[static_cast<size_t>(second)]);
    if (inRange(first, found->records.size()) && inRange(second, found->records.size()))
        std::swap(found->records[static_cast<size_t>(first)], found->records[static_cast<size_t>(second)]);
}

void CAnimoEvents::RemoveFrame(int event, int position)
{
    Event* found = eventAt(event);
    if (found == nullptr || !inRange(position, found->info.frames.size()))
        return;
    found->info.frames.erase(found->info.frames.begin() + position);
    if (inRange(position, found->records.size()))
        found->records.erase(found->records.begin() + position);
}

void CAnimoEvents::RemoveAllFrames(int event)
{
    Event* found = eventAt(event);
    if (found != nullptr) {
        found->info.frames.clear();
        found->records.clear();
    }
}

void CAnimoEvents::ClearWAVEntry(int event, int position)
{
    if (_anmFrameInfo3* record = GetFrameInfo(GetEventNo(event), position))
        record->soundName = CXString();
}

bool CAnimoEvents::usesFrame(int frame) const
{
    for (const auto& event : events_) {
        const std::vector<uint16_t>& frames = event->info.frames;
        if (std::find(frames.begin(), frames.end(), frame) != frames.end())
            return true;
    }
    return false;
}

void CAnimoEvents::renumberAfterRemoval(int frame)
{
    for (const auto& event : events_) {
        for (uint16_t& number : event->info.frames) {
            if (number > frame)
                --number;
        }
    }
}

int CAnimoEvents::addReversedCopy(int event)
{
    Event* source = eventAt(event);
    if (source == nullptr)
        return -1;
    _annEventInfo3 reversed = source->info;
    // A cut name would never be found again, and every later call would add one more copy.
    if (!reversed.setName(source->info.getName() + reverseSuffix))
        return -1;
    std::reverse(reversed.frames.begin(), reversed.frames.end());
    int added = AddEvent(reversed);
    std::vector<_anmFrameInfo3>& records = events_.back()->records;
    size_t count = std::min(records.size(), source->records.size());
    for (size_t i = 0; i < count; ++i) {
        const _anmFrameInfo3& mirrored = source->records[source->records.size() - 1 - i];
        _anmFrameInfo3& record = records[i];
        record.opacity = mirrored.opacity;
        record.x = mirrored.x;
        record.y = mirrored.y;
        record.reserved20 = mirrored.reserved20;
        record.name = mirrored.name;
        record.soundName = mirrored.soundName;
    }
    return added;
}
