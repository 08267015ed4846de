#pragma once

#include "script/CMC_Runner.h"

class CValueList;

// The runner of the RANDOM object: single draws and batches of draws appended to an array. The
// object itself holds nothing; the numbers come from CXRandom.
class CMC_Rand_Runner : public CMC_Runner {
public:
    enum Method {
        GET = 1,
        GETPLENTY = 2,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    CMC_Variable* get(CXVector* arguments);
    void getPlenty(CMC_ObjectsContainer* container, CXVector* arguments);
    static void appendValues(CValueList* array, const int* values, int count);
};
