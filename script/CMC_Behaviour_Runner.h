#pragma once

#include "script/CMC_Runner.h"

class CMC_Behaviour;
class CXArray;

// The runner of BEHAVIOUR objects: a line calls a behaviour like a procedure (B^RUN(1,2)), with
// or without its condition or in a counted loop, stops a timer-driven behaviour, enables and
// disables it. Results come back through the scene variable "__RETURN__" (statement RETURN).
class CMC_Behaviour_Runner : public CMC_Runner {
public:
    enum Method {
        RUN = 1,
        RUNC = 2,
        RUNLOOPED = 3,
        BREAK = 4,
        ENABLE = 5,
        DISABLE = 6,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    // Deletes every text of a parameter list and the list.
    static void flushParams(CXArray* parameters);

private:
    // The parameter texts of the arguments from `first` on, after `leading` empty places: an
    // argument naming an object other than a plain value becomes that name in double quotes, any
    // other stays as it is. Null when that leaves the list empty.
    CXArray* getParams(CMC_ObjectsContainer* container, CXVector* arguments, int first = 0, int leading = 0);
    CMC_Variable* runOnce(CMC_Behaviour* behaviour, CMC_ObjectsContainer* container, CXVector* arguments, bool checkCondition);
    CMC_Variable* runLooped(CMC_Behaviour* behaviour, CMC_ObjectsContainer* container, CXVector* arguments);
};
