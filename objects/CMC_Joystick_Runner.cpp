#include "objects/CMC_Joystick_Runner.h"

#include "objects/CMC_Joystick.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Integer.h"
#include "script/CMC_VariableFactory.h"

#include <cstdint>

namespace {

// GETPOSITION's axis names, as getAxis numbers them.
int axisNumber(const CXString& name)
{
    if (name == "X")
        return 0;
    if (name == "Y")
        return 1;
    if (name == "Z")
        return 2;
    return -1;
}

// An axis position in the units GETPOSITION answers: 800 for the axis's whole 65535, toward zero.
int screenUnits(int position)
{
    return static_cast<int>(static_cast<int64_t>(position) * 800 / 65535);
}

} // namespace

void CMC_Joystick_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("GETBUTTONSTATE", GETBUTTONSTATE);
    putMethod("GETPOSITION", GETPOSITION);
    putMethod("ISLEFT", ISLEFT);
    putMethod("ISRIGHT", ISRIGHT);
}

CMC_Variable* CMC_Joystick_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* joystick = dynamic_cast<CMC_Joystick*>(object);
    if (joystick == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case GETBUTTONSTATE:
        return CMC_VariableFactory::makeInteger(joystick->getButtonState(intArgument(arguments, 0)));
    case GETPOSITION: {
        const int axis = axisNumber(stringArgument(arguments, 0));
        return CMC_VariableFactory::makeInteger(axis >= 0 ? screenUnits(joystick->getAxis(axis)) : 0);
    }
    case ISLEFT:
        return CMC_VariableFactory::makeBool(joystick->getAxis(0) < 0);
    case ISRIGHT:
        return CMC_VariableFactory::makeBool(joystick->getAxis(0) > 0);
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}
