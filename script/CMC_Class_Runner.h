#pragma once

#include "script/CMC_Runner.h"

class CMC_Class;

// The runner of CLASS objects and their instances: NEW and DELETE, and every other method name
// runs the instance's behaviour of that name (runClass). The common methods give no value here.
class CMC_Class_Runner : public CMC_Runner {
public:
    enum Method {
        NEW = 1,
        DELETE = 2,
    };

    void prepareMthHashSet() override;
    // NEW and DELETE only.
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
    // A name this runner does not know runs the instance's behaviour of that name.
    CMC_Variable* run(const CXString& name, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;

    // Runs the instance's behaviour of that name with the instance as its object and scene and the
    // arguments' texts as its parameters, without its condition. The result is a pooled copy of
    // "__RETURN__" as the run left it: one that RETURN wrote during the run (in the instance or in
    // the instance's scene), else a "__RETURN__" the instance holds itself. No value when the
    // instance has no such behaviour.
    virtual CMC_Variable* runClass(CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments, const CXString& method);

private:
    CMC_Variable* newInstance(CMC_Class* classObject, CMC_ObjectsContainer* container, CXVector* arguments);
    CMC_Variable* deleteInstance(CMC_ObjectsContainer* container, CXVector* arguments);
    CXArray* parameterTexts(CXVector* arguments);
};
