#pragma once

#include "script/CMC_Runner.h"

#include <vector>

class CMC_MultiArray;

// The methods of MULTIARRAY objects: coordinates are the leading integer arguments.
class CMC_MultiArray_Runner : public CMC_Runner {
public:
    enum Method {
        SET = 1,
        GET = 2,
        GETSIZE = 3,
        COUNT = 4,
        LOAD = 5,
        SAVE = 6,
        SAFEGET = 7,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    // The first `count` arguments as integers.
    std::vector<int> coordinates(CXVector* arguments, int count);
    // GET and SAFEGET: a pooled copy of the cell's value, else the fallback.
    CMC_Variable* cellValue(CMC_MultiArray* grid, CXVector* arguments, bool safe);
};
