#include "objects/CMC_Button.h"

#include "application/CMC_Scene.h"
#include "application/CUnit6.h"
#include "foundation/CMElement.h"
#include "foundation/CXArchive.h"
#include "graphics/CButton.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "objects/CMC_Sound.h"
#include "objects/CSceneResources.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"
#include "sound/CSound4.h"

const CSignalList& CMC_Button::signalList()
{
    static const CSignalList list{"ONINIT",     "ONDONE",   "ONSIGNAL",        "ONFOCUSON",  "ONFOCUSOFF",   "ONPAUSED",
                                  "ONCLICKED", "ONRELEASED", "ONACTION", "ONSTARTDRAGGING", "ONDRAGGING", "ONENDDRAGGING"};
    return list;
}

CMC_Button::CMC_Button(CMC_ObjectsContainer* container)
    : CMC_Object("", script::TYPE_BUTTON), window_(CMC_ObjectsContainer::windowOf(container))
{
    setScene(container);
}

CMC_Button::CMC_Button(CMC_ObjectsContainer* container, CButton* button, const CXString& name)
    : CMC_Object(name, script::TYPE_BUTTON), window_(CMC_ObjectsContainer::windowOf(container)), button_(button)
{
    setScene(container);
    adopt();
}

CMC_Button::CMC_Button(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_Object(container, element, script::TYPE_BUTTON), window_(CMC_ObjectsContainer::windowOf(container)),
      accent_(element->getPropertyValue("ACCENT")), standard_(element->getPropertyValue("GFXSTANDARD")),
      onMove_(element->getPropertyValue("GFXONMOVE")), onClick_(element->getPropertyValue("GFXONCLICK")),
      soundStandard_(element->getPropertyValue("SNDSTANDARD")), soundOnMove_(element->getPropertyValue("SNDONMOVE")),
      soundOnClick_(element->getPropertyValue("SNDONCLICK")), drag_(element->getPropertyValue("DRAG")),
      rect_(element->getPropertyValue("RECT")), enable_(element->getPropertyBoolValue("ENABLE")),
      draggable_(element->getPropertyBoolValue("DRAGGABLE")), priority_(element->getPropertyIntValue("PRIORITY"))
{
    createButton();
    // A pointer already resting over the button counts as hovering.
    if (button_ != nullptr)
        button_->SYN();
    initializeBehaviours(container, element);
}

CMC_Button::~CMC_Button()
{
    beginDestruction();
    button_.reset();
}

CXString** CMC_Button::getBehavioursList()
{
    return signalList().make();
}

CXObject* CMC_Button::clone() const
{
    if (button_ == nullptr)
        return nullptr;
    auto* copy = static_cast<CButton*>(button_->clone());
    return new CMC_Button(const_cast<CMC_Button*>(this)->getScene(), copy, "cloned");
}

// ---- the engine button -----------------------------------------------------------------------

void CMC_Button::adopt()
{
    if (button_ == nullptr)
        return;
    button_->addNotifier(this);
    button_->setMCButton(this);
    // Whatever it is given later belongs to other objects too.
    button_->SetDeleteFlags(false, false);
}

CGraphicsObject* CMC_Button::graphicsOf(const CXString& name)
{
    CMC_ObjectsContainer* container = getScene();
    return container != nullptr ? container->getGraphicsObject(name) : nullptr;
}

CPlayable* CMC_Button::soundOf(const CXString& name)
{
    CMC_ObjectsContainer* container = getScene();
    auto* owner = dynamic_cast<CMC_Sound*>(container != nullptr && name.IsString() ? container->getObject(name) : nullptr);
    return owner != nullptr ? owner->getSound() : nullptr;
}

CXRect CMC_Button::activeRect()
{
    if (!rect_.IsString())
        return CXRect();
    CGraphicsObject* area = graphicsOf(rect_);
    if (area == nullptr)
        return rect_.toRect();
    CRefreshScreen* screen = window_->GetRefreshScreenInterface();
    priority_ = screen != nullptr ? screen->GetPriority(area) : -1;
    return area->GetBoundingBox();
}

void CMC_Button::createButton()
{
    if (window_ == nullptr)
        return;
    button_ = std::make_unique<CButton>(window_, activeRect(), -1, this);
    button_->addNotifier(this);
    CUnit6* unit = CMC_Scene::getDefUnit();
    if (unit != nullptr)
        button_->addNotifier(unit);
    button_->EnableDragging(draggable_);
    button_->setUnit(unit);
    button_->setPriority(priority_);
    if (draggable_)
        button_->SetDragging(graphicsOf(drag_));
    // With no area of its own the standard picture is the area and what is dragged.
    if (standard_.IsString())
        button_->Set(graphicsOf(standard_), nullptr, true, false);
    CMC_ObjectsContainer* container = getScene();
    if (container != nullptr && soundOnMove_.IsString() && container->getObject(soundOnMove_) != nullptr)
        button_->SetOnMove(graphicsOf(onMove_), soundOf(soundOnMove_));
    else if (onMove_.IsString())
        button_->SetOnMove(graphicsOf(onMove_), nullptr);
    button_->SetOnClick(graphicsOf(onClick_), soundOf(soundOnClick_));
    button_->SetDeleteFlags(false, false);
    button_->Enable(enable_);
    if (accent_.IsString())
        button_->Accent(graphicsOf(accent_), false);
}

// ---- signals ---------------------------------------------------------------------------------

void CMC_Button::raise(const char* signal)
{
    if (isSignalHandled(signalList().positionOf(signal)))
        onSignal(signal);
}

void CMC_Button::onControlFocusOn(CControl*, CXPoint)
{
    raise("ONFOCUSON");
}

void CMC_Button::onControlFocusOff(CControl*, CXPoint)
{
    raise("ONFOCUSOFF");
}

void CMC_Button::onControlClicked(CControl*, CXPoint)
{
    raise("ONCLICKED");
}

void CMC_Button::onControlReleased(CControl*, CXPoint)
{
    raise("ONRELEASED");
}

void CMC_Button::onControlAction(CControl*, CXPoint)
{
    raise("ONACTION");
}

CXString CMC_Button::draggedName()
{
    CMC_ObjectsContainer* container = getScene();
    CGraphicsObject* dragged = button_->GetDragging() != nullptr ? button_->GetDragging() : button_->GetStandard();
    return container != nullptr ? container->getGraphicsObjectName(dragged, true) : CXString();
}

void CMC_Button::onStartDragging(CControl*, CXPoint)
{
    // Named whether a behaviour hears the drag or not.
    if (CMC_Scene* scene = CSceneResources::sceneOf(this); scene != nullptr && button_ != nullptr)
        scene->setDraggedName(draggedName());
    raise("ONSTARTDRAGGING");
}

void CMC_Button::onDragging(CControl*, CXPoint)
{
    raise("ONDRAGGING");
}

void CMC_Button::onEndDragging(CControl*, CXPoint)
{
    CMC_Scene* scene = CSceneResources::sceneOf(this);
    CMC_ObjectRef sceneAlive(scene);
    raise("ONENDDRAGGING");
    // The handler may have ended the button; the drag is over all the same.
    if (sceneAlive.isAlive())
        scene->setDraggedName("");
}

// ---- stored record ---------------------------------------------------------------------------

void CMC_Button::serialize(CXArchive* archive)
{
    CMC_Object::serialize(archive);
    if (archive->isStoring()) {
        *archive << accent_ << standard_ << onMove_ << onClick_ << soundStandard_ << soundOnMove_ << soundOnClick_ << drag_
                 << rect_ << enable_ << draggable_ << priority_;
        return;
    }
    *archive >> &accent_ >> &standard_ >> &onMove_ >> &onClick_ >> &soundStandard_ >> &soundOnMove_ >> &soundOnClick_ >>
        &drag_ >> &rect_ >> &enable_ >> &draggable_ >> &priority_;
    if (archive->LastError() == 0)
        createButton();
}
