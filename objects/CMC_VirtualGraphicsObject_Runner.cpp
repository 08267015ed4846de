#include "objects/CMC_VirtualGraphicsObject_Runner.h"

#include "graphics/CAnimo.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CVirtualGraphicsObject.h"
#include "graphics/CWindow.h"
#include "objects/CMC_VirtualGraphicsObject.h"
#include "script/CMC_Bool.h"
#include "script/CMC_Integer.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"
#include "script/CMC_VariableFactory.h"

namespace {

using S = CMC_Media_Runner::Shared;

const CMC_Media_Runner::Method kMethods[] = {
    {"SHOW", CMC_VirtualGraphicsObject_Runner::SHOW, S::None},
    {"HIDE", CMC_VirtualGraphicsObject_Runner::HIDE, S::None},
    {"SETPOSITION", CMC_VirtualGraphicsObject_Runner::SETPOSITION, S::None},
    {"MOVE", CMC_VirtualGraphicsObject_Runner::MOVE, S::None},
    {"SETSOURCE", CMC_VirtualGraphicsObject_Runner::SETSOURCE, S::None},
    {"SETMASK", CMC_VirtualGraphicsObject_Runner::SETMASK, S::None},
    {"CLEARCLIPPING", CMC_VirtualGraphicsObject_Runner::CLEARCLIPPING, S::None},
    {"SETCLIPPING", CMC_VirtualGraphicsObject_Runner::SETCLIPPING, S::None},
    {"GETPOSITIONX", CMC_VirtualGraphicsObject_Runner::GETPOSITIONX, S::None},
    {"GETPOSITIONY", CMC_VirtualGraphicsObject_Runner::GETPOSITIONY, S::None},
    {"GETWIDTH", CMC_VirtualGraphicsObject_Runner::GETWIDTH, S::None},
    {"GETHEIGHT", CMC_VirtualGraphicsObject_Runner::GETHEIGHT, S::None},
    {"ISNEAR", CMC_VirtualGraphicsObject_Runner::ISNEAR, S::None},
    {"ISINSIDE", CMC_VirtualGraphicsObject_Runner::ISINSIDE, S::None},
    {"MONITORCOLLISION", CMC_VirtualGraphicsObject_Runner::MONITORCOLLISION, S::None},
    {"REMOVEMONITORCOLLISION", CMC_VirtualGraphicsObject_Runner::REMOVEMONITORCOLLISION, S::None},
    {"SETPRIORITY", CMC_VirtualGraphicsObject_Runner::SETPRIORITY, S::None},
    {"INVALIDATE", CMC_VirtualGraphicsObject_Runner::INVALIDATE, S::None},
    {"ISVISIBLE", CMC_VirtualGraphicsObject_Runner::ISVISIBLE, S::None},
    {"SETASBUTTON", CMC_VirtualGraphicsObject_Runner::SETASBUTTON, S::None},
};

} // namespace

void CMC_VirtualGraphicsObject_Runner::prepareMthHashSet()
{
    putMethods(kMethods);
}

CMC_Variable* CMC_VirtualGraphicsObject_Runner::run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments)
{
    auto* virtualObject = dynamic_cast<CMC_VirtualGraphicsObject*>(object);
    CVirtualGraphicsObject* graphics = virtualObject != nullptr ? virtualObject->getGraphics() : nullptr;
    if (graphics == nullptr || id < SHOW || id > SETASBUTTON)
        return CMC_Runner::run(id, object, container, arguments);
    if (container == nullptr)
        container = virtualObject->getScene();
    if (runSetting(id, virtualObject, graphics, container, arguments))
        return nullptr;
    return runQuery(id, graphics, container, arguments);
}

bool CMC_VirtualGraphicsObject_Runner::runSetting(int id, CMC_VirtualGraphicsObject* object, CVirtualGraphicsObject* graphics,
                                                  CMC_ObjectsContainer* container, CXVector* arguments)
{
    switch (id) {
    case SHOW:
    case HIDE:
        graphics->Visible(id == SHOW);
        return true;
    case SETPOSITION:
        placeAt(graphics, intArgument(arguments, 0), intArgument(arguments, 1));
        return true;
    case MOVE:
        graphics->Move(intArgument(arguments, 0), intArgument(arguments, 1));
        return true;
    case SETSOURCE:
        if (CGraphicsObject* source = pictureNamed(container, stringArgument(arguments, 0)))
            graphics->setSource(source);
        return true;
    case SETMASK:
        setMask(graphics, container, stringArgument(arguments, 0));
        return true;
    case CLEARCLIPPING:
        graphics->SetClippingRect(CXRect(0, 0, 0, 0));
        return true;
    case SETCLIPPING:
        setClipping(graphics, container, arguments);
        return true;
    case MONITORCOLLISION:
        object->monitorCollisions(boolArgument(arguments, 0));
        graphics->setMonitorCollisions(true);
        return true;
    case REMOVEMONITORCOLLISION:
        object->removeCollisionsMonitoring();
        graphics->setMonitorCollisions(false);
        return true;
    case SETPRIORITY:
        if (CRefreshScreen* screen = graphics->getWindow() != nullptr ? graphics->getWindow()->GetRefreshScreenInterface() : nullptr)
            screen->SetPriority(graphics, intArgument(arguments, 0));
        return true;
    case INVALIDATE:
        graphics->Invalidate();
        return true;
    case SETASBUTTON:
        return true;
    default:
        return false;
    }
}

CMC_Variable* CMC_VirtualGraphicsObject_Runner::runQuery(int id, CVirtualGraphicsObject* graphics, CMC_ObjectsContainer* container,
                                                         CXVector* arguments)
{
    switch (id) {
    case GETPOSITIONX:
        return CMC_VariableFactory::makeInteger(graphics->GetPosition().x);
    case GETPOSITIONY:
        return CMC_VariableFactory::makeInteger(graphics->GetPosition().y);
    case GETWIDTH:
        return CMC_VariableFactory::makeInteger(graphics->Width());
    case GETHEIGHT:
        return CMC_VariableFactory::makeInteger(graphics->Height());
    case ISNEAR:
        return isNear(graphics, container, arguments);
    case ISINSIDE:
        // Through the mask: the object has no alpha of its own.
        return CMC_VariableFactory::makeBool(
            graphics->testHit(CXPoint(intArgument(arguments, 0), intArgument(arguments, 1)), boolArgument(arguments, 2)));
    case ISVISIBLE:
        return CMC_VariableFactory::makeBool(graphics->isVisible());
    default:
        return nullptr;
    }
}

void CMC_VirtualGraphicsObject_Runner::setMask(CVirtualGraphicsObject* graphics, CMC_ObjectsContainer* container, const CXString& name)
{
    CGraphicsObject* mask = pictureNamed(container, name);
    if (mask == nullptr)
        return;
    CMC_Object* owner = container->getObject(name);
    auto* animation = dynamic_cast<CAnimo*>(mask);
    if (owner != nullptr && owner->getType() == script::TYPE_ANIMO && animation != nullptr)
        graphics->setMask(animation);
    else
        graphics->setMask(mask);
}
