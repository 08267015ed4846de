#pragma once

#include "script/CMC_Runner.h"

class CMC_Structure;

// The runner of STRUCTURE objects: SET (from another structure, or one value per field),
// SETFIELD and GETFIELD. GETFIELD gives a copy of the field's value, so changing the result leaves
// the field as it was.
class CMC_Structure_Runner : public CMC_Runner {
public:
    enum Method {
        SET = 1,
        SETFIELD = 2,
        GETFIELD = 3,
    };

    void prepareMthHashSet() override;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
    using CMC_Runner::run;

private:
    void setAll(CMC_Structure* structure, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* getField(CMC_Structure* structure, CXVector* arguments);
};
