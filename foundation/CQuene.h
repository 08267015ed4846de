#pragma once

#include "foundation/CXArray.h"

// A queue of untyped pointers. A plain CQuene gives its elements back oldest first.
class CQuene : public CXArray {
public:
    CQuene() : CXArray(101, 0.75f) {}

    virtual void push(void* element) { add(element); }
    // Null when empty.
    virtual void* pop() { return slots_.takeFirst(); }
};
