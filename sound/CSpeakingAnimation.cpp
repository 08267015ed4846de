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
    : CAnimoDriver(window), resources_(resources)
{
    setType(TYPE);
}

CSpeakingAnimation::~CSpeakingAnimation()
{
    dropSound();
}

// ---- media -----------------------------------------------------------------------------------

void CSpeakingAnimation::setAnimation(const CXString& name)
{
    if (borrowAnimation(name))
        return;
    bool made = false;
    CAnimo* animation = CSequenceMedia::animation(getWindow(), resources_, name, &made);
    useAnimation(animation, made && resources_ == nullptr);
    CRefreshScreen* screen = getWindow() != nullptr ? getWindow()->GetRefreshScreenInterface() : nullptr;
    // A one-pixel placeholder some games give their silent talkers; it is never shown.
    if (screen != nullptr && !name.equalsIgnoreCase("PIXEL.ANN"))
        screen->put(animation, PRIORITY);
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
    CAnimo* animation = getAnimation();
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
    CAnimo* animation = getAnimation();
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
    CAnimo* animation = getAnimation();
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
    if (playable == getAnimation()) {
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
    CAnimo* animation = getAnimation();
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
    if (CAnimo* animation = getAnimation())
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
    if (CAnimo* animation = getAnimation())
        animation->stop(notify);
    if (notify)
        CPlayable::notify(Finished);
}

void CSpeakingAnimation::pause()
{
    if (CSound4* sound = sound_.get())
        sound->pause();
    if (CAnimo* animation = getAnimation())
        animation->pause();
    if ((getStatus() & StatusPlaying) != 0)
        setStatus(StatusPlaying | StatusPaused);
}

void CSpeakingAnimation::resume()
{
    if (CSound4* sound = sound_.get())
        sound->resume();
    if (CAnimo* animation = getAnimation())
        animation->resume();
    setStatus(getStatus() & ~StatusPaused);
}

bool CSpeakingAnimation::isPlaying() const
{
    CSound4* sound = sound_.get();
    CAnimo* animation = getAnimation();
    return (sound != nullptr && sound->isPlaying()) || (animation != nullptr && animation->isPlaying());
}

// ---- place, look and sound settings ----------------------------------------------------------

void CSpeakingAnimation::move(int dx, int dy)
{
    if (CAnimo* animation = getAnimation())
        animation->move(dx, dy);
}

void CSpeakingAnimation::setPosition(int x, int y)
{
    CAnimo* animation = getAnimation();
    if (animation == nullptr)
        return;
    animation->Invalidate();
    animation->setPosition(x, y);
    animation->Invalidate();
}

void CSpeakingAnimation::alwaysOnTop()
{
    if (CAnimo* animation = getAnimation())
        animation->alwaysOnTop();
}

void CSpeakingAnimation::passOn(void (CPlayable::*setter)(int), int value)
{
    if (CSound4* sound = sound_.get())
        (sound->*setter)(value);
    if (CAnimo* animation = getAnimation())
        (animation->*setter)(value);
}

void CSpeakingAnimation::setVolume(int volume)
{
    CPlayable::setVolume(volume);
    passOn(&CPlayable::setVolume, volume);
}

void CSpeakingAnimation::setPanning(int panning)
{
    CPlayable::setPanning(panning);
    passOn(&CPlayable::setPanning, panning);
}

void CSpeakingAnimation::setFrequency(int frequency)
{
    CPlayable::setFrequency(frequency);
    passOn(&CPlayable::setFrequency, frequency);
}
