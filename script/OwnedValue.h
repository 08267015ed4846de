#pragma once

#include "script/CMC_Variable.h"

namespace script {

// A copy of the value that the caller owns: the variable's clone. Null for no value, or for a
// value whose type makes no copy.
inline CMC_Variable* ownedCopy(CMC_Variable* value)
{
    if (value == nullptr)
        return nullptr;
    CXObject* copy = value->clone();
    auto* variable = dynamic_cast<CMC_Variable*>(copy);
    if (variable == nullptr)
        delete copy;
    return variable;
}

// A private copy of an operand that is applied to many values in a row. A pooled argument is
// given back to its pool by the first conversion, and a long run of temporaries could lend its
// slot again before the last value is reached; the copy keeps the operand as it was given.
class OperandCopy {
public:
    explicit OperandCopy(CMC_Variable* value) : copy_(ownedCopy(value)), value_(copy_ != nullptr ? copy_ : value) {}
    ~OperandCopy() { CMC_Object::destroy(copy_); }
    OperandCopy(const OperandCopy&) = delete;
    OperandCopy& operator=(const OperandCopy&) = delete;

    CMC_Variable* get() const { return value_; }

private:
    CMC_Variable* copy_;
    CMC_Variable* value_;
};

} // namespace script
