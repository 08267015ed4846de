#include "script/CMC_FlowStatements.h"

#include "script/CMC_Behaviour.h"
#include "script/CMC_CodeArgument.h"
#include "script/CMC_CodeText.h"
#include "script/CMC_Condition.h"
#include "script/CMC_Integer.h"
#include "script/CMC_LoopBudget.h"
#include "script/CMC_NestingGuard.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_StopCode.h"
#include "script/CMC_String.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_ValueStatements.h"
#include "script/CMC_VariableFactory.h"

#include <cstdint>

namespace {

CMC_Variable* breakWhen(bool stopped)
{
    return stopped ? script::stopResult(script::STOP_BREAK) : nullptr;
}

// Every piece of the text between separators, empty ones included.
std::vector<CXString> piecesOf(const CXString& text, const CXString& separator)
{
    std::vector<CXString> pieces;
    int start = 0;
    for (int found = text.indexOf(separator); found >= 0; found = text.indexOf(separator, start)) {
        pieces.push_back(text.Mid(start, found));
        start = found + separator.getLength();
    }
    pieces.push_back(text.Right(start));
    return pieces;
}

bool loopGoesOn(CMC_LoopBudget& budget)
{
    return !CMC_NestingGuard::unwinding() && budget.pass();
}

} // namespace

CXString CMC_FlowStatements::text(CMC_Dummy_Runner::Call& call, int index)
{
    return call.runner.stringArgument(call.arguments, index);
}

CXString CMC_FlowStatements::operandText(CMC_Dummy_Runner::Call& call, int index)
{
    // A variable written by name arrives as itself; its value, taken once, would never change
    // between tests. Its name is looked up anew on each one.
    CMC_Variable* value = call.runner.getParameter(call.arguments, index);
    if (CMC_ValueStatements::isDeclaredVariable(call.container, value))
        return value->getName();
    return text(call, index);
}

bool CMC_FlowStatements::conditionTextHolds(CMC_ObjectsContainer* container, const CXString& text)
{
    bool stopOnTrue = text.indexOf("||") >= 0;
    const char* separator = text.indexOf("&&") >= 0 ? "&&" : (stopOnTrue ? "||" : nullptr);
    if (separator == nullptr)
        return CMC_Condition::valid(container, text);
    bool outcome = false;
    for (const CXString& piece : piecesOf(text, separator)) {
        outcome = CMC_Condition::valid(container, piece);
        if (outcome == stopOnTrue)
            break;
    }
    return outcome;
}

namespace {

// The argument as the variable the line passed, without evaluating it; null for anything else,
// an expression included (its evaluation is the text path's to make).
CMC_Variable* passedOfType(CMC_Dummy_Runner::Call& call, int index, int type)
{
    if (index >= call.count())
        return nullptr;
    CMC_Variable* value = CMC_Variable::fromArgument(call.arguments->at(index));
    return value != nullptr && value->getType() == type ? value : nullptr;
}

// IF(a, operator, b, ...) with two integers and an operator word: the text path turns each
// integer into its decimal text and reads it back as the same integer, so the values are compared
// as they are. False (nothing decided) for any other arguments.
bool integerTestHolds(CMC_Dummy_Runner::Call& call, bool& holds)
{
    CMC_Variable* first = passedOfType(call, 0, script::TYPE_INTEGER);
    CMC_Variable* second = passedOfType(call, 2, script::TYPE_INTEGER);
    auto* word = static_cast<CMC_String*>(passedOfType(call, 1, script::TYPE_STRING));
    if (first == nullptr || second == nullptr || word == nullptr)
        return false;
    const int code = CMC_Condition::resolveInlineOperator(word->value());
    // An instance test reads its operands as names.
    if (code == CMC_Condition::INSTANCEOF)
        return false;
    CMC_NestingGuard guard(CMC_NestingGuard::RUNNING, "condition text");
    holds = guard.entered() && CMC_Condition::compareWith(code, first, second);
    return true;
}

} // namespace

CMC_Variable* CMC_FlowStatements::ifStatement(CMC_Dummy_Runner::Call& call)
{
    if (call.container == nullptr)
        return nullptr;
    if (call.count() < 4)
        return runBranch(call, text(call, conditionTextHolds(call.container, text(call, 0)) ? 1 : 2));
    bool holds = false;
    if (!integerTestHolds(call, holds))
        holds = CMC_Condition::valid(call.container, text(call, 0), text(call, 2), text(call, 1));
    const int index = holds ? 3 : 4;
    // A missing branch is an empty one, and a branch named by a text is used as it is.
    if (index >= call.count())
        return nullptr;
    if (auto* name = static_cast<CMC_String*>(passedOfType(call, index, script::TYPE_STRING)))
        return runBranch(call, name->value());
    return runBranch(call, text(call, index));
}

