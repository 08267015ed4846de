#include "graphics/CGraphicsRef.h"

#include "graphics/CGraphicsObject.h"

#include <utility>

CGraphicsRef::CGraphicsRef(CGraphicsObject* object, std::function<void()> whenGone) : whenGone_(std::move(whenGone))
{
    reset(object);
}

CGraphicsRef::~CGraphicsRef()
{
    reset();
}

void CGraphicsRef::reset(CGraphicsObject* object)
{
    if (object_ != nullptr)
        object_->removeInvalidateObserver(this);
    object_ = object;
    if (object_ != nullptr)
        object_->addInvalidateObserver(this);
}

void CGraphicsRef::onDestroy(CGraphicsObject* object)
{
    if (object != object_)
        return;
    object_ = nullptr;
    if (whenGone_)
        whenGone_();
}
