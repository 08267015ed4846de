#include "plugins/extension/CMC_GameMouse_Runner.h"

void CMC_GameMouse_Runner::prepareMthHashSet()
{
    CMC_Runner::prepareMthHashSet();
    registerShow(SHOW);
    registerMethod<&CMC_GameMouse_Runner::go>(GO, "GO");
    registerEmpty(EMPTY);
}

CMC_Variable* CMC_GameMouse_Runner::go(CMC_Object*, CMC_ObjectsContainer* container, CXVector*)
{
    // Looking is all GO does: the scene's pointer stays as it is.
    lookUp<CMC_Object>(container, "MOUSE");
    return nullptr;
}
