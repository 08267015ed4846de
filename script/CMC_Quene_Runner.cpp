#include "script/CMC_Quene_Runner.h"

#include "script/CMC_Bool.h"
#include "script/CMC_Integer.h"
#include "script/CMC_Quene.h"
#include "script/CMC_String.h"
#include "script/CMC_VariableFactory.h"

void CMC_Quene_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("PUSH", PUSH);
    putMethod("POP", POP);
    putMethod("GETSIZE", GETSIZE);
    putMethod("ISEMPTY", ISEMPTY);
}

CMC_Variable* CMC_Quene_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* quene = dynamic_cast<CMC_Quene*>(object);
    if (quene == nullptr || id < PUSH || id > ISEMPTY)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case PUSH:
        for (int i = 0; i < argumentCount(arguments); ++i)
            quene->push(getParameter(arguments, i));
        return nullptr;
    case POP:
        if (CMC_Variable* value = quene->pop())
            return value;
        // The handler may delete the queue: nothing of it is touched afterwards.
        quene->onSignal("ONEMPTY");
        return CMC_VariableFactory::makeString("NULL");
    case GETSIZE:
        return CMC_VariableFactory::makeInteger(quene->getSize());
    case ISEMPTY:
        return CMC_VariableFactory::makeBool(quene->getSize() == 0);
    default:
        return nullptr;
    }
}
