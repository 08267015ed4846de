#pragma once

#include "foundation/CXVector.h"

// A queue of CXObject pointers. A plain CXQuene gives its elements back oldest first.
class CXQuene : public CXVector {
public:
    CXQuene() : CXVector(101, 0.75f) {}

    virtual void push(CXObject* element) { add(element); }
    // Null when empty.
    virtual CXObject* pop() { return static_cast<CXObject*>(slots_.takeFirst()); }
};
