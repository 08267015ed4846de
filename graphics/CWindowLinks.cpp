#include "graphics/CWindowLinks.h"

#include "graphics/CEngineHost.h"
#include "graphics/CPublicTrash.h"
#include "graphics/CWindow.h"

namespace {

template <class Link>
void uninstallIfMine(Link* mine)
{
    if (Link::installed() == mine)
        Link::install(nullptr);
}

} // namespace

CWindowLinks::CWindowLinks()
{
    CWindowLink::install(this);
    CWindowServices::install(this);
    CLogSink::install(this);
}

CWindowLinks::~CWindowLinks()
{
    uninstallIfMine<CWindowLink>(this);
    uninstallIfMine<CWindowServices>(this);
    uninstallIfMine<CLogSink>(this);
}

CXString CWindowLinks::getCDPath() const
{
    return CWindow::getCDPath();
}

CXString CWindowLinks::getRootPath() const
{
    return CWindow::rootPath;
}

CLanguageOSVer* CWindowLinks::getLangIfc(CWindow* window) const
{
    return window->getLangIfc();
}

void CWindowLinks::languageChanged(CWindow* window)
{
    window->languageChanged();
}

CXTimer* CWindowLinks::getTimerInterface(CWindow* window)
{
    return window != nullptr ? window->GetTimerInterface() : nullptr;
}

bool CWindowLinks::addToPublicTrash(CWindow* window, CMC_Object* object)
{
    CPublicTrash* trash = window != nullptr ? window->getPublicTrashInterface() : nullptr;
    if (trash == nullptr)
        return false;
    trash->add(object);
    return true;
}

CMC_Object* CWindowLinks::getApplicationObject(CWindow* window)
{
    CEngineHost* host = window != nullptr ? window->GetApplicationInterface() : nullptr;
    return host != nullptr ? host->getApplicationObject() : nullptr;
}

void CWindowLinks::toLog(const CXString& text, bool flag)
{
    CWindow::toLog(text, flag);
}
