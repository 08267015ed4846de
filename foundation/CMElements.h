#pragma once

#include "foundation/CXVector.h"

class CMElement;
class CXString;

// An ordered list of definition elements. An owning list (the one the parser returns) deletes
// its elements with itself; a children list does not. Removing an element deletes it either way.
class CMElements : public CXVector {
public:
    explicit CMElements(bool owns);
    ~CMElements() override;

    bool ownsElements() const { return owns_; }
    // The element at index; null outside [0, count).
    CMElement* getAt(int index) const;
    // The first element of that exact name, or null.
    CMElement* get(const CXString& name) const;
    bool contains(const CXString& name) const { return get(name) != nullptr; }
    using CXVector::contains;

    // Takes the element out (by identity) and deletes it, whatever the list owns.
    void remove(const CXObject* element) override;

protected:
    // Deletes every element without emptying the list.
    void release();

private:
    bool owns_;
};
