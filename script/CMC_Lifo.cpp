#include "script/CMC_Lifo.h"

#include "foundation/CXLifoQuene.h"
#include "script/CMC_TypeIds.h"

CMC_Lifo::CMC_Lifo(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Quene(container, element, script::TYPE_LIFO, new CXLifoQuene())
{
}

CMC_Lifo::CMC_Lifo(CMC_ObjectsContainer* scene) : CMC_Quene(scene, script::TYPE_LIFO, new CXLifoQuene())
{
}

CMC_Lifo::~CMC_Lifo()
{
    beginDestruction();
}
