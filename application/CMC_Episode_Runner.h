#pragma once

#include "application/CMC_TreeRunner.h"

// The runner of EPISODE objects: moving between the episode's scenes (each change made in the next
// application turn) and the names of its live scene and of the scene it left last.
class CMC_Episode_Runner : public CMC_TreeRunner {
public:
    enum Method {
        NEXT = 1,
        PREV = 2,
        BACK = 3,
        RESTART = 4,
        GOTO = 5,
        GETLATESTSCENE = 6,
        GETCURRENTSCENE = 7,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
