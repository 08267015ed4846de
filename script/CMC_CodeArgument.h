#pragma once

#include "script/CMC_ObjectRef.h"

#include "foundation/CXString.h"

class CMC_Behaviour;
class CMC_Object;
class CMC_ObjectsContainer;
class CXArray;

// The code argument of a statement (IF, WHILE, LOOP, FOR): the container's behaviour the text
// names, or else a behaviour named "temp" made from the text as code, which this argument owns
// and deletes. A behaviour found by name is never deleted; it is held weakly, since the code it
// runs may delete it.
class CMC_CodeArgument {
public:
    CMC_CodeArgument(CMC_ObjectsContainer* container, const CXString& text);
    ~CMC_CodeArgument();
    CMC_CodeArgument(const CMC_CodeArgument&) = delete;
    CMC_CodeArgument& operator=(const CMC_CodeArgument&) = delete;

    // Runs the behaviour; true when the run reported BREAK. False when there is nothing to run
    // (an object of another type, or a named behaviour that has gone).
    bool run(CMC_Object* object, CXArray* parameters, bool checkCondition);
    // The behaviour itself, for running it on itself; null when there is none.
    CMC_Behaviour* behaviour() const;

private:
    CMC_ObjectRef named_;
    CMC_Behaviour* own_ = nullptr;
};
