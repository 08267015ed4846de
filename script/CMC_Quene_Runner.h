#pragma once

#include "script/CMC_Runner.h"

// The methods of FIFO and LIFO objects.
class CMC_Quene_Runner : public CMC_Runner {
public:
    enum Method {
        PUSH = 1,
        POP = 2,
        GETSIZE = 3,
        ISEMPTY = 4,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
