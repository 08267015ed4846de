#include "script/CMC_CNVLoader_Runner.h"

#include "foundation/CXVector.h"
#include "script/CMC_CNVLoader.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_Variable.h"

void CMC_CNVLoader_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("LOAD", LOAD);
    putMethod("RELEASE", RELEASE);
}

CMC_Variable* CMC_CNVLoader_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* loader = object != nullptr && object->getType() == script::TYPE_CNVLOADER ? dynamic_cast<CMC_CNVLoader*>(object) : nullptr;
    if (loader == nullptr || (id != LOAD && id != RELEASE))
        return CMC_Runner::run(id, object, container, arguments);
    if (argumentCount(arguments) < 1)
        return nullptr;
    CXString file = stringArgument(arguments, 0);
    releaseArgument(arguments, 0);
    if (id == LOAD) {
        loader->setScene(container);
        loader->load(file);
    } else {
        loader->release(file);
    }
    return nullptr;
}
