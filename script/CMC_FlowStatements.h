#pragma once

#include "script/CMC_Dummy_Runner.h"

#include <functional>

// The control-flow statements: IF in both forms, WHILE, LOOP and FOR. Their code arguments name a
// behaviour of the container or hold code (CMC_CodeArgument). A BREAK in a branch of IF or in a
// pass of LOOP or FOR stops the enclosing behaviour too; in WHILE it ends only the pass. Loops are
// bounded by CMC_LoopBudget, and a counted loop whose step never reaches its end makes no pass.
class CMC_FlowStatements {
public:
    // (condition, then, else) with "&&" or "||" between tests, or (a, operator, b, then[, else]).
    static CMC_Variable* ifStatement(CMC_Dummy_Runner::Call& call);
    // (a, operator, b, code): the test is made anew before each pass; an operand written as a
    // variable's name is read anew each time.
    static CMC_Variable* whileStatement(CMC_Dummy_Runner::Call& call);
    // (code, start, length, step) with the counter in the variable "_I_".
    static CMC_Variable* loopStatement(CMC_Dummy_Runner::Call& call);
    // (counter, code, start, length, step) on the INTEGER variable passed.
    static CMC_Variable* forStatement(CMC_Dummy_Runner::Call& call);

    // The one-text condition of IF: cut at every "&&", else at every "||"; the pieces are tested
    // in order until one gives true when the text holds "||", false otherwise.
    static bool conditionTextHolds(CMC_ObjectsContainer* container, const CXString& text);

private:
    using CounterSetter = std::function<void(int value)>;

    // Runs the code for counter = start, start + step ... towards start + length, with condition
    // check; true when a pass reported BREAK.
    static bool countedLoop(CMC_ObjectsContainer* container, const CXString& codeText, int start, int length, int step,
                            const CounterSetter& setCounter, const char* what);
    static CXString text(CMC_Dummy_Runner::Call& call, int index);
    // Runs the code argument a branch of IF names; BREAK when its run reported BREAK.
    static CMC_Variable* runBranch(CMC_Dummy_Runner::Call& call, const CXString& branch);
    // An operand of WHILE as text: the name of a variable written by name, else the text.
    static CXString operandText(CMC_Dummy_Runner::Call& call, int index);
};
