#pragma once

#include "script/CMC_Runner.h"

#include "foundation/CXString.h"

#include <span>
#include <vector>

class CXArray;

// What the method tables of the application tree (APPLICATION, EPISODE, SCENE) share: the change
// of child by name, the call of another object's method by name, and the parameter texts of the
// behaviours they run.
class CMC_TreeRunner : public CMC_Runner {
public:
    struct MethodName {
        const char* name;
        int id;
    };

protected:
    // The common methods, then the table's own names.
    void putMethods(std::span<const MethodName> methods);
    // Whether the identifier is one of the table's own.
    static bool isOwnMethod(std::span<const MethodName> methods, int id);
    // GOTO: the object's child named by argument 0 is entered at the next turn; no value.
    CMC_Variable* gotoChild(CMC_Object* object, CXVector* arguments);
    // RUN: the object argument 0 names in `names` is given the method argument 1 names, with the
    // arguments from 2 on. A BEHAVIOUR is run directly, for `caller`, for the method "RUN" (or
    // "RUNC", which tests its condition), its letter case ignored when asked. The method's result.
    CMC_Variable* runNamed(CMC_Object* caller, CMC_ObjectsContainer* names, CXVector* arguments, bool ignoreCase);
    // The texts of the arguments' values from `first` on; each argument is released once read.
    std::vector<CXString> argumentTexts(CXVector* arguments, int first);
    // A behaviour's parameter list: new copies of the texts, after `leading` when it is given.
    // Release with CXString::releaseToVector.
    static CXArray* parameterList(const CXString* leading, const std::vector<CXString>& texts);

private:
    // 0 for a plain call, 1 for "RUN", 2 for "RUNC".
    static int behaviourRunOf(const CXString& method, bool ignoreCase);
};
