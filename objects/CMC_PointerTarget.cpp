#include "objects/CMC_PointerTarget.h"

#include "graphics/CWindow.h"
#include "objects/CMC_Mouse.h"
#include "script/CMC_ObjectsContainer.h"

CMC_PointerTarget::CMC_PointerTarget(CMC_ObjectsContainer* container, const CXString& name, int type, PointerRules rules)
    : CMC_Object(name, type), window_(CMC_ObjectsContainer::windowOf(container)), rules_(rules)
{
    setScene(container);
}

CMC_PointerTarget::CMC_PointerTarget(CMC_ObjectsContainer* container, CMElement* element, int type, PointerRules rules)
    : CMC_Object(container, element, type), window_(CMC_ObjectsContainer::windowOf(container)), rules_(rules)
{
}

CMC_PointerTarget::~CMC_PointerTarget()
{
    beginDestruction();
    if (listening_ && window_ != nullptr)
        window_->removeMouseListener(this);
}

CXString** CMC_PointerTarget::getBehavioursList()
{
    return signals().make();
}

bool CMC_PointerTarget::isBound(const char* signal) const
{
    return isSignalHandled(signals().positionOf(signal));
}

bool CMC_PointerTarget::verifyBehaviour(const CXString& signal)
{
    bool pointerSignal = signal.startsWith("ONCLICK") || signal.startsWith("ONRELEASE") || signal == "ONFOCUSON" ||
                         signal == "ONFOCUSOFF";
    if (!listening_ && pointerSignal && window_ != nullptr) {
        focused_ = false;
        listening_ = true;
        window_->registerMouseListener(this, listenerPriority());
    }
    return true;
}

void CMC_PointerTarget::listenAgain()
{
    if (!listening_ || window_ == nullptr)
        return;
    window_->removeMouseListener(this);
    window_->registerMouseListener(this, listenerPriority());
}

bool CMC_PointerTarget::acceptsPointer()
{
    if (!asButton_ || !listening_ || (rules_.heldByPause && CWindow::isPaused()))
        return false;
    return isShown();
}

bool CMC_PointerTarget::focusTracked() const
{
    return listening_ && (isBound("ONFOCUSON") || isBound("ONFOCUSOFF"));
}

bool CMC_PointerTarget::onMouseMove(CXPoint point)
{
    bool tracked = focusTracked();
    if (!acceptsPointer() || (rules_.needsBoundSignals && !tracked))
        return false;
    bool inside = hitRect().IsInRect(point);
    if (focused_ && !inside)
        changeFocus(Pointer::Leave, tracked);
    else if (!focused_ && inside)
        changeFocus(Pointer::Enter, tracked);
    return false;
}

void CMC_PointerTarget::changeFocus(Pointer event, bool tracked)
{
    CMC_ObjectRef self(this);
    beforePointerSignal(event);
    if (!self.isAlive())
        return;
    // Without a focus signal the object never counts as focused: every move inside is an entry.
    if (tracked) {
        focused_ = event == Pointer::Enter;
        onSignal(focused_ ? "ONFOCUSON" : "ONFOCUSOFF");
        if (!self.isAlive())
            return;
    }
    afterPointerSignal(event);
}

bool CMC_PointerTarget::onClick(int button, CXPoint point)
{
    bool bound = isBound("ONCLICK");
    if (!acceptsPointer() || (rules_.needsBoundSignals && !bound) || !hitRect().IsInRect(point))
        return false;
    CMC_ObjectRef self(this);
    beforePointerSignal(Pointer::Press);
    if (self.isAlive() && bound)
        raiseSpecificOrPlain("ONCLICK", CMC_Mouse::getButton(button));
    if (self.isAlive())
        afterPointerSignal(Pointer::Press);
    return true;
}

bool CMC_PointerTarget::onRelease(int button, CXPoint point)
{
    if (!acceptsPointer() || !isBound("ONRELEASE") || !hitRect().IsInRect(point))
        return false;
    raiseSpecificOrPlain("ONRELEASE", CMC_Mouse::getButton(button));
    return rules_.takesRelease;
}

void CMC_PointerTarget::afterPointerSignal(Pointer event)
{
    switchCursor(event);
}

void CMC_PointerTarget::switchCursor(Pointer event)
{
    if (!switchCursor_ || window_ == nullptr)
        return;
    if (event == Pointer::Enter)
        window_->BeginActiveCursor();
    else
        window_->EndActiveCursor();
}
