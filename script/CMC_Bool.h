#pragma once

#include "script/CMC_ValueVariable.h"

// The BOOL value type. Its text is "TRUE" or "FALSE"; INC, DEC and SWITCH invert it.
class CMC_Bool : public CMC_ValueVariable<bool> {
public:
    explicit CMC_Bool(const CXString& name);
    // A text is a name, not a value.
    explicit CMC_Bool(const char* name) : CMC_Bool(CXString(name)) {}
    CMC_Bool(const CXString& name, int poolIndex);
    // Named "temp"; value and default both `value`.
    explicit CMC_Bool(bool value);
    CMC_Bool(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_Bool() override;

    // Stores without counting as a change (ONBRUTALCHANGED only).
    void setValue(bool value);

    // Inverts; a and b are not read.
    void swap(CMC_Variable* a, CMC_Variable* b) override;
    void inc() override;
    void dec() override;
    int compare(CMC_Variable* other) override;
    using CMC_Variable::compare;
    CMC_Variable* convert(int type) override;
    // ADD is AND, MUL is OR; the other operations copy this value.
    CMC_Variable* calculate(CMC_Variable* operand, int operation) override;
    int getBufferLen() override;
    void netstore(uint8_t* buffer) override;
    bool netrestore(const uint8_t* buffer, int length) override;
    // BOOL records hold a 32-bit 0 or 1.
    void store(CXArchive* archive) override;
    void restore(CXArchive* archive) override;
    void fromString(const CXString& text) override;
    CXString toString() const override;
    CXObject* clone() const override;

private:
    void invert();
};
