#pragma once

#include "script/CMC_Runner.h"

class CMC_Array;
class CPlayable;

// The runner of SEQUENCE objects: playing events (with a parameter built from an array), stopping,
// pausing, showing, sound settings, and what plays and was played.
class CMC_Sequence_Runner : public CMC_Runner {
public:
    enum Method {
        PLAY = 1,
        STOP = 2,
        PAUSE = 3,
        RESUME = 4,
        SHOW = 5,
        HIDE = 6,
        ISPLAYING = 7,
        SETVOLUME = 8,
        SETPAN = 9,
        SETFREQ = 10,
        GETEVENTNAME = 11,
        GETPLAYING = 12,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    // The event's parameter template with each "x" or "X" replaced, in order, by the child
    // character of the next array value; only places below the array's size are looked at.
    static CXString fillTemplate(const CXString& pattern, CMC_Array* values);

private:
    void play(CPlayable* sequence, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* eventName(CPlayable* sequence, CXVector* arguments);
};
