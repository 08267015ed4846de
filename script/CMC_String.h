#pragma once

#include "foundation/CTextHolder.h"
#include "script/CMC_ValueVariable.h"

// The STRING value type: a text of code page 1250 bytes. equals ignores letter case, compare does
// not (a byte-wise order).
class CMC_String : public CMC_ValueVariable<CXString>, public CTextHolder {
public:
    explicit CMC_String(const CXString& name);
    CMC_String(const CXString& name, int poolIndex);
    // Value and default both `text`.
    CMC_String(const CXString& name, const CXString& text);
    CMC_String(CMC_ObjectsContainer* container, CMElement* element);
    ~CMC_String() override;

    // Stores the text; a change when it differs from the old one (letter case counts).
    void setValue(const CXString& text);

    // INC and DEC do nothing to a text.
    void inc() override;
    void dec() override;
    bool equals(CMC_Variable* other) override;
    int compare(CMC_Variable* other) override;
    using CMC_Variable::compare;
    using CMC_Variable::equals;
    CMC_Variable* convert(int type) override;
    // ADD appends the operand's text; the other operations copy this text.
    CMC_Variable* calculate(CMC_Variable* operand, int operation) override;
    int getBufferLen() override;
    void netstore(uint8_t* buffer) override;
    bool netrestore(const uint8_t* buffer, int length) override;
    void fromString(const CXString& text) override;
    CXString toString() const override;
    CXObject* clone() const override;
    CXString getTextValue() const override { return value_; }

    // Lower and upper case, Polish letters included; always a change.
    virtual void lower();
    virtual void upper();
};
