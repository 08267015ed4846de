#include "script/CMC_Database_Runner.h"

#include "script/CMC_Database.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_Structure.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

void CMC_Database_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    putMethod("ADD", ADD);
    putMethod("REMOVE", REMOVE);
    putMethod("LOAD", LOAD);
    putMethod("SAVE", SAVE);
    putMethod("REMOVEALL", REMOVEALL);
    putMethod("FIND", FIND);
    putMethod("SELECT", SELECT);
    putMethod("NEXT", NEXT);
    putMethod("PREV", PREV);
    putMethod("GETROWSNO", GETROWSNO);
    putMethod("REMOVEAT", REMOVEAT);
    putMethod("INSERTAT", INSERTAT);
    putMethod("GETCURSORPOS", GETCURSORPOS);
}

CMC_Structure* CMC_Database_Runner::structureArgument(CXVector* arguments, int index, CMC_ObjectsContainer* container)
{
    CMC_Variable* argument = getParameter(arguments, index);
    if (CMC_Structure* structure = CMC_Structure::from(argument))
        return structure;
    if (argument == nullptr || container == nullptr)
        return nullptr;
    if (CMC_Structure* named = CMC_Structure::from(container->getObject(stringArgument(arguments, index))))
        return named;
    // A declared variable standing for the structure by its own name.
    return argument->getId() < 0 ? CMC_Structure::from(container->getObject(argument->getName())) : nullptr;
}

CMC_Variable* CMC_Database_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* database = object != nullptr && object->getType() == script::TYPE_DATABASE ? dynamic_cast<CMC_Database*>(object) : nullptr;
    if (database == nullptr)
        return CMC_Runner::run(id, object, container, arguments);
    switch (id) {
    case FIND:
        if (argumentCount(arguments) < 3)
            return nullptr;
        return CMC_VariableFactory::makeInteger(
            database->find(stringArgument(arguments, 0), getParameter(arguments, 1), intArgument(arguments, 2)));
    case GETROWSNO:
        return CMC_VariableFactory::makeInteger(database->getRows());
    case GETCURSORPOS:
        return CMC_VariableFactory::makeInteger(database->getCursorPos());
    default:
        if (runTableMethod(id, database, container, arguments))
            return nullptr;
        return CMC_Runner::run(id, object, container, arguments);
    }
}

bool CMC_Database_Runner::runTableMethod(int id, CMC_Database* database, CMC_ObjectsContainer* container, CXVector* arguments)
{
    int count = argumentCount(arguments);
    switch (id) {
    case ADD:
        if (count >= 1)
            database->add(structureArgument(arguments, 0, container));
        return true;
    case INSERTAT:
        if (count >= 2)
            database->insertAt(intArgument(arguments, 0), structureArgument(arguments, 1, container));
        return true;
    case REMOVE:
        if (count >= 2)
            database->remove(stringArgument(arguments, 0), getParameter(arguments, 1));
        return true;
    case REMOVEAT:
        if (count >= 1)
            database->removeAt(intArgument(arguments, 0));
        return true;
    case REMOVEALL:
        database->removeAll();
        return true;
    case LOAD:
    case SAVE:
        if (count >= 1) {
            CXString fileName = stringArgument(arguments, 0);
            if (id == LOAD)
                database->load(fileName);
            else
                database->save(fileName);
        }
        return true;
    case SELECT:
        if (count >= 1)
            database->select(intArgument(arguments, 0));
        return true;
    case NEXT:
        database->next();
        return true;
    case PREV:
        database->prev();
        return true;
    default:
        return false;
    }
}