CMC_Variable* CMC_FlowStatements::runBranch(CMC_Dummy_Runner::Call& call, const CXString& branch)
{
    if (branch.getLength() == 0)
        return nullptr;
    CMC_CodeArgument code(call.container, branch);
    // The branch runs on itself: THIS in its lines is the branch's behaviour.
    CMC_Behaviour* behaviour = code.behaviour();
    return breakWhen(behaviour != nullptr && behaviour->run(behaviour, nullptr, false));
}

CMC_Variable* CMC_FlowStatements::whileStatement(CMC_Dummy_Runner::Call& call)
{
    if (call.container == nullptr)
        return nullptr;
    CXString operand1 = operandText(call, 0);
    CXString operatorText = text(call, 1);
    CXString operand2 = operandText(call, 2);
    CMC_CodeArgument code(call.container, CMC_CodeText::trimmed(text(call, 3)));
    CMC_LoopBudget budget("WHILE");
    // A BREAK inside the body ends only that pass.
    while (CMC_Condition::valid(call.container, operand1, operand2, operatorText) && loopGoesOn(budget))
        code.run(nullptr, nullptr, false);
    return nullptr;
}

bool CMC_FlowStatements::countedLoop(CMC_ObjectsContainer* container, const CXString& codeText, int start, int length,
                                     int step, const CounterSetter& setCounter, const char* what)
{
    int64_t end = int64_t{start} + length;
    bool upwards = start < end;
    // Equal ends make no pass; a step of 0, or one pointing away from the end, would never end.
    if (start == end || (upwards && step <= 0) || (!upwards && step >= 0))
        return false;
    CMC_CodeArgument code(container, CMC_CodeText::trimmed(codeText));
    CMC_LoopBudget budget(what);
    for (int64_t counter = start; upwards ? counter < end : counter > end; counter += step) {
        if (!loopGoesOn(budget))
            break;
        setCounter(static_cast<int>(counter));
        if (code.run(nullptr, nullptr, true))
            return true;
    }
    return false;
}

CMC_Variable* CMC_FlowStatements::loopStatement(CMC_Dummy_Runner::Call& call)
{
    // The loop's code may unload the container itself.
    CMC_Ref<CMC_ObjectsContainer> containerRef(call.container);
    CMC_ObjectsContainer* container = call.container;
    if (container == nullptr)
        return nullptr;
    int start = call.runner.intArgument(call.arguments, 1);
    int length = call.runner.intArgument(call.arguments, 2);
    int step = call.runner.intArgument(call.arguments, 3);
    CXString codeText = text(call, 0);

    // An "_I_" already there (the counter of an enclosing LOOP, or a script's variable) steps aside
    // for this loop and comes back afterwards.
    CMC_ObjectRef earlier;
    CMC_Object* existing = container->getObject("_I_");
    if (existing != nullptr && container->removeObject(existing))
        earlier = existing;
    auto* counter = new CMC_Integer(CXString("_I_"));
    counter->setScene(container);
    container->addObject(counter);
    CMC_Ref<CMC_Integer> counterRef(counter);

    bool stopped = countedLoop(container, codeText, start, length, step, [&counterRef](int value) {
        if (counterRef.isAlive())
            counterRef->setValue(value);
    }, "LOOP");

    // Destroying the counter takes it out of whatever holds it.
    CMC_Object::destroy(counterRef.get());
    CMC_Object* restored = earlier.get();
    if (restored != nullptr && containerRef.isAlive())
        container->addObject(restored);
    else
        CMC_Object::destroy(restored);
    return breakWhen(stopped);
}

CMC_Variable* CMC_FlowStatements::forStatement(CMC_Dummy_Runner::Call& call)
{
    if (call.container == nullptr)
        return nullptr;
    CMC_Ref<CMC_Variable> counter(call.runner.getParameter(call.arguments, 0));
    int start = call.runner.intArgument(call.arguments, 2);
    int length = call.runner.intArgument(call.arguments, 3);
    int step = call.runner.intArgument(call.arguments, 4);
    bool stopped = countedLoop(call.container, text(call, 1), start, length, step, [&counter](int value) {
        CMC_Variable* variable = counter.get();
        if (auto* integer = dynamic_cast<CMC_Integer*>(variable)) {
            integer->setValue(value);
        } else if (variable != nullptr) {
            CMC_Variable* number = CMC_VariableFactory::makeInteger(value);
            variable->set(number);
            CMC_Object::flush(number);
        }
    }, "FOR");
    return breakWhen(stopped);
}
