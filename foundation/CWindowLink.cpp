#include "foundation/CWindowLink.h"

namespace {
CWindowLink* installedLink = nullptr;
}

void CWindowLink::install(CWindowLink* link)
{
    installedLink = link;
}

CWindowLink* CWindowLink::installed()
{
    return installedLink;
}

CXString CWindowLink::cdPath()
{
    return installedLink ? installedLink->getCDPath() : CXString();
}

CXString CWindowLink::rootPath()
{
    return installedLink ? installedLink->getRootPath() : CXString();
}

CLanguageOSVer* CWindowLink::languageOf(CWindow* window)
{
    return installedLink && window ? installedLink->getLangIfc(window) : nullptr;
}

void CWindowLink::notifyLanguageChanged(CWindow* window)
{
    if (installedLink && window)
        installedLink->languageChanged(window);
}
