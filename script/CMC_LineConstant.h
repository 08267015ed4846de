#pragma once

#include "foundation/CXString.h"
#include "script/CMC_LineText.h"
#include "script/CMC_ObjectRef.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Owned.h"
#include "script/CMC_Variable.h"

#include <cstdint>
#include <memory>

// What a bare name or a literal stands for in behaviour code ("A", "12", "TRUE", "\"x\""): the
// variable the text named when the line was parsed (held weakly), else the container's variable of
// that name now, else the literal. The literal is a variable of the line's own, made when it is
// first needed (most lines of a large script never run) and passed as it is rather than as a fresh
// temporary; after a call that may have changed it, restore gives it back its parsed value.
class CMC_LineConstant {
public:
    // `text` is the piece as written; the variable it names is looked up in `owner` (may be null).
    CMC_LineConstant(CMC_ObjectsContainer* owner, const CXString& text);
    ~CMC_LineConstant();
    CMC_LineConstant(const CMC_LineConstant&) = delete;
    CMC_LineConstant& operator=(const CMC_LineConstant&) = delete;

    // The value to pass: the bound variable, a variable of the name, or the literal itself.
    CMC_Variable* get(CMC_ObjectsContainer* owner)
    {
        if (CMC_Object* alive = bound_.get())
            return static_cast<CMC_Variable*>(alive);
        // The common case, a literal whose name was missing when names last changed.
        if (handedOut_ && missingSince_ == CMC_ObjectsContainer::namesEpoch())
            return literal_.get();
        return lookUp(owner);
    }
    // The same for a caller that keeps the value past the next call: a pooled copy of the literal.
    CMC_Variable* getCopy(CMC_ObjectsContainer* owner);
    // The variable named at parse time, while it lives.
    CMC_Variable* bound() const;
    // The literal, as it stands now.
    CMC_Variable* literal();
    bool isLiteral(const CMC_Variable* value) const { return value != nullptr && value == literal_.get(); }
    // The name looked up: the text, or the name of the variable found for it at parse time.
    CXString name() const { return otherName_ != nullptr ? *otherName_ : text_.toString(); }
    // After a call given the literal: its parsed value again, should the call have changed it.
    void restore();

private:
    CMC_Variable* lookUp(CMC_ObjectsContainer* owner);
    CMC_Variable* variableNamed(CMC_ObjectsContainer* owner);
    void keepParsedValue(CMC_Variable* value);

    CMC_ObjectRef bound_;
    // The text as written: the literal's source and, as a rule, the name looked up.
    CMC_LineText text_;
    // The name of the variable found at parse time where it differs from the text ("X" for "X_0").
    std::unique_ptr<CXString> otherName_;
    // The names epoch at which the name last named no variable; 0 when it must be looked up.
    uint64_t missingSince_ = 0;
    CMC_Owned<CMC_Variable> literal_;
    // The literal's value as parsed, kept once the literal has been handed out: a number (INTEGER,
    // BOOL and DOUBLE values all fit a double exactly) or a text.
    bool handedOut_ = false;
    double parsedNumber_ = 0.0;
    std::unique_ptr<CXString> parsedText_;
};
