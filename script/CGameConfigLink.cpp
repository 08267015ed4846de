#include "script/CGameConfigLink.h"

CConfig* CGameConfigLink::configOf(CWindow* window)
{
    return installed() != nullptr ? installed()->getGameConfig(window) : nullptr;
}
