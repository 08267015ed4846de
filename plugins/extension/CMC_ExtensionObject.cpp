#include "plugins/extension/CMC_ExtensionObject.h"

#include "platform/WindowSystem.h"

CMC_ExtensionObject::CMC_ExtensionObject(CMC_ObjectsContainer* container, CMElement* definition, int type)
    : CMC_Object(container, definition, type)
{
    initializeBehaviours(container, definition);
}

CMC_ExtensionObject::CMC_ExtensionObject(CMC_ObjectsContainer* container, int type, const char* text, const char* title)
    : CMC_Object(container, nullptr, type)
{
    platform::windowSystem().showMessage(title, text, nullptr);
}

CXString** CMC_ExtensionObject::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONMODEMFOUND", "ONMODEMNOTFOUND", "ONRINGING", "ONCONNECTED",
                           "ONDISCONNECTED", "ONKEYDOWN", "ONKEYUP"});
}
