#include "objects/CMC_Animo.h"

#include "foundation/CMElement.h"
#include "foundation/CXArray.h"
#include "graphics/CAnimo6.h"
#include "graphics/CFrame.h"
#include "graphics/CRefreshScreen.h"
#include "objects/CSceneResources.h"
#include "script/CMC_TypeIds.h"

namespace {

const CMC_PointerTarget::PointerRules kAnimoPointer{false, true, true};

} // namespace

const CSignalList& CMC_Animo::signalList()
{
    static const CSignalList list{"ONINIT",         "ONDONE",      "ONSIGNAL",    "ONSTARTED",         "ONFINISHED",
                                  "ONPAUSED",       "ONRESUMED",   "ONFRAMECHANGED", "ONCOLLISION", "ONCOLLISIONFINISHED",
                                  "ONFOCUSON",      "ONFOCUSOFF",  "ONCLICK",     "ONRELEASE"};
    return list;
}

CMC_Animo::CMC_Animo(CMC_ObjectsContainer* container) : CMC_GraphicsMedia(container, "temp", script::TYPE_ANIMO, kAnimoPointer)
{
}

CMC_Animo::CMC_Animo(CMC_ObjectsContainer* container, CMElement* element)
    : CMC_GraphicsMedia(container, element, script::TYPE_ANIMO, kAnimoPointer)
{
    Definition definition = readDefinition(element);
    int fps = element->getPropertyIntValue("FPS");
    load(definition.file, definition.loadNow);
    if (CAnimo6* animation = getAnimo()) {
        animation->toRelease(definition.flushAfterPlayed);
        monitorCollisionsAsAsked();
        if (definition.toCanvas)
            putOnScreen(priority_);
        animation->setVisibility(definition.visible);
        animation->SetFPS(fps == 0 ? 15 : fps);
        animation->addNotifier(this);
    }
    asButton_ = element->getPropertyBoolValue("ASBUTTON");
    firstFrameHit_ = element->getPropertyBoolValue("ONFIRSTFRAME");
    initializeBehaviours(container, element);
}

CMC_Animo::CMC_Animo(CMC_ObjectsContainer* container, CAnimo6* copy)
    : CMC_GraphicsMedia(container, "clone", script::TYPE_ANIMO, kAnimoPointer)
{
    setEngine(copy);
    if (copy != nullptr)
        copy->setNotifier(this);
}

CMC_Animo::~CMC_Animo()
{
    beginDestruction();
    releaseEngine();
    delete sequences_;
}

CXObject* CMC_Animo::clone() const
{
    CAnimo6* animation = getAnimo();
    if (animation == nullptr)
        return nullptr;
    auto* copy = static_cast<CAnimo6*>(animation->clone());
    auto* made = new CMC_Animo(const_cast<CMC_Animo*>(this)->getScene(), copy);
    int priority = getScreenPriority();
    made->putOnScreen(priority >= 0 ? priority : 0);
    return made;
}

CAnimo6* CMC_Animo::getAnimo() const
{
    return static_cast<CAnimo6*>(getGraphics());
}

CPlayable* CMC_Animo::getAnimoPlayable()
{
    return getPlayable();
}

// ---- engine object ---------------------------------------------------------------------------

bool CMC_Animo::takeShared(CResourcesManager* manager, const CXString& file)
{
    return takeSharedAs<CAnimo6>(manager, file);
}

void CMC_Animo::makeEngine()
{
    setEngine(new CAnimo6(window()));
}

void CMC_Animo::readFile(const CXString& file)
{
    getAnimo()->Load(file);
}

void CMC_Animo::letGo()
{
    lendAnimation(nullptr);
    getAnimo()->removeNotifier(this);
}

void CMC_Animo::redisplayed()
{
    // The object becomes the only one that hears the animation.
    getAnimo()->setNotifier(this);
}

void CMC_Animo::loaded()
{
    lendAnimation(getAnimo());
}

void CMC_Animo::lendAnimation(CAnimo6* animation)
{
    for (int i = 0; sequences_ != nullptr && i < sequences_->getSize(); ++i)
        static_cast<CPlayable*>((*sequences_)[i])->substAnimation(animation);
}

void CMC_Animo::addSeq(CPlayable* sequence)
{
    if (sequences_ == nullptr)
        sequences_ = new CXArray(101, 0.75f);
    if (sequence != nullptr && !sequences_->contains(sequence))
        sequences_->add(sequence);
}

