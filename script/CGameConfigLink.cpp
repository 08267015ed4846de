#include "script/CGameConfigLink.h"

namespace {
CGameConfigLink* installedLink = nullptr;
}

void CGameConfigLink::install(CGameConfigLink* link)
{
    installedLink = link;
}

CGameConfigLink* CGameConfigLink::installed()
{
    return installedLink;
}

CConfig* CGameConfigLink::configOf(CWindow* window)
{
    return installedLink != nullptr ? installedLink->getGameConfig(window) : nullptr;
}
