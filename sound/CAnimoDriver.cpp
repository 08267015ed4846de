#include "sound/CAnimoDriver.h"

#include "graphics/CAnimo.h"

CAnimoDriver::CAnimoDriver(CWindow* window) : CPlayable(window), loan_(this) {}

CAnimoDriver::~CAnimoDriver()
{
    dropAnimation();
}

bool CAnimoDriver::borrowAnimation(CMC_Object* animo)
{
    dropAnimation();
    animation_ = loan_.borrow(animo);
    return animation_.get() != nullptr;
}

bool CAnimoDriver::borrowAnimation(const CXString& name)
{
    dropAnimation();
    animation_ = loan_.borrow(getWindow(), name);
    return animation_.get() != nullptr;
}

void CAnimoDriver::useAnimation(CAnimo* animation, bool own)
{
    dropAnimation();
    animation_ = animation;
    if (own)
        own_.reset(animation);
}

void CAnimoDriver::dropAnimation()
{
    if (CAnimo* animation = animation_.get())
        animation->removeNotifier(this);
    loan_.end();
    own_.reset();
    animation_.reset();
}

void CAnimoDriver::substAnimation(CAnimo* animation)
{
    // Called by the lending object while it walks its borrowers: the loan is left alone.
    CAnimo* old = animation_.get();
    if (old == animation)
        return;
    const bool heard = old != nullptr && old->getNotifiers()->contains(static_cast<CPlayableObserver*>(this));
    if (old != nullptr)
        old->removeNotifier(this);
    animation_ = animation;
    if (old != nullptr && old == own_.get())
        own_.reset();
    if (heard && animation != nullptr)
        animation->addNotifier(this);
}

bool CAnimoDriver::isVisible() const
{
    CAnimo* animation = animation_.get();
    return animation != nullptr ? animation->isVisible() : CPlayable::isVisible();
}

void CAnimoDriver::setVisibility(bool visible)
{
    CPlayable::setVisibility(visible);
    if (CAnimo* animation = animation_.get())
        animation->setVisibility(visible);
}