void CMC_Animo::removeSeq(CPlayable* sequence)
{
    if (sequences_ != nullptr)
        sequences_->remove(sequence);
}

// ---- signals ---------------------------------------------------------------------------------

CXString CMC_Animo::getSignalEvent(const CXString& event)
{
    static const char kReverse[] = "_REVERSE";
    constexpr int kReverseLength = sizeof(kReverse) - 1;
    if (event.getLength() > kReverseLength && event.endsWith(kReverse))
        return event.Left(event.getLength() - kReverseLength);
    return event;
}

CXString CMC_Animo::currentEvent()
{
    CAnimo6* animation = getAnimo();
    CXString event = animation != nullptr ? animation->getCurrentEventName() : CXString();
    return getSignalEvent(event.Upper());
}

bool CMC_Animo::collisionEvent(CXString& event)
{
    event = currentEvent();
    return true;
}

bool CMC_Animo::onPlayableStarted(CPlayable*)
{
    if (isBound("ONSTARTED"))
        raiseSpecificOrPlain("ONSTARTED", currentEvent());
    return false;
}

bool CMC_Animo::onPlayableFinished(CPlayable*)
{
    if (isBound("ONFINISHED"))
        raiseSpecificOrPlain("ONFINISHED", currentEvent());
    return false;
}

bool CMC_Animo::onPlayableTick(CPlayable*)
{
    if (isBound("ONFRAMECHANGED"))
        raiseFrameChanged();
    return false;
}

// A named frame raises "ONFRAMECHANGED^" + its name, an unnamed one "ONFRAMECHANGEDFRAME^" + its
// number over the whole animation; then "ONFRAMECHANGED^" + E, then the plain signal.
void CMC_Animo::raiseFrameChanged()
{
    CAnimo6* animation = getAnimo();
    if (animation == nullptr)
        return;
    _anmFrameInfo3* record = animation->GetFrameInfo(animation->GetCurrentEvent(), animation->GetCurrentFrameInSequence());
    CXString event = CXString("ONFRAMECHANGED^") + currentEvent();
    if (record != nullptr && record->name.IsString()) {
        CXString name = record->name;
        raiseFirstOf({CXString("ONFRAMECHANGED^") + name.Upper(), event}, "ONFRAMECHANGED");
    } else {
        raiseFirstOf({CXString("ONFRAMECHANGEDFRAME^") + CXString::toString(animation->GetFrameNo()), event}, "ONFRAMECHANGED");
    }
}

// ---- pointer ---------------------------------------------------------------------------------

bool CMC_Animo::isShown()
{
    return getAnimo() != nullptr && getAnimo()->isVisible();
}

CXRect CMC_Animo::hitRect()
{
    CAnimo6* animation = getAnimo();
    if (animation == nullptr)
        return CXRect();
    if (!firstFrameHit_)
        return animation->GetBoundingBox();
    // The first frame where the animation would show it.
    CFrame* first = animation->GetFrame(0);
    if (first == nullptr)
        return CXRect();
    CXPoint at = first->GetFramePosition() + animation->getPosition();
    return CXRect(at.x, at.y, at.x + first->Width(), at.y + first->Height());
}

void CMC_Animo::setAsButton(bool asButton, bool switchCursor)
{
    asButton_ = asButton;
    switchCursor_ = switchCursor;
    focused_ = false;
    if (CAnimo6* animation = getAnimo())
        animation->Play(CXString("ONNOEVENT"), 0, 0);
}

void CMC_Animo::beforePointerSignal(Pointer event)
{
    switch (event) {
    case Pointer::Enter:
        onFoncusOn();
        break;
    case Pointer::Leave:
        onFocusOff();
        break;
    case Pointer::Press:
        onClick();
        break;
    }
}

void CMC_Animo::playUnlessClicked(const char* event)
{
    CAnimo6* animation = getAnimo();
    if (animation != nullptr && !animation->isPlaying("ONCLICK"))
        animation->Play(CXString(event), 0, 0);
}

void CMC_Animo::onFoncusOn()
{
    if (asButton_)
        playUnlessClicked("ONFOCUSON");
    switchCursor(Pointer::Enter);
}

void CMC_Animo::onFocusOff()
{
    playUnlessClicked("ONFOCUSOFF");
    switchCursor(Pointer::Leave);
}

void CMC_Animo::onClick()
{
    playUnlessClicked("ONCLICK");
    switchCursor(Pointer::Press);
}
