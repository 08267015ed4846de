#pragma once

#include "script/CMC_ValueVariable.h"

// The DOUBLE value type: a 64-bit double. Its text has five decimals ("1.50000"), "0" for zero.
class CMC_Double : public CMC_ValueVariable<double> {
public:
    explicit CMC_Double(const CXString& name);
    CMC_Double(const CXString& name, int poolIndex);
    // Named "temp"; value and default both `value`.
    explicit CMC_Double(double value);
    CMC_Double(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Double() override;

    // Stores without counting as a change, except a not-a-number value, which never equals
    // itself.
    void setValue(double value);

    void inc() override;
    void dec() override;
    int compare(CMC_Variable* other) override;
    using CMC_Variable::compare;
    CMC_Variable* convert(int type) override;
    // The remainder works on both values truncated to 32-bit integers; by zero it gives 0.
    CMC_Variable* calculate(CMC_Variable* operand, int operation) override;
    int getBufferLen() override;
    void netstore(uint8_t* buffer) override;
    bool netrestore(const uint8_t* buffer, int length) override;
    void fromString(const CXString& text) override;
    CXString toString() const override;
    CXObject* clone() const override;

    // Rounded half away from zero: truncated, then one more toward the sign when the dropped
    // fraction is 0.5 or more.
    static int round(double value);
    // Truncated toward zero as the processor does it: a value outside the 32-bit range (or not a
    // number) gives INT_MIN.
    static int truncate(double value);
};
