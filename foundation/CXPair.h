#pragma once

#include "foundation/CXObject.h"

// A named pair of plain pointers; it owns only its name.
class CXPair : public CXObject {
public:
    // The name is kept lower-cased; first and second both become value.
    CXPair(const CXString& name, void* value);
    CXPair(void* first, void* second);

    CXString getName() const { return name_; }
    void* getFirst() const { return first_; }
    void setFirst(void* value) { first_ = value; }
    void* getSecond() const { return second_; }
    void setSecond(void* value) { second_ = value; }
    // A pair named "cloned" with the same pointers.
    CXObject* clone() const override;

private:
    CXString name_;
    void* first_;
    void* second_;
};
