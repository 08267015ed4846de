#pragma once

#include "graphics/CPlayableRef.h"
#include "sound/CAnimoDriver.h"

#include <memory>

class CResourcesManager;
class CSound4;

// Makes a character talk: while its speech sound plays it keeps playing talking events of an
// animation chosen at random, and it can open with a start event and close with an end (or stop)
// event. With a prefix P the events are P_START, P_END, P_STOP and the talking ones P_ followed
// by anything else; without one START, END, STOP and the events whose names begin with a digit.
//
// The animation is an ANIMO object's (borrowed from the live scene by name) or a file animation
// shared through the resources manager and shown at priority 1000 ("PIXEL.ANN" is never shown);
// the speech is a SOUND object's, another playable's, or a file sound shared the same way. Media
// made without a manager are its own. Main thread only.
class CSpeakingAnimation : public CAnimoDriver {
public:
    static constexpr int TYPE = 5;
    // The screen priority of file animations.
    static constexpr int PRIORITY = 1000;
    // Draws of a talking event before the last one drawn plays whatever it is.
    static constexpr int DRAWS = 10000;

    CSpeakingAnimation(CWindow* window, CResourcesManager* resources);
    ~CSpeakingAnimation() override;

    void setOnlyEvents(bool onlyEvents) { onlyEvents_ = onlyEvents; }
    void setStarting(bool starting) { starting_ = starting; }
    void setEnding(bool ending) { ending_ = ending; }
    void setPrefix(const CXString& prefix) { prefix_ = prefix; }
    CSound4* getSound() const { return sound_.get(); }

    // The animation of the live scene's ANIMO of that name, else the animation file of that name.
    void setAnimation(const CXString& name);
    // The sound of the live scene's SOUND of that name, else the sound file of that path; the
    // file name becomes `name`.
    void apply(const CXString& name);
    // A sound another owner holds; any other playable leaves the speaking animation silent.
    void apply(CPlayable* sound);

    using CPlayable::play;
    void play() override;
    void stop(bool notify) override;
    void pause() override;
    void resume() override;
    // The sound or the animation plays.
    bool isPlaying() const override;
    void seek(int position) override {}
    // The end of the animation's event or of the sound.
    bool onPlayableFinished(CPlayable* playable) override;

    using CPlayable::move;
    void move(int dx, int dy) override;
    using CPlayable::setPosition;
    void setPosition(int x, int y) override;
    void alwaysOnTop() override;
    // Kept, and given to the sound and the animation.
    void setVolume(int volume) override;
    void setPanning(int panning) override;
    void setFrequency(int frequency) override;

private:
    CXString eventName(const char* suffix) const;
    // Plays the event by name; whether the animation now plays it.
    bool playEvent(const CXString& name);
    bool isTalkingEvent(const CXString& name) const;
    void startSound();
    void chooseTalkingEvent();
    void finish();
    void finished();
    void leaveMedia();
    // The setting goes to the sound and the animation.
    void passOn(void (CPlayable::*setter)(int), int value);
    // Lets the sound go: an own one is deleted or given back to the manager.
    void dropSound();

    CResourcesManager* resources_;
    CPlayableRef<CSound4> sound_;
    std::unique_ptr<CSound4> ownSound_;
    bool soundShared_ = false;
    bool onlyEvents_ = false;
    bool started_ = false;
    bool finishing_ = false;
    bool starting_ = false;
    bool ending_ = false;
    CXString prefix_;
};
