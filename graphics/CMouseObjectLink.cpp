#include "graphics/CMouseObjectLink.h"

void CMouseObjectLink::resetMouseObject(bool clear)
{
    if (installed() != nullptr)
        installed()->reset(clear);
}

void CMouseObjectLink::restoreMouseObject()
{
    if (installed() != nullptr)
        installed()->restore();
}
