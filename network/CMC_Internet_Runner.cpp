#include "network/CMC_Internet_Runner.h"

#include "network/CMC_Internet.h"
#include "script/CMC_Integer.h"
#include "script/CMC_VariableFactory.h"

void CMC_Internet_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("GET", GET);
    putMethod("EXTRACT", EXTRACT);
    putMethod("GETPROGRESS", GETPROGRESS);
}

CMC_Variable* CMC_Internet_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* internet = dynamic_cast<CMC_Internet*>(object);
    if (internet == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case GET:
        internet->get(stringArgument(arguments, 0), stringArgument(arguments, 1));
        return nullptr;
    case EXTRACT:
        internet->extract(stringArgument(arguments, 0), stringArgument(arguments, 1));
        return nullptr;
    case GETPROGRESS:
        return CMC_VariableFactory::makeInteger(internet->getProgress());
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}
