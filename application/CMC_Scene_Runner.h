#pragma once

#include "application/CMC_TreeRunner.h"

class CMC_Groupped;
class CMC_Scene;
class CWindow;

// The runner of SCENE objects: music, pausing and resuming the whole game (animations, sounds,
// music and the software timers), the hot-spot priority band, queries of what plays or runs,
// objects made, removed and run by name. Every method works on the scene it was called on, which
// is also where names are looked up.
//
// The pause is the runner's own state, so it is shared by every scene and outlives scene changes.
class CMC_Scene_Runner : public CMC_TreeRunner {
public:
    enum Method {
        STARTMUSIC = 1,
        STOPMUSIC = 2,
        GETDRAGGEDNAME = 3,
        GETPLAYINGSEQ = 4,
        RUN = 5,
        RUNCLONES = 6,
        CREATEOBJECT = 7,
        REMOVE = 8,
        REMOVECLONES = 9,
        SETMUSICVOLUME = 16,
        GETMUSICVOLUME = 17,
        SETMUSICPAN = 18,
        SETMUSICFREQ = 19,
        PAUSE = 20,
        RESUME = 21,
        SETMINHSPRIORITY = 22,
        SETMAXHSPRIORITY = 23,
        GETELEMENTSNO = 24,
        TOTIME = 25,
        ISPAUSED = 26,
        GETPLAYINGANIMO = 27,
        RESUMEONLY = 28,
        GETMINHSPRIORITY = 29,
        GETMAXHSPRIORITY = 30,
        GETRUNNINGTIMER = 31,
        GETOBJECTS = 32,
        RESUMESEQONLY = 33,
    };

    // A game left while paused gives the process its running timers back.
    ~CMC_Scene_Runner() override;

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    bool isPaused() const { return paused_; }

    // The music scales of scripts: volume 800 is full and each step is 4 hundredths of a decibel
    // (25 and below are silence); pan 400 is the centre and each step is 2 hundredths of a decibel.
    static int musicVolumeOf(int scriptVolume);
    static int scriptVolumeOf(int musicVolume);
    static int musicPanOf(int scriptPan);
    // Minutes and seconds as "mmss" (more digits of minutes when there are more).
    static CXString toTime(int seconds);

private:
    CMC_Variable* runMediaMethod(int id, CMC_Scene* scene, CXVector* arguments);
    CMC_Variable* runObjectMethod(int id, CMC_Scene* scene, CXVector* arguments);
    // Animations, sounds and music stop; the software timers too unless kept running.
    void pauseGame(CWindow* window, bool keepTimers);
    // Animations (with onlyGroup only the group's), sounds and music go on; the software timers
    // too when asked.
    void resumeGame(CWindow* window, bool onlyGroup, CMC_Groupped* group, bool resumeTimers);
    void runClones(CMC_Scene* scene, CXVector* arguments);
    void removeClones(CMC_Scene* scene, CXVector* arguments);
    // Takes the object out of the scene and deletes it, telling it done first when asked. The
    // application tree's own objects are never deleted this way.
    static void deleteFromScene(CMC_Scene* scene, CMC_Object* object, bool tellDone);
    // The scene's object of the name argument `index` gives, as that kind; null when none.
    template <class Kind>
    Kind* namedArgument(CMC_Scene* scene, CXVector* arguments, int index);

    bool paused_ = false;
};
