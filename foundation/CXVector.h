#pragma once

#include "foundation/CXPointerList.h"

// A growable array of CXObject pointers (see CXPointerList).
class CXVector : public CXPointerList<CXObject> {
public:
    explicit CXVector(int size = 101, float loadFactor = 0.75f);

    // Only within [0, count); returns the previous element, null elsewhere.
    virtual CXObject* setAt(int index, CXObject* element);
    // An index outside [0, count] is clamped to it.
    virtual void insertAt(int index, CXObject* element);
    // Null outside [0, count).
    virtual CXObject* operator[](int index) const;
    // Copies the elements into the target's first slots and sets its count (growing the target
    // when it is too small).
    virtual void copyInto(CXVector* target) const;
    // A plain vector with the same capacity, load factor and pointers.
    CXObject* clone() const override;

    CXObject* at(int index) const { return static_cast<CXObject*>(slots_.element(index)); }
    // setAt without the virtual call, for a plain vector written in a hot loop.
    void store(int index, CXObject* element) { slots_.setElement(index, element); }
};
