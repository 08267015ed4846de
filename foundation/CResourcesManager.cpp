#include "foundation/CResourcesManager.h"

#include "foundation/CMediaScreen.h"
#include "foundation/CSharedMedium.h"
#include "platform/Cp1250.h"

#include <climits>

struct CResourcesManager::Entry {
    CXString fileName;
    CSharedMedium* medium;
    int useCount;
};

CResourcesManager::CResourcesManager(CMediaScreen* screen)
    : entries_(101, 0.75f), nested_(101, 0.75f), nestedIn_(101, 0.75f), screen_(screen)
{
}

CResourcesManager::~CResourcesManager()
{
    flush();
    while (!nestedIn_.isEmpty()) {
        auto* parent = static_cast<CResourcesManager*>(nestedIn_.at(0));
        parent->nested_.remove(this);
        nestedIn_.removeAt(0);
    }
}

CResourcesManager::Entry* CResourcesManager::entryAt(int index) const
{
    return static_cast<Entry*>(entries_[index]);
}

CResourcesManager* CResourcesManager::nestedAt(int index) const
{
    return static_cast<CResourcesManager*>(nested_.at(index));
}

int CResourcesManager::indexOf(const CSharedMedium* medium) const
{
    for (int i = 0; i < entries_.getSize(); ++i) {
        if (entryAt(i)->medium == medium)
            return i;
    }
    return -1;
}

void CResourcesManager::add(CSharedMedium* medium)
{
    insertEntry(medium, entries_.getSize());
}

void CResourcesManager::insertAt(CSharedMedium* medium, int index)
{
    insertEntry(medium, index);
}

void CResourcesManager::insertEntry(CSharedMedium* medium, int index)
{
    if (medium == nullptr)
        return;
    int held = indexOf(medium);
    if (held >= 0) {
        Entry* entry = entryAt(held);
        if (entry->useCount < INT_MAX)
            ++entry->useCount;
        return;
    }
    // Past the count the array would write a slot outside the list and the entry would be lost.
    int clamped = index < 0 ? 0 : (index > entries_.getSize() ? entries_.getSize() : index);
    entries_.insertAt(clamped, new Entry{medium->getFileName(), medium, 1});
}

void CResourcesManager::add(CResourcesManager* manager)
{
    if (manager == nullptr || manager == this || nested_.contains(manager) || manager->reaches(this))
        return;
    nested_.add(manager);
    manager->nestedIn_.add(this);
}

bool CResourcesManager::reaches(const CResourcesManager* manager) const
{
    for (int i = 0; i < nested_.getSize(); ++i) {
        const CResourcesManager* nested = nestedAt(i);
        if (nested == manager || nested->reaches(manager))
            return true;
    }
    return false;
}

CSharedMedium* CResourcesManager::get(const CXString& name)
{
    for (int i = 0; i < entries_.getSize(); ++i) {
        Entry* entry = entryAt(i);
        if (platform::Cp1250::equalsIgnoreCase(entry->fileName.c_str(), name.c_str())) {
            if (entry->useCount < INT_MAX)
                ++entry->useCount;
            return entry->medium;
        }
    }
    for (int i = 0; i < nested_.getSize(); ++i) {
        if (CSharedMedium* medium = nestedAt(i)->get(name))
            return medium;
    }
    return nullptr;
}

bool CResourcesManager::contains(const CSharedMedium* medium) const
{
    return indexOf(medium) >= 0;
}

int CResourcesManager::getUseCount(const CSharedMedium* medium) const
{
    int index = indexOf(medium);
    if (index >= 0)
        return entryAt(index)->useCount;
    for (int i = 0; i < nested_.getSize(); ++i) {
        if (int count = nestedAt(i)->getUseCount(medium))
            return count;
    }
    return 0;
}

bool CResourcesManager::holds(const CSharedMedium* medium) const
{
    return getUseCount(medium) > 0;
}

bool CResourcesManager::remove(CSharedMedium* medium)
{
    int index = indexOf(medium);
    if (index < 0) {
        // A medium that get() found in a nested manager goes back to that manager.
        for (int i = 0; i < nested_.getSize(); ++i) {
            if (nestedAt(i)->holds(medium))
                return nestedAt(i)->remove(medium);
        }
        return false;
    }
    if (--entryAt(index)->useCount > 0)
        return false;
    deleteEntry(index);
    medium->hide();
    if (screen_ != nullptr)
        screen_->removeFromScreen(medium);
    delete medium;
    return true;
}

void CResourcesManager::deleteEntry(int index)
{
    delete entryAt(index);
    entries_.removeAt(index);
}

void CResourcesManager::flush()
{
    for (int i = 0; i < nested_.getSize(); ++i)
        nestedAt(i)->flush();
    unlinkNested();
    // Each entry leaves the list before its medium is deleted, so a medium that gives itself back
    // from its destructor finds nothing to remove.
    while (!entries_.isEmpty()) {
        CSharedMedium* medium = entryAt(0)->medium;
        deleteEntry(0);
        delete medium;
    }
}

void CResourcesManager::unlinkNested()
{
    for (int i = 0; i < nested_.getSize(); ++i)
        nestedAt(i)->nestedIn_.remove(this);
    nested_.removeAll();
}
