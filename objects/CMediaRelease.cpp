#include "objects/CMediaRelease.h"

#include "graphics/CPlayable.h"
#include "graphics/CPublicTrash.h"
#include "graphics/CWindow.h"
#include "objects/CSceneResources.h"

CMediaRelease::CMediaRelease(CPlayable* medium, bool shared)
    : CMC_Object("", -1), medium_(medium), lifetime_(medium->lifetime()), shared_(shared)
{
}

CMediaRelease::~CMediaRelease()
{
    beginDestruction();
    if (!lifetime_.expired())
        releaseNow(medium_, shared_);
}

bool CMediaRelease::releaseDeletes(CPlayable* medium, bool shared)
{
    if (!shared)
        return true;
    CResourcesManager* manager = CSceneResources::defaultManager();
    return manager != nullptr && manager->getUseCount(medium) == 1;
}

void CMediaRelease::releaseNow(CPlayable* medium, bool shared)
{
    if (!shared) {
        medium->hide();
        delete medium;
    } else if (CResourcesManager* manager = CSceneResources::defaultManager()) {
        manager->remove(medium);
    }
}

void CMediaRelease::release(CPlayable* medium, bool shared)
{
    if (medium == nullptr)
        return;
    CWindow* window = medium->getWindow();
    CPublicTrash* trash = window != nullptr ? window->getPublicTrashInterface() : nullptr;
    if (!medium->isNotifying() || trash == nullptr || !releaseDeletes(medium, shared)) {
        releaseNow(medium, shared);
        return;
    }
    medium->stop(false);
    medium->hide();
    window->removeFromScreen(medium);
    auto* holder = new CMediaRelease(medium, shared);
    holder->setToDelete();
    trash->add(holder);
}
