#pragma once

#include "script/CMC_Runner.h"

// The runner of JOYSTICK objects: the buttons and axes as last polled.
class CMC_Joystick_Runner : public CMC_Runner {
public:
    enum Method {
        GETBUTTONSTATE = 1,
        GETPOSITION = 2,
        ISLEFT = 3,
        ISRIGHT = 4,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
