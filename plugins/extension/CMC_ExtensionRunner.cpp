#include "plugins/extension/CMC_ExtensionRunner.h"

CMC_Variable* CMC_ExtensionRunner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    if (object != nullptr && serves(id))
        return call(id, object, container, arguments);
    return CMC_Runner::run(id, object, container, arguments);
}

void CMC_ExtensionRunner::fileMethod(int id, Handler handler, const char* name)
{
    putMethod(name, id);
    setHandler(id, handler);
}
