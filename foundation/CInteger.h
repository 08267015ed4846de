#pragma once

#include "foundation/CXObject.h"

// A boxed integer: the usual hash-table value, and a key whose hash is its value.
class CInteger final : public CXObject {
public:
    CInteger() : value_(0) {}
    explicit CInteger(int value) : value_(value) {}
    // The leading number of the text, as CXString::toNumber reads it.
    explicit CInteger(const CXString& text) : value_(text.toNumber()) {}

    void parse(const CXString& text) { value_ = text.toNumber(); }
    // Both wrap at 32 bits.
    void increment();
    void decrement();
    int toInt() const { return value_; }
    int getHashcode() const override { return value_; }
    // True when the other object is a CInteger with the same value.
    bool equals(const CXObject* other) const override;

    using CXObject::toString;
    static CXString toString(int value) { return CXString::toString(value); }

private:
    int value_;
};
