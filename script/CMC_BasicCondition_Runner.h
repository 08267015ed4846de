#pragma once

#include "script/CMC_Runner.h"

// The runner of CONDITION and COMPLEXCONDITION objects. It answers only its own three methods
// (the common ones resolve but give no value on a condition). Each takes an optional BOOL telling
// whether the test raises the condition's signals (TRUE when not given).
class CMC_BasicCondition_Runner : public CMC_Runner {
public:
    enum Method {
        CHECK = 1,     // a BOOL holding the test's result
        BREAK = 2,     // when the test holds, BREAK: the behaviour ends and reports true
        ONE_BREAK = 3, // when the test holds, ONEBREAK: the behaviour's run ends
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
