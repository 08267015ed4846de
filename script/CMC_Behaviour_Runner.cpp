#include "script/CMC_Behaviour_Runner.h"

#include "foundation/CXArray.h"
#include "script/CMC_Behaviour.h"
#include "script/CMC_LoopBudget.h"
#include "script/CMC_NestingGuard.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_StopCode.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_ValueStatements.h"
#include "script/CMC_Variable.h"
#include "script/CMC_VariableFactory.h"

#include <cstdint>

namespace {

// RETURN writes into the container's scene; a class instance has no parent chain up to it, so a
// run called from inside an instance also looks where the value was written.
CMC_Variable* returnedVariable(CMC_ObjectsContainer* container)
{
    if (CMC_Variable* found = CMC_ValueStatements::returnVariableIn(container))
        return found;
    CMC_ObjectsContainer* scene = container != nullptr ? container->getScene() : nullptr;
    return scene != container ? CMC_ValueStatements::returnVariableIn(scene) : nullptr;
}

} // namespace

void CMC_Behaviour_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("RUN", RUN);
    putMethod("RUNC", RUNC);
    putMethod("RUNLOOPED", RUNLOOPED);
    putMethod("BREAK", BREAK);
    putMethod("ENABLE", ENABLE);
    putMethod("DISABLE", DISABLE);
}

void CMC_Behaviour_Runner::flushParams(CXArray* parameters)
{
    CXString::releaseToVector(parameters);
}

CXArray* CMC_Behaviour_Runner::getParams(CMC_ObjectsContainer* container, CXVector* arguments, int first, int leading)
{
    int count = argumentCount(arguments);
    if (count <= first && leading == 0)
        return nullptr;
    auto* parameters = new CXArray(leading + (count > first ? count - first : 0) + 1, 0.75f);
    for (int i = 0; i < leading; ++i)
        parameters->add(new CXString());
    for (int i = first; i < count; ++i) {
        CXString text = stringArgument(arguments, i);
        CMC_Object* named = container != nullptr ? container->getObject(text) : nullptr;
        // Objects travel by name; quoted, the name is not taken for a variable to read.
        if (named != nullptr && (named->getType() < script::TYPE_STATEMENTS || named->getType() > script::TYPE_DOUBLE))
            text = CXString("\"") + text + "\"";
        parameters->add(new CXString(text));
    }
    return parameters;
}

CMC_Variable* CMC_Behaviour_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* behaviour = dynamic_cast<CMC_Behaviour*>(object);
    if (behaviour == nullptr || id < RUN || id > DISABLE)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case RUN:
    case RUNC:
        return runOnce(behaviour, container, arguments, id == RUNC);
    case RUNLOOPED:
        return runLooped(behaviour, container, arguments);
    case BREAK:
        // Only a timer-driven run can be ended: a behaviour that is not running on a timer would
        // leave its container with no one to delete it.
        if (behaviour->isRunningOnTimer())
            behaviour->_break();
        return nullptr;
    case ENABLE:
    case DISABLE:
        behaviour->enable(id == ENABLE);
        return nullptr;
    default:
        return nullptr;
    }
}

CMC_Variable* CMC_Behaviour_Runner::runOnce(CMC_Behaviour* behaviour, CMC_ObjectsContainer* container, CXVector* arguments,
                                            bool checkCondition)
{
    CXArray* parameters = getParams(container, arguments);
    bool stopped = behaviour->run(nullptr, parameters, checkCondition);
    flushParams(parameters);
    if (stopped)
        return script::stopResult(script::STOP_BREAK);
    CMC_Variable* returned = returnedVariable(container);
    return returned != nullptr ? CMC_VariableFactory::copyVariable(returned) : nullptr;
}

CMC_Variable* CMC_Behaviour_Runner::runLooped(CMC_Behaviour* behaviour, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int start = intArgument(arguments, 0);
    int count = intArgument(arguments, 1);
    int step = argumentCount(arguments) > 2 ? intArgument(arguments, 2) : 1;
    int64_t end = int64_t{start} + count;
    // The first parameter is the counter; the arguments from the third on follow it.
    CXArray* parameters = getParams(container, arguments, 2, 1);
    CMC_ObjectRef self(behaviour);
    // A step of 0 or below would never reach the end.
    if (step > 0) {
        CMC_LoopBudget budget("RUNLOOPED");
        for (int64_t counter = start; counter < end && self.isAlive(); counter += step) {
            if (CMC_NestingGuard::unwinding() || !budget.pass())
                break;
            *parameters->stringAt(0) = static_cast<int>(counter);
            if (behaviour->run(nullptr, parameters, true))
                break;
        }
    }
    flushParams(parameters);
    return returnedVariable(container);
}
