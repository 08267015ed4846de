#include "objects/CMC_Mouse.h"

#include "foundation/CMElement.h"
#include "graphics/CMouseObjectLink.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CWindow.h"
#include "objects/CSignalList.h"
#include "script/CMC_ObjectsContainer.h"
#include "script/CMC_TypeIds.h"

CXRect CMC_Mouse::clipRect;

namespace {

// The class's confinement, told of the window's focus changes and of scene unloads.
class MouseWindowLink final : public CMouseObjectLink {
public:
    void reset(CWindow* window, bool clear) override { CMC_Mouse::reset(window, clear); }
    void restore(CWindow* window) override { CMC_Mouse::restore(window); }
};

} // namespace

const CSignalList& CMC_Mouse::signalList()
{
    static const CSignalList list{"ONINIT", "ONDONE", "ONSIGNAL", "ONMOVE", "ONCLICK", "ONRELEASE", "ONDBLCLICK"};
    return list;
}

CXString CMC_Mouse::getButton(int button)
{
    static const char* const kNames[] = {"LEFT", "MIDDLE", "RIGHT"};
    return button >= 0 && button < 3 ? CXString(kNames[button]) : CXString();
}

void CMC_Mouse::installWindowLink()
{
    static MouseWindowLink link;
    CMouseObjectLink::install(&link);
}

CMC_Mouse::CMC_Mouse(CMC_ObjectsContainer* container, const CXString& name)
    : CMC_Object(name, script::TYPE_MOUSE), window_(CMC_ObjectsContainer::windowOf(container))
{
    setScene(container);
    overideSignals(false);
    if (window_ != nullptr) {
        position_ = window_->GetCursorPos();
        window_->registerMouseListener(this, kListenerPriority);
    }
}

CMC_Mouse::CMC_Mouse(CMC_ObjectsContainer* container) : CMC_Mouse(container, CXString("MOUSE")) {}

CMC_Mouse::CMC_Mouse(CMC_ObjectsContainer* container, CMElement* element) : CMC_Mouse(container, element->getName())
{
    initializeBehaviours(container, element);
}

CMC_Mouse::~CMC_Mouse()
{
    beginDestruction();
    if (window_ != nullptr)
        window_->removeMouseListener(this);
}

CXString** CMC_Mouse::getBehavioursList()
{
    return signalList().make();
}

bool CMC_Mouse::isOutside(CXPoint point) const
{
    return !activeRect_.IsEmpty() && !activeRect_.IsInRect(point);
}

bool CMC_Mouse::raisesButton(int signal, CXPoint point) const
{
    return !isOutside(point) && isSignalHandled(signal) && enabled_ && signalsEnabled_;
}

bool CMC_Mouse::onMouseMove(CXPoint point)
{
    position_ = point;
    if (!isOutside(point) && isSignalHandled(ONMOVE) && enabled_)
        onSignal("ONMOVE");
    return CMouseListener::onMouseMove(point);
}

void CMC_Mouse::onMouseMove(CXPoint point, bool relative)
{
    onMouseMove(relative ? position_ + point : point);
}

bool CMC_Mouse::onClick(int button, CXPoint point)
{
    if (button == 0)
        lastClick_ = point;
    if (raisesButton(ONCLICK, point))
        raiseSpecificOrPlain("ONCLICK", getButton(button));
    return CMouseListener::onClick(button, point);
}

bool CMC_Mouse::onRelease(int button, CXPoint point)
{
    if (raisesButton(ONRELEASE, point))
        raiseSpecificOrPlain("ONRELEASE", getButton(button));
    return CMouseListener::onRelease(button, point);
}

bool CMC_Mouse::onDblClick(CXPoint point)
{
    if (raisesButton(ONDBLCLICK, point))
        onSignal("ONDBLCLICK");
    return CMouseListener::onDblClick(point);
}

void CMC_Mouse::show()
{
    if (shown_ || window_ == nullptr)
        return;
    window_->ShowCursor();
    shown_ = true;
}

void CMC_Mouse::hide()
{
    if (!shown_ || window_ == nullptr)
        return;
    window_->HideCursor();
    shown_ = false;
}

void CMC_Mouse::enable()
{
    enabled_ = true;
    // The window goes back to its main cursor.
    if (window_ != nullptr)
        window_->enableMouse(true);
}

void CMC_Mouse::disable()
{
    enabled_ = false;
    // The wait cursor shows while the mouse is off.
    if (window_ != nullptr)
        window_->enableMouse(false);
}

void CMC_Mouse::set(const CXString& shape)
{
    if (shape == "ARROW")
        set(1);
    else if (shape == "WAIT")
        set(2);
    else if (shape == "ACTIVE")
        set(3);
}

void CMC_Mouse::set(int shape)
{
    if (window_ == nullptr)
        return;
    switch (shape) {
    case 1:
        window_->EndActiveCursor();
        break;
    case 2:
        window_->BeginWaitCursor();
        break;
    case 3:
        window_->BeginActiveCursor();
        break;
    default:
        break;
    }
}

void CMC_Mouse::setPosition(int x, int y)
{
    position_ = CXPoint(x, y);
    if (window_ != nullptr)
        window_->SetCursorPos(position_);
}

void CMC_Mouse::move(CXPoint distance)
{
    const CXPoint to = position_ + distance;
    setPosition(to.x, to.y);
}

void CMC_Mouse::setClipRect(int x1, int y1, int x2, int y2)
{
    if (window_ == nullptr)
        return;
    // The script's rectangle is the screen's: the screen stands where the client area does.
    CRefreshScreen* screen = window_->GetRefreshScreenInterface();
    const CXPoint origin = screen != nullptr ? screen->GetPosition() : CXPoint(0, 0);
    clipRect = CXRect(x1, y1, x2, y2) + origin;
    window_->ClipCursor(&clipRect);
}

void CMC_Mouse::restore(CWindow* window)
{
    if (window != nullptr)
        window->ClipCursor(clipRect.IsEmpty() ? nullptr : &clipRect);
}

void CMC_Mouse::reset(CWindow* window, bool clear)
{
    if (clear)
        clipRect.SetToEmpty();
    if (window != nullptr)
        window->ClipCursor(nullptr);
}
