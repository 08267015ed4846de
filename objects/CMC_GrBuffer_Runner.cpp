#include "objects/CMC_GrBuffer_Runner.h"

#include "objects/CMC_GrBuffer.h"
#include "script/CMC_Integer.h"
#include "script/CMC_VariableFactory.h"

void CMC_GrBuffer_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("CREATE", CREATE);
    putMethod("DRAW", DRAW);
    putMethod("UNDO", UNDO);
    putMethod("FLUSH", FLUSH);
    putMethod("FLUSHALL", FLUSHALL);
    putMethod("FINDAT", FINDAT);
}

CMC_Variable* CMC_GrBuffer_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* buffer = dynamic_cast<CMC_GrBuffer*>(object);
    if (buffer == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case CREATE: {
        CXRect part;
        if (argumentCount(arguments) >= 6)
            part = CXRect(intArgument(arguments, 2), intArgument(arguments, 3), intArgument(arguments, 4), intArgument(arguments, 5));
        return CMC_VariableFactory::makeInteger(buffer->create(intArgument(arguments, 0), intArgument(arguments, 1), part));
    }
    case DRAW:
        buffer->draw(intArgument(arguments, 0), boolArgument(arguments, 1));
        return nullptr;
    case UNDO:
        buffer->undo(intArgument(arguments, 0), boolArgument(arguments, 1));
        return nullptr;
    case FLUSH:
        buffer->flush(intArgument(arguments, 0), boolArgument(arguments, 1), boolArgument(arguments, 2));
        return nullptr;
    case FLUSHALL:
        buffer->flushAll(boolArgument(arguments, 0), boolArgument(arguments, 1));
        return nullptr;
    case FINDAT:
        return CMC_VariableFactory::makeInteger(buffer->findAt(intArgument(arguments, 0), intArgument(arguments, 1)));
    default:
        return CMC_Runner::run(id, object, container, arguments);
    }
}
