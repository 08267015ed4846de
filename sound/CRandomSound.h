#pragma once

#include "sound/CSound4.h"

#include <memory>
#include <vector>

// A sound whose file name is a list of names separated by ";": each play picks one of them at
// random (CXRandom). The set holds no buffer of its own, never joins the sound manager and never
// changes its own status: the sound picked tells its own observers.
class CRandomSound : public CSound4 {
public:
    // A name without ":" is taken in the window's sound-effects folder, one with ":" as it is.
    CRandomSound(CWindow* window, const CXString& list, bool flushAfterPlayed, bool preload);
    ~CRandomSound() override;

    void Play() override;
    void Play(bool loop) override;
    // Stops the sound last picked.
    void Stop() override;
    bool IsPlaying() const override;
    // Every sound of the set, playing or not.
    void setVolume(int volume) override;
    void setPanning(int panning) override;
    void setFrequency(int frequency) override;

    int getCount() const { return static_cast<int>(sounds_.size()); }
    CSound4* getSound(int index) const { return sounds_[static_cast<size_t>(index)].get(); }
    // The sound last picked; null before the first play.
    CSound4* getCurrent() const { return current_; }

private:
    // Picks the next sound; null for an empty set.
    CSound4* pick();

    std::vector<std::unique_ptr<CSound4>> sounds_;
    CSound4* current_ = nullptr;
};
