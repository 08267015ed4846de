#include "objects/CEffectLink.h"

#include "script/CMC_CreationChain.h"
#include "script/CMC_ObjectsContainer.h"

CEffectLink::Target CEffectLink::find(CMC_ObjectsContainer* container, const CXString& name)
{
    Target target;
    if (container == nullptr)
        return target;
    int bang = name.Find('!');
    target.hasPart = bang >= 0;
    if (target.hasPart)
        target.part = name.Right(bang + 1);
    target.object = container->getObject(target.hasPart ? name.Left(bang) : name);
    if (target.object != nullptr)
        target.graphics = container->getGraphicsObject(name);
    return target;
}

CEffectLink::CEffectLink(const Target& target)
    : graphics_(target.graphics), object_(target.object), part_(target.part), hasPart_(target.hasPart)
{
}

CGraphicsObject* CEffectLink::live() const
{
    CMC_Object* object = object_.get();
    if (object == nullptr)
        return nullptr;
    CGraphicsObject* shown = CMC_CreationChain::graphicsOf(object, object->getScene(), hasPart_ ? &part_ : nullptr);
    return shown == graphics_ ? graphics_ : nullptr;
}
