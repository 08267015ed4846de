#include "objects/CMC_CanvasObserver.h"

#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

namespace {

CRefreshScreen* screenOf(CMC_ObjectsContainer* container)
{
    CWindow* window = CMC_ObjectsContainer::windowOf(container);
    return window != nullptr ? window->GetRefreshScreenInterface() : nullptr;
}

} // namespace

const CSignalList& CMC_CanvasObserver::signalList()
{
    static const CSignalList list{"ONINIT",   "ONDONE",          "ONSIGNAL",         "ONINITIALUPDATE", "ONUPDATE",
                                  "ONUPDATED", "ONWINDOWFOCUSON", "ONWINDOWFOCUSOFF", "ONINITIALUPDATED"};
    return list;
}

CMC_CanvasObserver::CMC_CanvasObserver(CMC_ObjectsContainer* container)
    : CMC_Object("tempCANVAS", script::TYPE_CANVASOBSERVER), screen_(screenOf(container))
{
    if (screen_ != nullptr)
        screen_->addNotifier(this);
    setScene(container);
}

CMC_CanvasObserver::CMC_CanvasObserver(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_CANVASOBSERVER), screen_(screenOf(container))
{
    if (screen_ != nullptr)
        screen_->addNotifier(this);
    initializeBehaviours(container, element);
}

CMC_CanvasObserver::~CMC_CanvasObserver()
{
    beginDestruction();
    if (screen_ != nullptr)
        screen_->removeNotifier(this);
}

CXString** CMC_CanvasObserver::getBehavioursList()
{
    return signalList().make();
}

void CMC_CanvasObserver::raise(const char* signal)
{
    if (isSignalHandled(signalList().positionOf(signal)))
        onSignal(signal);
}

void CMC_CanvasObserver::onInitialUpdate()
{
    raise("ONINITIALUPDATE");
}

void CMC_CanvasObserver::onInitialUpdated()
{
    raise("ONINITIALUPDATED");
}

void CMC_CanvasObserver::onUpdate()
{
    raise("ONUPDATE");
}

void CMC_CanvasObserver::onUpdated()
{
    raise("ONUPDATED");
}

void CMC_CanvasObserver::onFocusOn()
{
    raise("ONWINDOWFOCUSON");
}

void CMC_CanvasObserver::onFocusOff()
{
    raise("ONWINDOWFOCUSOFF");
}

CXString CMC_CanvasObserver::getGraphicsAt(CMC_ObjectsContainer* container, int x, int y, bool visibleOnly, int minPriority,
                                           int maxPriority, bool noAlphaTest, bool searchParents)
{
    CGraphicsObject* found = screen_ != nullptr ? screen_->getGraphicsAt(x, y, visibleOnly, minPriority, maxPriority, noAlphaTest) : nullptr;
    if (found == nullptr || container == nullptr)
        return CXString();
    return container->getGraphicsObjectName(found, searchParents);
}

void CMC_CanvasObserver::enableNotify(bool notify)
{
    if (screen_ != nullptr)
        screen_->enableNotifyFlag(notify);
}
