#pragma once

#include "objects/CMC_Media_Runner.h"

// The runner of MOVIE objects: loading another file, placing the picture, playing, stopping,
// pausing, resuming, seeking in milliseconds and looping a range of milliseconds.
class CMC_Movie_Runner : public CMC_Media_Runner {
public:
    enum Method {
        LOAD = 1,
        SETPOSITION = 2,
        PLAY = 3,
        STOP = 4,
        SETLOOP = 5,
        SEEK = 6,
        ISPLAYING = 7,
        PAUSE = 8,
        RESUME = 9,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
