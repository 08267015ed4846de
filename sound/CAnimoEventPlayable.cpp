#include "sound/CAnimoEventPlayable.h"

#include "graphics/CAnimo.h"

CAnimoEventPlayable::CAnimoEventPlayable(CWindow* window, CAnimo* animation) : CAnimoDriver(window)
{
    setType(TYPE);
    useAnimation(animation, false);
}

CAnimoEventPlayable::CAnimoEventPlayable(CWindow* window, CMC_Object* owner) : CAnimoDriver(window)
{
    setType(TYPE);
    borrowAnimation(owner);
}

CAnimoEventPlayable::CAnimoEventPlayable(CWindow* window, std::unique_ptr<CAnimo> animation) : CAnimoDriver(window)
{
    setType(TYPE);
    useAnimation(animation.release(), true);
}

void CAnimoEventPlayable::play()
{
    notify(Started);
    CAnimo* animation = getAnimation();
    if (animation == nullptr)
        return;
    animation->SetCurrentEvent(event_);
    animation->play();
    animation->addNotifier(this);
}

void CAnimoEventPlayable::stop(bool notify)
{
    setStatus(0);
    CAnimo* animation = getAnimation();
    if (animation == nullptr)
        return;
    // With notify the animation's end report reaches this one first, which passes it on.
    animation->stop(notify);
    animation->removeNotifier(this);
}

void CAnimoEventPlayable::pause()
{
    if (CAnimo* animation = getAnimation())
        animation->pause();
}

void CAnimoEventPlayable::resume()
{
    if (CAnimo* animation = getAnimation())
        animation->resume();
}

bool CAnimoEventPlayable::isPlaying() const
{
    CAnimo* animation = getAnimation();
    return animation != nullptr && animation->isPlaying();
}

bool CAnimoEventPlayable::onPlayableFinished(CPlayable* playable)
{
    CAnimo* animation = getAnimation();
    if (playable == nullptr || playable != animation)
        return false;
    animation->removeNotifier(this);
    notify(Finished);
    return false;
}
