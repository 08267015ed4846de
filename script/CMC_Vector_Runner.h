#pragma once

#include "script/CMC_Runner.h"

class CMC_Vector;

// The methods of VECTOR objects. A "vector" argument is a VECTOR object, passed itself or by
// name; an argument that names none is skipped.
class CMC_Vector_Runner : public CMC_Runner {
public:
    enum Method {
        ADD = 1,
        GET = 2,
        GETSIZE = 3,
        VMUL = 4,
        SMUL = 5,
        MUL = 6,
        LEN = 7,
        NORMALIZE = 8,
        REFLECT = 9,
        EXPAND = 10,
        SET = 11,
        ASSIGN = 12,
        SUB = 13,
        NEG = 14,
    };

    void prepareMthHashSet() override;
    using CMC_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

private:
    CMC_Vector* vectorArgument(CXVector* arguments, int index, CMC_ObjectsContainer* container);
    void set(CMC_Vector* vector, CXVector* arguments, CMC_ObjectsContainer* container);
};
