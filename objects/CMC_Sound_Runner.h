#pragma once

#include "script/CMC_Runner.h"

// The runner of SOUND objects: playing, stopping, pausing and resuming the sound, loading another
// file into it, and its volume, panning and frequency on the scripts' scales.
class CMC_Sound_Runner : public CMC_Runner {
public:
    enum Method {
        PLAY = 1,
        STOP = 2,
        PAUSE = 3,
        RESUME = 4,
        LOAD = 7,
        SETVOLUME = 8,
        SETPAN = 9,
        SETFREQ = 10,
        ISPLAYING = 11,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type or without a sound, go to the common
    // methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
