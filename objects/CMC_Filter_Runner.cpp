#include "objects/CMC_Filter_Runner.h"

#include "objects/CFilterEffect.h"
#include "objects/CFilterParams.h"
#include "objects/CMC_Filter.h"
#include "script/CMC_Bool.h"
#include "script/CMC_VariableFactory.h"

void CMC_Filter_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("SETPROPERTY", SETPROPERTY);
    putMethod("LINK", LINK);
    putMethod("UNLINK", UNLINK);
    putMethod("START", START);
    putMethod("STOP", STOP);
    putMethod("ISRUNNING", ISRUNNING);
}

CMC_Variable* CMC_Filter_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* filter = dynamic_cast<CMC_Filter*>(object);
    if (filter == nullptr || id < SETPROPERTY || id > ISRUNNING)
        return CMC_Runner::run(id, object, container, arguments);
    CFilterEffect* effect = filter->getEffect();
    if (id == SETPROPERTY) {
        if (effect != nullptr)
            effect->params().setProperty(stringArgument(arguments, 0), stringArgument(arguments, 1));
        return nullptr;
    }
    CEffectLink::Target target = CEffectLink::find(container, stringArgument(arguments, 0));
    if (effect == nullptr || target.graphics == nullptr)
        return id == ISRUNNING ? CMC_VariableFactory::makeBool(false) : nullptr;
    switch (id) {
    case LINK:
        effect->link(target);
        return nullptr;
    case UNLINK:
        effect->unlink(target.graphics);
        return nullptr;
    case START:
        effect->start(target.graphics);
        return nullptr;
    case STOP:
        effect->stop(target.graphics);
        return nullptr;
    default:
        return CMC_VariableFactory::makeBool(effect->isRunning(target.graphics));
    }
}
