#pragma once

class CPlayable;

// Told by the random playables when an entry would start by itself and when it has finished; the
// scene unit is the one notifier and keeps both defaults (a start may always go ahead).
class CRandomPlayableNotifier {
public:
    virtual ~CRandomPlayableNotifier() = default;
    // True lets the start go ahead. count: plays so far in the current run, this one included.
    virtual bool onRandomPlayableStarted(CPlayable* playable, int count) { return true; }
    // True makes the entry play again at the next second, whatever its run.
    virtual bool onRandomPlayableFinished(CPlayable* playable, int count) { return false; }
};
