#include "objects/CMC_StaticFilter_Runner.h"

#include "objects/CMC_StaticFilter.h"
#include "objects/CStaticFilterEffect.h"

void CMC_StaticFilter_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("SETPROPERTY", SETPROPERTY);
    putMethod("LINK", LINK);
    putMethod("UNLINK", UNLINK);
}

CMC_Variable* CMC_StaticFilter_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* filter = dynamic_cast<CMC_StaticFilter*>(object);
    if (filter == nullptr || id < SETPROPERTY || id > UNLINK)
        return CMC_Runner::run(id, object, container, arguments);
    CStaticFilterEffect* effect = filter->getEffect();
    if (effect == nullptr)
        return nullptr;
    if (id == SETPROPERTY) {
        effect->params().setProperty(stringArgument(arguments, 0), stringArgument(arguments, 1));
        return nullptr;
    }
    CEffectLink::Target target = CEffectLink::find(container, stringArgument(arguments, 0));
    if (id == LINK)
        effect->link(target);
    else if (target.graphics != nullptr)
        effect->unlink(target.graphics);
    return nullptr;
}
