#include "graphics/CAnimationManager.h"

#include "graphics/CAnimoHolder.h"
#include "graphics/CPlayable.h"
#include "platform/Clock.h"
#include "script/CMC_Groupped.h"

#include <algorithm>

CAnimationManager::CAnimationManager() = default;

CAnimationManager::~CAnimationManager()
{
    for (Entry* entry : entries_)
        delete entry;
    deleteRemoved();
}

void CAnimationManager::add(CPlayable* playable, CRefreshScreen* screen)
{
    if (playable != nullptr)
        entries_.push_back(new Entry{playable, screen, false, platform::clock().tickMs()});
}

void CAnimationManager::remove(CPlayable* playable)
{
    auto found = std::find_if(entries_.begin(), entries_.end(), [&](Entry* e) { return e->playable == playable; });
    if (found == entries_.end())
        return;
    Entry* entry = *found;
    entries_.erase(found);
    // A walk may still hold the entry: it reads a null playable and skips it.
    entry->playable = nullptr;
    removed_.push_back(entry);
    if (walking_ == 0)
        deleteRemoved();
}

void CAnimationManager::deleteRemoved()
{
    for (Entry* entry : removed_)
        delete entry;
    removed_.clear();
}

bool CAnimationManager::isDue(const Entry& entry, uint32_t now)
{
    int fps = entry.playable->getFPS();
    if (fps <= 0)
        return false;
    return now - entry.lastFrameMs >= static_cast<uint32_t>(1000 / fps);
}

template <typename Step>
void CAnimationManager::walk(Step step)
{
    std::vector<Entry*> registered(entries_);
    ++walking_;
    for (Entry* entry : registered) {
        if (entry->playable != nullptr)
            step(*entry);
    }
    if (--walking_ == 0)
        deleteRemoved();
}

int CAnimationManager::domodal()
{
    uint32_t now = platform::clock().tickMs();
    bool anyDue = false;
    for (Entry* entry : entries_) {
        if (entry->playable->isPlaying() && isDue(*entry, now)) {
            entry->lastFrameMs = now;
            entry->due = true;
            anyDue = true;
        }
    }
    if (!anyDue)
        return 0;
    walk([](Entry& entry) {
        if (entry.due) {
            entry.due = false;
            entry.playable->next();
        }
    });
    return 0;
}

void CAnimationManager::pause()
{
    walk([](Entry& entry) {
        if (entry.playable->isPlaying())
            entry.playable->pause();
    });
}

void CAnimationManager::resume(CMC_Groupped* group)
{
    walk([group](Entry& entry) {
        if (entry.playable->isPaused() && (group == nullptr || contains(group, entry.playable)))
            entry.playable->resume();
    });
}

bool CAnimationManager::contains(CMC_Groupped* group, CPlayable* playable)
{
    for (CMC_Object* member : group->getMembers()) {
        auto* holder = dynamic_cast<CAnimoHolder*>(member);
        if (holder != nullptr && holder->getAnimoPlayable() == playable)
            return true;
    }
    return false;
}
