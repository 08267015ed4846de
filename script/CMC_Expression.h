#pragma once

#include "script/CComputedValue.h"
#include "script/CMC_Owned.h"
#include "script/CMC_Shared.h"
#include "script/CMC_Variable.h"
#include "script/CMC_WatchedValue.h"

#include <memory>
#include <vector>

class CMC_Behaviour;
class CMC_Behaviour_Entry;
class CMC_LineConstant;

// The EXPRESSION (type 12): a variable whose value is computed each time it is read, from a chain
// of operands and the operators + - * @ (divide) % (remainder). Declared in scripts with OPERAND1,
// OPERATOR (a sign or ADD, SUB, MUL, DIV, MOD) and OPERAND2, or made from the text of a bracketed
// argument ([A+1]). Operands are code lines of any form, run in the expression's container.
//
// There is no precedence: [2+3*4] is 20. The result has the type of the first operand, and each
// further operand is converted to it ([1+1.5] is 2, [1.5+1] is 2.5, a STRING first operand
// appends). The result is a pooled temporary, valid until the next evaluation or the turn's end.
//
// Choices for what the language leaves open: an empty first operand counts as the zero of the
// next operand's type (so [-5] is -5); an empty later operand, or one that gives no value, and an
// unknown operator word leave the running value as it is; an operand that is itself an
// EXPRESSION is used by its value.
class CMC_Expression : public CMC_Variable, public CComputedValue {
public:
    enum { UNKNOWN_OPERATION = 0 };

    CMC_Expression(CMC_ObjectsContainer* container, CMElement* element);
    // Named "temp"; `text` is what stood between the brackets. Ready to evaluate at once.
    CMC_Expression(CMC_ObjectsContainer* container, const CXString& text);
    ~CMC_Expression() override;

    // The operator code of a sign or word (exact): + ADD 1, - SUB 2, * MUL 3, @ DIV 4, % MOD 5;
    // UNKNOWN_OPERATION for anything else.
    static int resolveOp(const CXString& word);

    // The last result, without evaluating; null before the first evaluation.
    virtual CMC_Variable* getResult();
    // Evaluates and keeps the result.
    virtual CMC_Variable* calculate();
    CMC_Variable* computeValue() override { return calculate(); }
    // Evaluates and hands the result over: the expression keeps nothing.
    CMC_Variable* takeResult();
    bool isStill() const { return still_; }

    // Parses the operands into code lines.
    void init() override;
    // Gives the kept result back to its pool.
    void flush() override;
    using CMC_Object::flush;

    CMC_Variable* convert(int type) override;
    bool equals(CMC_Variable* other) override;
    int compare(CMC_Variable* other) override;
    using CMC_Variable::compare;
    using CMC_Variable::equals;
    CMC_Variable* calculate(CMC_Variable* operand, int operation) override;
    CXObject* clone() const override;

    // An expression is computed, never stored into.
    void set(CMC_Variable*) override {}
    void clear() override {}
    void swap(CMC_Variable*, CMC_Variable*) override {}
    void inc() override {}
    void dec() override {}
    void setDefault(CMC_Variable*) override {}
    void resetINI() override {}
    int getBufferLen() override { return 0; }
    void netstore(uint8_t*) override {}
    bool netrestore(const uint8_t*, int) override { return false; }
    void store(CXArchive*) override {}
    void restore(CXArchive*) override {}
    void fromString(const CXString&) override {}

private:
    struct Operand {
        std::unique_ptr<CMC_Behaviour_Entry> line;
        // A bare name or literal keeps only what it reads its value from.
        std::unique_ptr<CMC_LineConstant> constant;
    };
    using Operands = std::vector<Operand>;

    void split(const CXString& text);
    Operand parseOperand(const CXString& text);
    // The behaviour statements in operand lines run with, made only for operands that may hold one.
    CMC_Behaviour* hostFor(const CXString& operand);
    CMC_Variable* evaluate();
    CMC_Variable* operandValue(const Operand& operand);

    // The operand texts until init parses them.
    std::vector<CXString> operandTexts_;
    // Shared with evaluations under way, which keep the lines should the expression go mid-run.
    CMC_Shared<Operands> operands_;
    std::vector<int> operators_;
    CMC_Owned<CMC_Behaviour> host_;
    CMC_WatchedValue result_;
    bool still_;
};
