#pragma once

#include "script/CMC_Object.h"

#include <cstdint>
#include <memory>

class CXArray;

// What CONDITION and COMPLEXCONDITION share: a test (valid) and the two signals a test raises,
// ONRUNTIMESUCCESS when it holds and ONRUNTIMEFAILED when it does not. Only the first handler of
// each bound from the definition is run; handlers attached later by script methods are not, and a
// handler removed since is not run either. Conditions have no runner of their own: the factory's
// condition runner serves both types.
class CMC_BasicCondition : public CMC_Object {
public:
    CMC_BasicCondition(const CXString& name, int type);
    // The object part from the definition, its handlers, then the two handlers noted.
    CMC_BasicCondition(CMC_ObjectsContainer* container, CMElement* definition, int type);

    // Tests the condition; with raiseSignals, runs the success or the failure handler.
    virtual bool valid(bool raiseSignals) = 0;

    CXString** getBehavioursList() override;

protected:
    // Runs the success or failure handler noted at construction, with this condition as its object.
    void raiseResult(bool result);

private:
    struct NotedHandler {
        CXString key;
        const void* entry = nullptr;
        uint64_t serial = 0;
    };
    void note(NotedHandler& handler, const char* key);
    void runNoted(const NotedHandler& handler);

    NotedHandler success_;
    NotedHandler failure_;
};
