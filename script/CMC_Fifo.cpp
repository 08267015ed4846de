#include "script/CMC_Fifo.h"

#include "foundation/CXFifoQuene.h"
#include "script/CMC_TypeIds.h"

CMC_Fifo::CMC_Fifo(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Quene(container, element, script::TYPE_FIFO, new CXFifoQuene())
{
}

CMC_Fifo::CMC_Fifo(CMC_ObjectsContainer* scene) : CMC_Quene(scene, script::TYPE_FIFO, new CXFifoQuene())
{
}

CMC_Fifo::~CMC_Fifo()
{
    beginDestruction();
}
