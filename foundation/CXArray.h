#pragma once

#include "foundation/CXPointerList.h"

// A growable array of untyped pointers (see CXPointerList). Slots beyond the count may be used as
// a sparse table through setAt and operator[].
class CXArray : public CXPointerList<void> {
public:
    explicit CXArray(int size = 101, float loadFactor = 0.75f);

    // Any slot below the capacity (the capacity grows until index fits the load, up to 16M
    // slots); returns the previous content, null for a negative or too large index. Count stays.
    virtual void* setAt(int index, void* element);
    // Moves the elements from index on up one place; an index at or past the count writes that
    // slot. Ignored for a negative or too large index.
    virtual void insertAt(int index, void* element);
    // True when an element holds a text (CTextHolder, such as a script STRING variable) equal to
    // `text` ignoring case. The elements must be CXObject-derived objects or null.
    virtual bool containsString(const CXString& text) const;
    // The element as a string; null outside [0, count).
    virtual CXString* stringAt(int index) const;
    // The slot at index; null outside [0, capacity).
    virtual void* operator[](int index) const;
    // A plain array with the same capacity, load factor and slots.
    CXObject* clone() const override;
};
