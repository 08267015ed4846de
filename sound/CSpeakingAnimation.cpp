#include "sound/CSpeakingAnimation.h"

#include "foundation/CResourcesManager.h"
#include "foundation/CXRandom.h"
#include "graphics/CAnimo.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "sound/CSceneMediaLink.h"
#include "sound/CSequenceMedia.h"
#include "sound/CSound4.h"

CSpeakingAnimation::CSpeakingAnimation(CWindow* window, CResourcesManager* resources)
    : CPlayable(window), resources_(resources), loan_(this)
{
    setType(TYPE);
}

CSpeakingAnimation::~CSpeakingAnimation()
{
    dropAnimation();
    dropSound();
}

// ---- media -----------------------------------------------------------------------------------

void CSpeakingAnimation::setAnimation(const CXString& name)
{
    dropAnimation();
    if (CAnimo* lent = loan_.borrow(getWindow(), name)) {
        animation_ = lent;
        return;
    }
    bool made = false;
    CAnimo* animation = CSequenceMedia::animation(getWindow(), resources_, name, &made);
    if (made && resources_ == nullptr)
        ownAnimation_.reset(animation);
    animation_ = animation;
    CRefreshScreen* screen = getWindow() != nullptr ? getWindow()->GetRefreshScreenInterface() : nullptr;
    // A one-pixel placeholder some games give their silent talkers; it is never shown.
    if (screen != nullptr && !name.equalsIgnoreCase("PIXEL.ANN"))
        screen->put(animation, PRIORITY);
}

void CSpeakingAnimation::substAnimation(CAnimo* animation)
{
    // The ANIMO that lends its animation calls this while it walks its borrowers: the loan stays
    // (the borrower leaves the object's list when it is deleted), only the animation changes.
    CAnimo* old = animation_.get();
    if (old == animation)
        return;
    if (old != nullptr)
        old->removeNotifier(this);
    animation_ = animation;
    if (old != nullptr && old == ownAnimation_.get())
        ownAnimation_.reset();
    if (animation != nullptr && (getStatus() & StatusPlaying) != 0)
        animation->addNotifier(this);
}

void CSpeakingAnimation::dropAnimation()
{
    if (CAnimo* animation = animation_.get())
        animation->removeNotifier(this);
    loan_.end();
    ownAnimation_.reset();
    animation_.reset();
}

void CSpeakingAnimation::apply(const CXString& name)
{
    dropSound();
    CSceneMediaLink* link = CSceneMediaLink::installed();
    if (CSound4* shared = link != nullptr ? link->findSound(getWindow(), name) : nullptr) {
        sound_ = shared;
        soundShared_ = true;
    } else {
        bool made = false;
        CSound4* sound = CSequenceMedia::sound(getWindow(), resources_, name, &made);
        if (made && resources_ == nullptr)
            ownSound_.reset(sound);
        sound_ = sound;
    }
    setFilename(name);
}

void CSpeakingAnimation::apply(CPlayable* sound)
{
    dropSound();
    // Only a sound speaks; the playable's type says so before it is taken as one.
    sound_ = sound != nullptr && sound->getType() == CSound4::TYPE ? dynamic_cast<CSound4*>(sound) : nullptr;
    soundShared_ = true;
}

void CSpeakingAnimation::dropSound()
{
    CSound4* sound = sound_.get();
    if (sound != nullptr) {
        sound->removeNotifier(this);
        if (!soundShared_ && resources_ != nullptr)
            resources_->remove(static_cast<CSharedMedium*>(sound));
    }
    ownSound_.reset();
    sound_.reset();
    soundShared_ = false;
}

// ---- talking ---------------------------------------------------------------------------------

CXString CSpeakingAnimation::eventName(const char* suffix) const
{
    return prefix_.IsString() ? prefix_ + "_" + suffix : CXString(suffix);
}

bool CSpeakingAnimation::playEvent(const CXString& name)
{
    CAnimo* animation = animation_.get();
    const int event = animation != nullptr ? animation->resolveEventName(name) : -1;
    if (event < 0)
        return false;
    animation->Play(event, 0, 15);
    return animation->IsPlaying() && animation->GetCurrentEvent() == event;
}

bool CSpeakingAnimation::isTalkingEvent(const CXString& name) const
{
    if (!prefix_.IsString())
        return name.IsString() && name.GetAt(0) >= '0' && name.GetAt(0) <= '9';
    const CXString lead = prefix_ + "_";
    if (!name.startsWith(lead))
        return false;
    const CXString rest = name.Right(lead.getLength());
    return !rest.equals("START") && !rest.equals("END") && !rest.equals("STOP");
}

void CSpeakingAnimation::play()
{
    notify(Started);
    started_ = false;
    finishing_ = false;
    CSound4* sound = sound_.get();
    if (sound != nullptr)
        sound->addNotifier(this);
    CAnimo* animation = animation_.get();
    if (animation == nullptr)
        return;
    setStatus(StatusPlaying);
    animation->addNotifier(this);
    if (sound != nullptr) {
        sound->load();
        sound->setVolume(getVolume());
        sound->setPanning(getPanning());
        if (getFrequency() > 0)
            sound->setFrequency(getFrequency());
    }
    // The start event, when there is one, plays first; its end starts the talking.
    if (starting_ && playEvent(eventName("START")))
        return;
    startSound();
    chooseTalkingEvent();
}

