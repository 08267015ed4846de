#include "objects/CDeferredRelease.h"

#include "graphics/CPublicTrash.h"
#include "graphics/CWindow.h"
#include "script/CMC_NestingGuard.h"

CDeferredRelease::CDeferredRelease(CPlayable* playable) : CMC_Object("", -1), playable_(playable) {}

CDeferredRelease::~CDeferredRelease()
{
    beginDestruction();
    delete playable_.get();
}

void CDeferredRelease::release(CPlayable* playable, CWindow* window)
{
    if (playable == nullptr)
        return;
    CPublicTrash* trash = window != nullptr ? window->getPublicTrashInterface() : nullptr;
    if (trash == nullptr || CMC_NestingGuard::depth(CMC_NestingGuard::RUNNING) == 0) {
        delete playable;
        return;
    }
    playable->stop(false);
    auto* holder = new CDeferredRelease(playable);
    holder->setToDelete();
    trash->add(holder);
}
