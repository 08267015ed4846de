#pragma once

#include "script/CMC_Runner.h"

// The runner of FILTER objects: the effect's parameters set by name, pictures linked, unlinked,
// started, stopped and asked whether they run. Object names are looked up in the calling
// container; a name that gives no picture makes the method do nothing (ISRUNNING: false).
class CMC_Filter_Runner : public CMC_Runner {
public:
    enum Method {
        SETPROPERTY = 1,
        LINK = 2,
        UNLINK = 3,
        START = 4,
        STOP = 5,
        ISRUNNING = 6,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
