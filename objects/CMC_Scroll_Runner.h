#pragma once

#include "script/CMC_Runner.h"

// The runner of SCROLL objects: pictures listed by name, scrolled, the viewport set and moved,
// everything moved, clipping done again. None of its methods answers a value.
class CMC_Scroll_Runner : public CMC_Runner {
public:
    enum Method {
        ADD = 1,
        REMOVE = 2,
        SCROLLUP = 3,
        SCROLLDOWN = 4,
        SCROLLLEFT = 5,
        SCROLLRIGHT = 6,
        SETVIEWPORT = 7,
        MOVEVIEWPORT = 8,
        MOVE = 9,
        INVALIDATE = 10,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type, go to the common methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
