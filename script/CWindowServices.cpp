#include "script/CWindowServices.h"

namespace {
CWindowServices* installedServices = nullptr;
}

void CWindowServices::install(CWindowServices* services)
{
    installedServices = services;
}

CWindowServices* CWindowServices::installed()
{
    return installedServices;
}

CXTimer* CWindowServices::timersOf(CWindow* window)
{
    return installedServices != nullptr ? installedServices->getTimerInterface(window) : nullptr;
}

bool CWindowServices::toPublicTrash(CWindow* window, CMC_Object* object)
{
    return installedServices != nullptr && installedServices->addToPublicTrash(window, object);
}

CMC_Object* CWindowServices::applicationOf(CWindow* window)
{
    return installedServices != nullptr ? installedServices->getApplicationObject(window) : nullptr;
}
