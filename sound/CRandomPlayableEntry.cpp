#include "sound/CRandomPlayableEntry.h"

#include "foundation/CXRandom.h"
#include "graphics/CAnimo.h"
#include "sound/CRandomPlayable.h"

#include <climits>

CRandomPlayableEntry::CRandomPlayableEntry(CRandomPlayable* owner, CPlayable* playable, double probability, int times,
                                           const CXString& event)
    : owner_(owner), playable_(playable), playableLifetime_(playable->lifetime()), probability_(probability),
      times_(times), event_(event)
{
    playable_->addNotifier(this);
    drawWait();
}

CRandomPlayableEntry::~CRandomPlayableEntry()
{
    if (CPlayable* playable = alive())
        playable->removeNotifier(this);
}

CPlayable* CRandomPlayableEntry::alive() const
{
    return playableLifetime_.expired() ? nullptr : playable_;
}

bool CRandomPlayableEntry::isPlaying()
{
    CPlayable* playable = alive();
    return playable != nullptr && playable->isPlaying();
}

void CRandomPlayableEntry::drawWait()
{
    // Starts per minute, roughly: no start at all for none (or fewer).
    if (!(probability_ > 0.0)) {
        countdown_ = 0;
    } else {
        const double seconds = 60.0 / probability_;
        const int range = seconds >= INT_MAX ? INT_MAX : static_cast<int>(seconds);
        countdown_ = range == INT_MAX ? INT_MAX : CXRandom::random(range) + 1;
    }
    runLength_ = CXRandom::random(times_ - 1);
    count_ = 0;
}

void CRandomPlayableEntry::tick()
{
    if (alive() == nullptr || playable_->isPlaying() || countdown_ <= 0 || --countdown_ != 0)
        return;
    ++count_;
    if (owner_->notify(this, true))
        start();
}

void CRandomPlayableEntry::start()
{
    if (event_.IsString()) {
        playable_->play(event_);
        return;
    }
    // Any event of an animation; one that refuses to play gets a few more draws.
    auto* animation = dynamic_cast<CAnimo*>(playable_);
    if (animation == nullptr || animation->GetNOE() <= 0)
        return;
    constexpr int kAttempts = 10;
    for (int attempt = 0; attempt < kAttempts && !animation->IsPlaying(); ++attempt)
        animation->Play(CXRandom::random(animation->GetNOE()), 0, 15);
}

bool CRandomPlayableEntry::onPlayableFinished(CPlayable* playable)
{
    if (playable != playable_)
        return false;
    if (owner_->notify(this, false) || count_ < runLength_)
        countdown_ = 1;
    else
        drawWait();
    return false;
}
