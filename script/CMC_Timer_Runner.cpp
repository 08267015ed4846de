#include "script/CMC_Timer_Runner.h"

#include "script/CMC_Integer.h"
#include "script/CMC_Timer.h"
#include "script/CMC_VariableFactory.h"

void CMC_Timer_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("ENABLE", ENABLE);
    putMethod("DISABLE", DISABLE);
    putMethod("PAUSE", PAUSE);
    putMethod("RESUME", RESUME);
    putMethod("GETTICKS", GETTICKS);
    putMethod("RESET", RESET);
    putMethod("SET", SET);
    putMethod("SETELAPSE", SETELAPSE);
}

CMC_Variable* CMC_Timer_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* timer = dynamic_cast<CMC_Timer*>(object);
    if (timer == nullptr || id < ENABLE || id > SETELAPSE)
        return CMC_Runner::run(id, object, container, arguments);
    bool hasArgument = argumentCount(arguments) > 0;
    switch (id) {
    case ENABLE:
        timer->enable();
        break;
    case DISABLE:
        timer->disable();
        break;
    case PAUSE:
        timer->pause();
        break;
    case RESUME:
        timer->resume();
        break;
    case GETTICKS:
        return CMC_VariableFactory::makeInteger(timer->getTick());
    case RESET:
        timer->reset();
        break;
    case SET:
        if (hasArgument)
            timer->set(intArgument(arguments, 0));
        break;
    case SETELAPSE:
        if (hasArgument)
            timer->setElapse(static_cast<unsigned>(intArgument(arguments, 0)));
        break;
    default:
        break;
    }
    return nullptr;
}
