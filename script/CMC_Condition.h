#pragma once

#include "script/CMC_BasicCondition.h"
#include "script/CMC_Owned.h"
#include "script/CMC_Shared.h"

#include <memory>

class CMC_Behaviour;
class CMC_Behaviour_Entry;
class CMC_Variable;

// The CONDITION (type 10): compares OPERAND1 with OPERAND2 by OPERATOR (EQUAL, NOTEQUAL, LESS,
// LESSEQUAL, GREATER, GREATEREQUAL; any other word is EQUAL). The operands are code lines of any
// form, run each time the condition is tested. The same comparison is offered on texts for the
// statements that test conditions written inline (@IF, @WHILE).
class CMC_Condition : public CMC_BasicCondition {
public:
    enum Operator { EQUAL = 1, NOTEQUAL = 2, LESS = 3, LESSEQUAL = 4, GREATER = 5, GREATEREQUAL = 6, INSTANCEOF = 7 };

    // Empty, named "temp", for loading from a compiled scene.
    explicit CMC_Condition(CMC_ObjectsContainer* container);
    CMC_Condition(CMC_ObjectsContainer* container, CMElement* definition);
    ~CMC_Condition() override;

    // Parses the operands into lines.
    void init() override;
    // Drops the operand lines and the host behaviour: the condition then tests false.
    bool done(bool wholeContainer) override;
    void serialize(CXArchive* archive) override;
    // Operand 2 is converted to operand 1's type first (unless one of them is an EXPRESSION);
    // false when either gives no value or the conversion fails (no signal then).
    bool valid(bool raiseSignals) override;

    // The operator code of a word; EQUAL for any other word.
    static int resolveCondition(const CXString& word);
    // The operator code of a statement's operator word ("_", "!_", "<>", "<", "<_", ">", ">_", "?");
    // EQUAL for any other word.
    static int resolveInlineOperator(const CXString& word);

    // One text holding both operands and the operator: ' equal, !' not equal, < less, <' less or
    // equal, > greater, >' greater or equal, ? instance of (the object named by operand 1 has the
    // type word of operand 2). A text without an operator tests false.
    static bool valid(CMC_ObjectsContainer* container, const CXString& text);
    // Operands and operator apart: _ !_ <> < <_ > >_ ?; any other operator text is equal.
    static bool valid(CMC_ObjectsContainer* container, const CXString& operand1, const CXString& operand2,
                      const CXString& operatorText);
    // The common evaluation of both; no conversion of types, no signals.
    static bool valid(CMC_ObjectsContainer* container, const CXString& operand1, const CXString& operand2, int operatorCode);

    CXString getOperand1() const { return operand1Text_; }
    CXString getOperand2() const { return operand2Text_; }
    CXString getOperator() const { return operatorText_; }

    // The test of an operator code on two values, as the operand texts would give them.
    static bool compareWith(int operatorCode, CMC_Variable* operand1, CMC_Variable* operand2);

private:
    static bool isInstanceOf(CMC_ObjectsContainer* container, const CXString& operand1, const CXString& operand2);
    // `silent` is set when a failed conversion must raise no signal.
    bool test(bool& silent);

    CMC_Owned<CMC_Behaviour> host_;
    CMC_Shared<CMC_Behaviour_Entry> operand1_;
    CMC_Shared<CMC_Behaviour_Entry> operand2_;
    CXString operand1Text_;
    CXString operand2Text_;
    CXString operatorText_;
    int operator_ = EQUAL;
};