void CSpeakingAnimation::startSound()
{
    started_ = true;
    CSound4* sound = sound_.get();
    if (sound == nullptr)
        return;
    // A sound of its own is heard by this one alone; a SOUND object keeps hearing its own.
    if (soundShared_)
        sound->addNotifier(this);
    else
        sound->setNotifier(this);
    sound->play();
}

void CSpeakingAnimation::chooseTalkingEvent()
{
    CSound4* sound = sound_.get();
    CAnimo* animation = animation_.get();
    if (sound == nullptr || !sound->isPlaying() || animation == nullptr) {
        finish();
        return;
    }
    // Without events the speech goes on alone; its end finishes.
    const int count = animation->GetNOE();
    if (count <= 0)
        return;
    int drawn = 0;
    for (int draw = 0; draw < DRAWS; ++draw) {
        drawn = CXRandom::random(count);
        if (isTalkingEvent(animation->GetEventName(drawn)))
            break;
    }
    animation->Play(drawn, 0, 15);
}

bool CSpeakingAnimation::onPlayableFinished(CPlayable* playable)
{
    if (playable == nullptr)
        return false;
    if (playable == animation_.get()) {
        if (!started_)
            startSound();
        if (finishing_)
            finished();
        else
            chooseTalkingEvent();
    } else if (playable == sound_.get()) {
        finish();
    }
    return false;
}

void CSpeakingAnimation::finish()
{
    finishing_ = true;
    CAnimo* animation = animation_.get();
    if (animation != nullptr && animation->isPlaying() && animation->isVisible()) {
        animation->stop(false);
        // The closing event's end finishes.
        if (ending_ && (playEvent(eventName("END")) || playEvent(eventName("STOP"))))
            return;
    }
    finished();
}

void CSpeakingAnimation::finished()
{
    stop(false);
    notify(Finished);
}

void CSpeakingAnimation::leaveMedia()
{
    if (CAnimo* animation = animation_.get())
        animation->removeNotifier(this);
    if (CSound4* sound = sound_.get())
        sound->removeNotifier(this);
}

void CSpeakingAnimation::stop(bool notify)
{
    // Left first: the media's own end reports must not start more talking.
    leaveMedia();
    setStatus(0);
    if (CSound4* sound = sound_.get()) {
        if (notify)
            sound->stop(true);
        else
            sound->Stop();
        sound->Flush();
    }
    if (CAnimo* animation = animation_.get())
        animation->stop(notify);
    if (notify)
        CPlayable::notify(Finished);
}

void CSpeakingAnimation::pause()
{
    if (CSound4* sound = sound_.get())
        sound->pause();
    if (CAnimo* animation = animation_.get())
        animation->pause();
    if ((getStatus() & StatusPlaying) != 0)
        setStatus(StatusPlaying | StatusPaused);
}

void CSpeakingAnimation::resume()
{
    if (CSound4* sound = sound_.get())
        sound->resume();
    if (CAnimo* animation = animation_.get())
        animation->resume();
    setStatus(getStatus() & ~StatusPaused);
}

bool CSpeakingAnimation::isPlaying() const
{
    CSound4* sound = sound_.get();
    CAnimo* animation = animation_.get();
    return (sound != nullptr && sound->isPlaying()) || (animation != nullptr && animation->isPlaying());
}

// ---- place, look and sound settings ----------------------------------------------------------

void CSpeakingAnimation::move(int dx, int dy)
{
    if (CAnimo* animation = animation_.get())
        animation->move(dx, dy);
}

void CSpeakingAnimation::setPosition(int x, int y)
{
    CAnimo* animation = animation_.get();
    if (animation == nullptr)
        return;
    animation->Invalidate();
    animation->setPosition(x, y);
    animation->Invalidate();
}

bool CSpeakingAnimation::isVisible() const
{
    CAnimo* animation = animation_.get();
    return animation != nullptr ? animation->isVisible() : CPlayable::isVisible();
}

void CSpeakingAnimation::setVisibility(bool visible)
{
    CPlayable::setVisibility(visible);
    if (CAnimo* animation = animation_.get())
        animation->setVisibility(visible);
}

void CSpeakingAnimation::alwaysOnTop()
{
    if (CAnimo* animation = animation_.get())
        animation->alwaysOnTop();
}

void CSpeakingAnimation::setVolume(int volume)
{
    CPlayable::setVolume(volume);
    if (CSound4* sound = sound_.get())
        sound->setVolume(volume);
    if (CAnimo* animation = animation_.get())
        animation->setVolume(volume);
}

void CSpeakingAnimation::setPanning(int panning)
{
    CPlayable::setPanning(panning);
    if (CSound4* sound = sound_.get())
        sound->setPanning(panning);
    if (CAnimo* animation = animation_.get())
        animation->setPanning(panning);
}

void CSpeakingAnimation::setFrequency(int frequency)
{
    CPlayable::setFrequency(frequency);
    if (CSound4* sound = sound_.get())
        sound->setFrequency(frequency);
    if (CAnimo* animation = animation_.get())
        animation->setFrequency(frequency);
}
