#pragma once

#include "script/CMC_Runner.h"

// The runner of GRBUFFER objects: stamps made, drawn, undone, forgotten and found by index.
class CMC_GrBuffer_Runner : public CMC_Runner {
public:
    enum Method {
        CREATE = 1,
        DRAW = 2,
        UNDO = 3,
        FLUSH = 4,
        FLUSHALL = 5,
        FINDAT = 6,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
