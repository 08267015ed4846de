#include "objects/CMC_ActionFilter.h"

#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"

CMC_ActionFilter::CMC_ActionFilter(CMC_ObjectsContainer* container, int type) : CMC_Object("temp", type)
{
    setScene(container);
}

CMC_ActionFilter::CMC_ActionFilter(CMC_ObjectsContainer* container, CMElement* element, int type)
    : CMC_Object(container, element, type), action_(element->getPropertyValue("ACTION"))
{
}

void CMC_ActionFilter::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive == nullptr)
        return;
    if (archive->isStoring()) {
        *archive << action_;
        return;
    }
    *archive >> &action_;
    makeEffect();
}
