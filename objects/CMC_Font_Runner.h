#pragma once

#include "script/CMC_Runner.h"

// The runner of FONT objects: the colour of every font, and the labels and height of the
// collection.
class CMC_Font_Runner : public CMC_Runner {
public:
    enum Method {
        SETCOLOR = 1,
        SETSTYLE = 2,
        SETFAMILY = 3,
        SETSIZE = 4,
        GETHEIGHT = 5,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    // Other identifiers, or an object of another type or without a collection, go to the common
    // methods.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
