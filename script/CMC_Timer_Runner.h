#pragma once

#include "script/CMC_Runner.h"

// The runner of TIMER objects: enabling, pausing, resetting, the tick count, the limit and the
// period.
class CMC_Timer_Runner : public CMC_Runner {
public:
    enum Method {
        ENABLE = 1,
        DISABLE = 2,
        PAUSE = 3,
        RESUME = 4,
        GETTICKS = 5,
        RESET = 6,
        SET = 7,
        SETELAPSE = 8,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
