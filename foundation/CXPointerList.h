#pragma once

#include "foundation/CXObject.h"
#include "foundation/PointerSlots.h"

// What CXArray (T = void) and CXVector (T = CXObject) share: a growable list of plain pointers
// that doubles its capacity under a load factor (0.75 as a rule) and never deletes its elements.
// Elements are compared by identity.
//
// Note: add(list) appends the other list's elements; to store a list as an element, pass it as
// T*.
template <typename T>
class CXPointerList : public CXObject {
public:
    // A size below 1 is taken as 1; a load factor outside (0, 1) as 0.75.
    CXPointerList(int size, float loadFactor) : slots_(size, loadFactor) {}
    CXPointerList(const CXPointerList&) = delete;
    CXPointerList& operator=(const CXPointerList&) = delete;

    virtual void add(T* element) { slots_.add(element); }
    virtual void add(CXPointerList* other)
    {
        if (other != nullptr)
            slots_.addAll(other->slots_);
    }
    // The first slot holding `old` gets the replacement; false when `old` is absent.
    virtual bool replace(const T* old, T* replacement) { return slots_.replace(old, replacement); }
    virtual void remove(const T* element) { slots_.remove(element); }
    // Ignored outside [0, count).
    virtual void removeAt(int index) { slots_.removeAt(index); }
    virtual int find(const T* element) const { return slots_.find(element); }
    virtual bool contains(const T* element) const { return slots_.find(element) != -1; }
    // Count becomes 0; the elements are not touched.
    virtual void removeAll() { slots_.removeAll(); }

    int getSize() const { return slots_.count(); }
    bool isEmpty() const { return slots_.count() == 0; }
    int getCapacity() const { return slots_.capacity(); }
    float getLoadFactor() const { return slots_.loadFactor(); }
    int indexOf(const T* element) const { return find(element); }

protected:
    virtual void doubleSize() { slots_.doubleSize(); }

    foundation::PointerSlots slots_;
};
