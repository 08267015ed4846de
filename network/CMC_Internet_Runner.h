#pragma once

#include "script/CMC_Runner.h"

// The runner of INTERNET objects: downloads, package unpacking and download progress.
class CMC_Internet_Runner : public CMC_Runner {
public:
    enum Method {
        GET = 1,
        EXTRACT = 2,
        GETPROGRESS = 3,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
