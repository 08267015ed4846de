#pragma once

#include "script/CMC_Runner.h"

// The runner of the script loader: LOAD (into the container running the line, which the loader
// keeps as its container) and RELEASE (in the loader's container).
class CMC_CNVLoader_Runner : public CMC_Runner {
public:
    enum Method {
        LOAD = 1,
        RELEASE = 2,
    };

    void prepareMthHashSet() override;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
    using CMC_Runner::run;
};
