#include "script/CMC_Structure_Runner.h"

#include "foundation/CXVector.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Structure.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

void CMC_Structure_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("SET", SET);
    putMethod("SETFIELD", SETFIELD);
    putMethod("GETFIELD", GETFIELD);
}

CMC_Variable* CMC_Structure_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    CMC_Structure* structure = CMC_Structure::from(object);
    if (structure == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case SET:
        setAll(structure, container, arguments);
        return nullptr;
    case SETFIELD:
        if (argumentCount(arguments) >= 2)
            structure->setField(stringArgument(arguments, 0), getParameter(arguments, 1));
        return nullptr;
    case GETFIELD:
        return getField(structure, arguments);
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}

void CMC_Structure_Runner::setAll(CMC_Structure* structure, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int count = argumentCount(arguments);
    if (count == 1) {
        // The other structure, passed itself or by its name.
        CMC_Structure* source = CMC_Structure::from(getParameter(arguments, 0));
        if (source == nullptr && container != nullptr)
            source = CMC_Structure::from(container->getObject(stringArgument(arguments, 0)));
        if (source != nullptr)
            structure->set(source);
        return;
    }
    for (int i = 0; i < count && i < structure->getFieldsNo(); ++i)
        structure->setField(i, getParameter(arguments, i));
}

CMC_Variable* CMC_Structure_Runner::getField(CMC_Structure* structure, CXVector* arguments)
{
    CMC_Variable* key = getParameter(arguments, 0);
    if (key == nullptr)
        return nullptr;
    // A number picks the field by position, anything else by name.
    CMC_Variable* field = key->getType() == script::TYPE_INTEGER ? structure->getField(intArgument(arguments, 0))
                                                                 : structure->getField(stringArgument(arguments, 0));
    return CMC_VariableFactory::copyVariable(field);
}
