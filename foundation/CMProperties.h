#pragma once

#include "foundation/CMProperty.h"
#include "foundation/CXVector.h"

// The ordered properties of one element. Owns them: removing a property deletes it, and so does
// the destructor. Several properties may share a name; lookups answer the first.
class CMProperties : public CXVector {
public:
    CMProperties();
    ~CMProperties() override;

    // The first property of that exact name, or null.
    CMProperty* get(const CXString& name) const;
    bool contains(const CXString& name) const { return get(name) != nullptr; }
    using CXVector::contains;
    // The property at index; null outside [0, count).
    CMProperty* getAt(int index) const;

    // Takes the property out (by identity) and deletes it; one not in the list is only deleted.
    void remove(const CXObject* property) override;
};
