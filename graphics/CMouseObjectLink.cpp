#include "graphics/CMouseObjectLink.h"

void CMouseObjectLink::resetMouseObject(CWindow* window, bool clear)
{
    if (installed() != nullptr)
        installed()->reset(window, clear);
}

void CMouseObjectLink::restoreMouseObject(CWindow* window)
{
    if (installed() != nullptr)
        installed()->restore(window);
}
