#pragma once

#include "foundation/CXObject.h"

// Three plain pointers, none of them owned.
class CXTriple : public CXObject {
public:
    CXTriple(void* first, void* second, void* third) : first_(first), second_(second), third_(third) {}

    void* getFirst() const { return first_; }
    void* getSecond() const { return second_; }
    void* getThird() const { return third_; }
    void setFirst(void* value) { first_ = value; }
    void setSecond(void* value) { second_ = value; }
    void setThird(void* value) { third_ = value; }
    CXObject* clone() const override { return new CXTriple(first_, second_, third_); }

private:
    void* first_;
    void* second_;
    void* third_;
};
