#include "graphics/CPublicTrash.h"

#include "foundation/CXTimer.h"
#include "script/CMC_Object.h"

#include <algorithm>

CPublicTrash::CPublicTrash(CXTimer* timers) : timers_(timers), timerId_(timers->newId())
{
    timers_->add(timerId_, sweepPeriodMs, this);
}

CPublicTrash::~CPublicTrash()
{
    timers_->remove(timerId_);
    deleteMarked();
}

void CPublicTrash::add(CMC_Object* object)
{
    if (object != nullptr)
        entries_.emplace_back(object);
}

int CPublicTrash::getSize() const
{
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [](const CMC_ObjectRef& entry) { return entry.isAlive(); }));
}

void CPublicTrash::onTimer(int)
{
    deleteMarked();
}

void CPublicTrash::deleteMarked()
{
    // Deleting may hand more objects over; they join the kept ones for the next sweep.
    std::vector<CMC_ObjectRef> going;
    std::vector<CMC_ObjectRef> kept;
    for (CMC_ObjectRef& entry : entries_) {
        if (entry.isAlive())
            (entry.get()->isToDelete() ? going : kept).push_back(std::move(entry));
    }
    entries_ = std::move(kept);
    for (const CMC_ObjectRef& entry : going)
        CMC_Object::destroy(entry.get());
}
