#pragma once

class CPlayable;

// Told by a playable when it starts, shows its next step, finishes or resumes (CPlayable::notify).
// The answer of the last observer told becomes the answer of the notification; every default
// answers false.
class CPlayableObserver {
public:
    virtual ~CPlayableObserver() = default;
    virtual bool onPlayableStarted(CPlayable* playable) { return false; }
    virtual bool onPlayableTick(CPlayable* playable) { return false; }
    virtual bool onPlayableFinished(CPlayable* playable) { return false; }
    virtual bool onPlayableResumed(CPlayable* playable) { return false; }
};
