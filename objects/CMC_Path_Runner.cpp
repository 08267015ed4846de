#include "objects/CMC_Path_Runner.h"

#include "objects/CMC_Path.h"
#include "script/CMC_Double.h"
#include "script/CMC_Integer.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

void CMC_Path_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("ADD", ADD);
    putMethod("GETNODE", GETNODE);
    putMethod("GETSIZE", GETSIZE);
    putMethod("SETPROPERTY", SETPROPERTY);
    putMethod("GETPROPERTY", GETPROPERTY);
}

CMC_Variable* CMC_Path_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* path = dynamic_cast<CMC_Path*>(object);
    if (path == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case ADD:
        path->add(stringArgument(arguments, 0));
        return nullptr;
    case GETNODE:
        return CMC_VariableFactory::makeString(path->getNodeName(intArgument(arguments, 0)));
    case GETSIZE:
        return CMC_VariableFactory::makeInteger(path->getSize());
    case SETPROPERTY:
        if (stringArgument(arguments, 0) == "DENSITY")
            path->setDensity(doubleArgument(arguments, 1));
        return nullptr;
    case GETPROPERTY:
        return stringArgument(arguments, 0) == "DENSITY" ? CMC_VariableFactory::makeDouble(path->getDensity()) : nullptr;
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}
