#pragma once

#include "script/CMC_ValueVariable.h"

// The INTEGER value type: a 32-bit integer whose arithmetic wraps. Its text is the decimal
// number.
class CMC_Integer : public CMC_ValueVariable<int> {
public:
    explicit CMC_Integer(const CXString& name);
    CMC_Integer(const CXString& name, int poolIndex);
    // Named "temp"; value and default both `value`.
    explicit CMC_Integer(int value);
    CMC_Integer(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Integer() override;

    // Stores without counting as a change (ONBRUTALCHANGED only).
    void setValue(int value);

    void inc() override;
    void dec() override;
    int compare(CMC_Variable* other) override;
    using CMC_Variable::compare;
    CMC_Variable* convert(int type) override;
    // Division and remainder by zero give 0; the quotient INT_MIN / -1 wraps to INT_MIN.
    CMC_Variable* calculate(CMC_Variable* operand, int operation) override;
    // Stores what calculate gives with an integer operand (an operation of ADD to REMAINDER), as
    // set of its result would, without the temporary.
    void applyInteger(int operand, int operation);
    int getBufferLen() override;
    void netstore(uint8_t* buffer) override;
    bool netrestore(const uint8_t* buffer, int length) override;
    void fromString(const CXString& text) override;
    CXString toString() const override;
    CXObject* clone() const override;

    static int divide(int a, int b);
    static int remainder(int a, int b);
    // ADD to REMAINDER of two integers.
    static int applied(int mine, int theirs, int operation);
};
