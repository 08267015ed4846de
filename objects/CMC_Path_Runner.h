#pragma once

#include "script/CMC_Runner.h"

// The runner of PATH objects: nodes added, read by index and counted; DENSITY set and read.
class CMC_Path_Runner : public CMC_Runner {
public:
    enum Method {
        ADD = 1,
        GETNODE = 2,
        GETSIZE = 3,
        SETPROPERTY = 4,
        GETPROPERTY = 5,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods. GETNODE answers
    // the empty text outside the nodes and for an empty entry; GETPROPERTY answers nothing for a
    // name other than "DENSITY".
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
