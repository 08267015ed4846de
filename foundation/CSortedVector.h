#pragma once

#include "foundation/CXVector.h"

// A vector kept in the order of its elements' compare: a new element goes before the first stored
// element whose compare with it is positive, so equal elements keep their insertion order.
class CSortedVector : public CXVector {
public:
    explicit CSortedVector(int size = 101);

    using CXVector::add;
    void add(CXObject* element) override;
    // A new sorted vector holding the elements added from the last to the first: again in compare
    // order, equal elements now in reverse. The caller owns it.
    CSortedVector* reverse() const;
};
