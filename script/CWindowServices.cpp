#include "script/CWindowServices.h"

CXTimer* CWindowServices::timersOf(CWindow* window)
{
    return installed() != nullptr ? installed()->getTimerInterface(window) : nullptr;
}

bool CWindowServices::toPublicTrash(CWindow* window, CMC_Object* object)
{
    return installed() != nullptr && installed()->addToPublicTrash(window, object);
}

CMC_Object* CWindowServices::applicationOf(CWindow* window)
{
    return installed() != nullptr ? installed()->getApplicationObject(window) : nullptr;
}
