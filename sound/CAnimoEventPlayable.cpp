#include "sound/CAnimoEventPlayable.h"

#include "graphics/CAnimo.h"

CAnimoEventPlayable::CAnimoEventPlayable(CWindow* window, CAnimo* animation)
    : CPlayable(window), animation_(animation), loan_(this)
{
    setType(TYPE);
}

CAnimoEventPlayable::CAnimoEventPlayable(CWindow* window, CMC_Object* owner) : CAnimoEventPlayable(window, static_cast<CAnimo*>(nullptr))
{
    animation_ = loan_.borrow(owner);
}

CAnimoEventPlayable::CAnimoEventPlayable(CWindow* window, std::unique_ptr<CAnimo> animation)
    : CAnimoEventPlayable(window, animation.get())
{
    own_ = std::move(animation);
}

CAnimoEventPlayable::~CAnimoEventPlayable()
{
    loan_.end();
    if (CAnimo* animation = animation_.get())
        animation->removeNotifier(this);
}

void CAnimoEventPlayable::substAnimation(CAnimo* animation)
{
    CAnimo* old = animation_.get();
    if (old == animation)
        return;
    if (old != nullptr)
        old->removeNotifier(this);
    animation_ = animation;
    if (old != nullptr && old == own_.get())
        own_.reset();
}

void CAnimoEventPlayable::play()
{
    notify(Started);
    CAnimo* animation = animation_.get();
    if (animation == nullptr)
        return;
    animation->SetCurrentEvent(event_);
    animation->play();
    animation->addNotifier(this);
}

void CAnimoEventPlayable::stop(bool notify)
{
    setStatus(0);
    CAnimo* animation = animation_.get();
    if (animation == nullptr)
        return;
    // With notify the animation's end report reaches this one first, which passes it on.
    animation->stop(notify);
    animation->removeNotifier(this);
}

void CAnimoEventPlayable::pause()
{
    if (CAnimo* animation = animation_.get())
        animation->pause();
}

void CAnimoEventPlayable::resume()
{
    if (CAnimo* animation = animation_.get())
        animation->resume();
}

bool CAnimoEventPlayable::isPlaying() const
{
    CAnimo* animation = animation_.get();
    return animation != nullptr && animation->isPlaying();
}

bool CAnimoEventPlayable::isVisible() const
{
    CAnimo* animation = animation_.get();
    return animation != nullptr ? animation->isVisible() : CPlayable::isVisible();
}

void CAnimoEventPlayable::setVisibility(bool visible)
{
    CPlayable::setVisibility(visible);
    if (CAnimo* animation = animation_.get())
        animation->setVisibility(visible);
}

bool CAnimoEventPlayable::onPlayableFinished(CPlayable* playable)
{
    CAnimo* animation = animation_.get();
    if (playable == nullptr || playable != animation)
        return false;
    animation->removeNotifier(this);
    notify(Finished);
    return false;
}
