#pragma once

#include "graphics/CPlayableObserver.h"
#include "script/CMC_Object.h"

class CMElement;
class CSignalList;
class CSound4;
class CWindow;

// The SOUND script object (type 2005): one sound effect (CSound4) of a file in the game's sound
// folder, played, stopped, paused and resumed by scripts. It raises "ONSTARTED" when a play
// starts it, "ONRESUMED" when it plays on after a pause and "ONFINISHED" in the engine turn after
// it ended or was stopped (unless the stop asked for silence); all in the plain form only.
//
// In a scene the sound is shared through the default unit's resources manager by its path (letter
// case ignored), so every SOUND of one file plays, stops and hears the same sound; each object
// gives its use back at done, and the last one's return deletes it. A SOUND outside scenes, or one
// without a file name, owns its sound. Either way the object stops hearing the sound when it lets
// go of it.
//
// The stored record after the common part: the sound's path, PRELOAD and FLUSHAFTERPLAYED.
class CMC_Sound : public CMC_Object, public CPlayableObserver {
public:
    // "ONINIT", "ONDONE", "ONSIGNAL", "ONSTARTED", "ONFINISHED", "ONRESUMED".
    static const CSignalList& signalList();

    // Empty, named "temp", to be restored from the scene archive or made by CREATE.
    explicit CMC_Sound(CMC_ObjectsContainer* container);
    // From a definition: FILENAME, PRELOAD, FLUSHAFTERPLAYED, then the behaviours.
    CMC_Sound(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Sound() override;

    // A scene's object gives its sound back; then ONDONE when it is bound.
    bool done(bool wholeContainer) override;
    CXString** getBehavioursList() override;
    void serialize(CXArchive* archive) override;

    // The sound of the file, a name in the game's sound folder, in place of the one the object
    // had.
    void initSound(const CXString& file);
    // Null before a sound is made, and after done.
    CSound4* getSound() const { return sound_; }

    bool onPlayableStarted(CPlayable* playable) override;
    bool onPlayableFinished(CPlayable* playable) override;
    bool onPlayableResumed(CPlayable* playable) override;

private:
    // The sound of that path: the scene's shared one, else a new one.
    void takeSound(const CXString& path);
    void releaseSound();
    void raise(const char* signal);

    CWindow* window_;
    CSound4* sound_ = nullptr;
    bool preload_ = false;
    bool flushAfterPlayed_ = false;
    // Held through the scene's resources manager.
    bool shared_ = false;
};
