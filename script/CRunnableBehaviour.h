#pragma once

class CMC_Object;
class CXArray;

// What signal handlers and containers need from a BEHAVIOUR object: the behaviour class implements
// it beside its CMC_Object base. A handler whose behaviour does not offer it (a placeholder left by
// loading, an object of another type bound by name) is skipped when its signal is raised.
class CRunnableBehaviour {
public:
    virtual ~CRunnableBehaviour() = default;

    // Runs the lines with `object` as THIS and `parameters` as $1, $2 ...; true when a BREAK ended
    // the run. With checkCondition the behaviour's guarding condition is tested first.
    virtual bool run(CMC_Object* object, CXArray* parameters, bool checkCondition) = 0;
    // Finds the condition object the behaviour names, once the container's objects exist.
    virtual void resolveCondition() = 0;
};
