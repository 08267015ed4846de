#include "objects/CMC_Filter.h"

#include "objects/CFilterEffect.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

const CSignalList& CMC_Filter::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONSTARTED", "ONFINISHED", "ONTICK"};
    return list;
}

CMC_Filter::CMC_Filter(CMC_ObjectsContainer* container) : CMC_ActionFilter(container, script::TYPE_FILTER)
{
}

CMC_Filter::CMC_Filter(CMC_ObjectsContainer* container, CMElement* element) : CMC_ActionFilter(container, element, script::TYPE_FILTER)
{
    makeEffect();
    initializeBehaviours(container, element);
}

CMC_Filter::~CMC_Filter()
{
    beginDestruction();
    effect_.reset();
}

void CMC_Filter::makeEffect()
{
    CMC_ObjectsContainer* container = getScene();
    effect_ = CFilterEffect::make(getAction(), CMC_ObjectsContainer::windowOf(container), container);
    if (effect_ != nullptr)
        effect_->addObserver(this);
}

CXString** CMC_Filter::getBehavioursList()
{
    return signalList().make();
}

void CMC_Filter::raise(const char* signal, CFilterLink& link)
{
    CMC_Object* linked = link.getObject();
    if (isSignalHandled(signalList().positionOf(signal)) && linked != nullptr)
        raiseSpecificOrPlain(signal, linked->getName());
}

void CMC_Filter::onEffectStarted(CFilterLink& link, CFilterEffect&)
{
    raise("ONSTARTED", link);
}

void CMC_Filter::onEffectStepped(CFilterLink& link, CFilterEffect&)
{
    raise("ONFINISHED", link);
}

void CMC_Filter::onEffectStopped(CFilterLink& link, CFilterEffect&)
{
    raise("ONTICK", link);
}
