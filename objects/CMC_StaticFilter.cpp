#include "objects/CMC_StaticFilter.h"

#include "objects/CStaticFilterEffect.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

CMC_StaticFilter::CMC_StaticFilter(CMC_ObjectsContainer* container) : CMC_ActionFilter(container, script::TYPE_STATICFILTER)
{
}

CMC_StaticFilter::CMC_StaticFilter(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_ActionFilter(container, element, script::TYPE_STATICFILTER)
{
    makeEffect();
    initializeBehaviours(container, element);
}

CMC_StaticFilter::~CMC_StaticFilter()
{
    beginDestruction();
    removeAllLinks();
}

void CMC_StaticFilter::makeEffect()
{
    removeAllLinks();
    effect_ = CStaticFilterEffect::make(getAction(), CMC_ObjectsContainer::windowOf(getScene()));
}

void CMC_StaticFilter::removeAllLinks()
{
    if (effect_ != nullptr)
        effect_->removeAllLinks();
}

CXString CMC_StaticFilter::toString() const
{
    return "Filter";
}

bool CMC_StaticFilter::done(bool wholeContainer)
{
    removeAllLinks();
    return CMC_Object::done(wholeContainer);
}

CXString** CMC_StaticFilter::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL"});
}
