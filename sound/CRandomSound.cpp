#include "sound/CRandomSound.h"

#include "foundation/CStringTokenizer.h"
#include "foundation/CXRandom.h"

CRandomSound::CRandomSound(CWindow* window, const CXString& list, bool flushAfterPlayed, bool preload)
    : CSound4(window)
{
    CStringTokenizer names(list, ";");
    while (names.hasMoreTokens()) {
        const CXString name = names.nextToken();
        const CXString path = name.Find(':') >= 0 ? name : fullPathOf(window, name);
        sounds_.push_back(std::make_unique<CSound4>(window, path, flushAfterPlayed, preload));
    }
}

CRandomSound::~CRandomSound() = default;

CSound4* CRandomSound::pick()
{
    if (sounds_.empty())
        return nullptr;
    current_ = sounds_[static_cast<size_t>(CXRandom::random(getCount()))].get();
    return current_;
}

void CRandomSound::Play()
{
    if (CSound4* sound = pick())
        sound->Play();
}

void CRandomSound::Play(bool loop)
{
    if (CSound4* sound = pick())
        sound->Play(loop);
}

void CRandomSound::Stop()
{
    if (current_)
        current_->Stop();
}

bool CRandomSound::IsPlaying() const
{
    return current_ && current_->IsPlaying();
}

void CRandomSound::setVolume(int volume)
{
    for (auto& sound : sounds_)
        sound->setVolume(volume);
    CPlayable::setVolume(volume);
}

void CRandomSound::setPanning(int panning)
{
    for (auto& sound : sounds_)
        sound->setPanning(panning);
    CPlayable::setPanning(panning);
}

void CRandomSound::setFrequency(int frequency)
{
    for (auto& sound : sounds_)
        sound->setFrequency(frequency);
    CPlayable::setFrequency(frequency);
}
