#include "foundation/CWindowLink.h"

CXString CWindowLink::cdPath()
{
    return installed() ? installed()->getCDPath() : CXString();
}

CXString CWindowLink::rootPath()
{
    return installed() ? installed()->getRootPath() : CXString();
}

CLanguageOSVer* CWindowLink::languageOf(CWindow* window)
{
    return installed() && window ? installed()->getLangIfc(window) : nullptr;
}

void CWindowLink::notifyLanguageChanged(CWindow* window)
{
    if (installed() && window)
        installed()->languageChanged(window);
}
