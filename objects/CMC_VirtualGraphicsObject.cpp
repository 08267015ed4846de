#include "objects/CMC_VirtualGraphicsObject.h"

#include "application/CMC_Scene.h"
#include "foundation/CMElement.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CVirtualGraphicsObject.h"
#include "graphics/CWindow.h"
#include "objects/CSceneResources.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

const CSignalList& CMC_VirtualGraphicsObject::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL"};
    return list;
}

CMC_VirtualGraphicsObject::CMC_VirtualGraphicsObject(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_VIRTUAL_GRAPHICSOBJECT)
{
    bool toCanvas = element->getPropertyBoolValue("TOCANVAS");
    bool visible = element->getPropertyBoolValue("VISIBLE");
    bool monitorCollision = element->getPropertyBoolValue("MONITORCOLLISION");
    bool monitorCollisionAlpha = element->getPropertyBoolValue("MONITORCOLLISIONALPHA");
    int priority = element->getPropertyIntValue("PRIORITY");
    graphics_ = std::make_unique<CVirtualGraphicsObject>(CMC_ObjectsContainer::windowOf(container));
    if (!visible)
        graphics_->Visible(false);
    if (monitorCollision || monitorCollisionAlpha)
        monitorCollisions(monitorCollisionAlpha);
    CWindow* shownOn = window();
    if (toCanvas && shownOn != nullptr && shownOn->GetRefreshScreenInterface() != nullptr)
        shownOn->GetRefreshScreenInterface()->put(graphics_.get(), priority);
    initializeBehaviours(container, element);
}

CMC_VirtualGraphicsObject::CMC_VirtualGraphicsObject(CMC_ObjectsContainer* container, CVirtualGraphicsObject* graphics)
    : CMC_Object("clone", script::TYPE_VIRTUAL_GRAPHICSOBJECT), graphics_(graphics)
{
    setScene(container);
}

CMC_VirtualGraphicsObject::~CMC_VirtualGraphicsObject()
{
    beginDestruction();
    // The watching must not outlive the object it watches.
    if (CMC_Scene* watching = scene(); watching != nullptr && graphics_ != nullptr)
        watching->removeMonitorCollisions(graphics_.get(), this);
    if (graphics_ != nullptr)
        graphics_->Invalidate();
}

CXString** CMC_VirtualGraphicsObject::getBehavioursList()
{
    return signalList().make();
}

CWindow* CMC_VirtualGraphicsObject::window() const
{
    return graphics_ != nullptr ? graphics_->getWindow() : nullptr;
}

CMC_Scene* CMC_VirtualGraphicsObject::scene()
{
    return CSceneResources::sceneOf(this);
}

void CMC_VirtualGraphicsObject::monitorCollisions(bool alphaTest)
{
    if (CMC_Scene* watching = scene(); watching != nullptr && graphics_ != nullptr)
        watching->monitorCollisions(graphics_.get(), alphaTest, this);
}

CXObject* CMC_VirtualGraphicsObject::clone() const
{
    if (graphics_ == nullptr)
        return nullptr;
    auto* copy = static_cast<CVirtualGraphicsObject*>(graphics_->clone());
    CWindow* shownOn = window();
    CRefreshScreen* screen = shownOn != nullptr ? shownOn->GetRefreshScreenInterface() : nullptr;
    int priority = screen != nullptr ? screen->GetPriority(graphics_.get()) : -1;
    if (priority >= 0)
        screen->put(copy, priority);
    return new CMC_VirtualGraphicsObject(const_cast<CMC_VirtualGraphicsObject*>(this)->getScene(), copy);
}
