#include "script/CMC_BasicCondition_Runner.h"

#include "script/CMC_BasicCondition.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Cast.h"
#include "script/CMC_Condition.h"
#include "script/CMC_StopCode.h"
#include "script/CMC_VariableFactory.h"

void CMC_BasicCondition_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("CHECK", CHECK);
    putMethod("BREAK", BREAK);
    putMethod("ONE_BREAK", ONE_BREAK);
}

CMC_Variable* CMC_BasicCondition_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer*, CXVector* arguments)
{
    auto* condition = script::castUsually<CMC_BasicCondition, CMC_Condition>(object);
    if (condition == nullptr || id < CHECK || id > ONE_BREAK)
        return nullptr;
    bool raiseSignals = boolArgument(arguments, 0, true);
    bool holds = condition->valid(raiseSignals);
    switch (id) {
    case CHECK:
        return CMC_VariableFactory::makeBool(holds);
    case BREAK:
        return holds ? script::stopResult(script::STOP_BREAK) : nullptr;
    default:
        return holds ? script::stopResult(script::STOP_ONEBREAK) : nullptr;
    }
}
