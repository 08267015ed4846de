#include "graphics/CButton.h"

#include "graphics/CButtonHotSpot.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPlayable.h"
#include "graphics/CRefreshScreen.h"
#include "graphics/CScreenUnit.h"
#include "graphics/CWindow.h"
#include "platform/Input.h"

#include <algorithm>

CButton::CButton(CWindow* window, CXRect rect, int id, CMC_Button* button)
    : CControl(window), rect_(rect), screen_(window->GetRefreshScreenInterface()),
      hotSpot_(std::make_unique<CButtonHotSpot>(*this, window, button))
{
    hotSpot_->SetActiveRect(rect_, CWindow::MOUSE_MOVE, 0);
    SetID(id);
}

CButton::CButton(CWindow* window, int id, CMC_Button* button) : CButton(window, CXRect(), id, button) {}

CButton::~CButton()
{
    unwatchLooks();
    if (ownsMedia()) {
        if (deleteGraphics_) {
            for (CGraphicsObject* look : {standard_, onMove_, onClick_}) {
                if (look == nullptr)
                    continue;
                look->Hide();
                takeOff(look);
                delete look;
            }
        }
        if (deleteSounds_) {
            delete onMoveSound_.get();
            delete onClickSound_.get();
        }
    }
}

CXObject* CButton::clone() const
{
    auto* copy = new CButton(getWindow(), 0, nullptr);
    copy->CControl::Enable(IsEnabled());
    copy->hotSpot_->Enable(IsEnabled());
    copy->SetFlags(GetFlags());
    copy->rect_ = rect_;
    copy->pressed_ = pressed_;
    copy->frozen_ = frozen_;
    copy->soundLocked_ = soundLocked_;
    copy->deleteGraphics_ = deleteGraphics_;
    copy->deleteSounds_ = deleteSounds_;
    copy->hideStandardWhileOnMove_ = hideStandardWhileOnMove_;
    copy->standard_ = standard_;
    copy->onMove_ = onMove_;
    copy->onClick_ = onClick_;
    copy->accent_ = accent_;
    copy->dragging_ = dragging_;
    copy->onMoveSound_ = onMoveSound_;
    copy->onClickSound_ = onClickSound_;
    copy->parent_ = parent_;
    copy->playOnlyWhenSilent_ = playOnlyWhenSilent_;
    copy->draggingEnabled_ = draggingEnabled_;
    if (!sharedMedia_)
        sharedMedia_ = std::make_shared<bool>(true);
    copy->sharedMedia_ = sharedMedia_;
    copy->watchLooks();
    return copy;
}

void CButton::SetID(int id)
{
    CControl::SetID(id);
    hotSpot_->SetID(id);
}

void CButton::Enable(bool enabled)
{
    CControl::Enable(enabled);
    show(standard_, enabled);
    if (!enabled) {
        if (CWindow* window = getWindow())
            window->EndActiveCursor();
        frozen_ = false;
        show(onMove_, false);
        show(onClick_, false);
    }
    hotSpot_->Enable(enabled);
}

void CButton::DisableButVisible()
{
    CControl::Enable(false);
    if (CWindow* window = getWindow())
        window->EndActiveCursor();
    show(onClick_, false);
    show(onMove_, false);
    show(standard_, true);
    hotSpot_->Enable(false);
}

int CButton::getPriority()
{
    return hotSpot_->getPriority();
}

void CButton::setPriority(int priority)
{
    hotSpot_->setPriority(priority);
}

int CButton::GetID()
{
    return hotSpot_->GetID();
}

void CButton::Freeze(bool frozen)
{
    frozen_ = frozen;
    show(onMove_, frozen);
}

int CButton::OnMove(CXPoint point, int flags, void* parent)
{
    return onMouseMove(point);
}

int CButton::OnClick(CXPoint point, int flags, void* parent)
{
    int result = 0;
    CScreenUnit* unit = hotSpot_->getUnit();
    CGraphicsObject* dragged = nullptr;
    if (draggingEnabled_ && unit != nullptr)
        dragged = dragging_ != nullptr ? dragging_ : standard_ != nullptr ? standard_ : onMove_;
    if (dragged != nullptr) {
        Enable(false);
        dragged->Show();
        const std::shared_ptr<const bool> alive = lifeToken();
        result = unit->onStartDragging(dragged, point, this) ? 1 : 0;
        if (!*alive)
            return result;
    }
    // Pressing plays the click whatever the silence rule says.
    if (onClickSound_ && !soundLocked_)
        onClickSound_->play();
    onClick(point);
    return result;
}

bool CButton::Set(CGraphicsObject* standard, void* parent, bool removeOld, bool alpha)
{
    parent_ = parent;
    if (removeOld && standard_ != nullptr)
        takeOff(standard_);
    standard_ = standard;
    if (standard != nullptr) {
        put(standard);
        hotSpot_->SetParent(static_cast<CXObject*>(parent));
    }
    if (rect_.IsEmpty()) {
        accent_ = dragging_ = standard;
        hotSpot_->Set(standard, alpha);
    }
    watchLooks();
    return true;
}

bool CButton::SetOnMove(CGraphicsObject* look, CPlayable* sound)
{
    setHiddenLook(onMove_, look);
    onMoveSound_ = sound;
    watchLooks();
    return true;
}

bool CButton::SetOnClick(CGraphicsObject* look, CPlayable* sound)
{
    setHiddenLook(onClick_, look);
    onClickSound_ = sound;
    watchLooks();
    return true;
}

void CButton::SetDragging(CGraphicsObject* dragging)
{
    dragging_ = dragging;
    watchLooks();
}

void CButton::setHiddenLook(CGraphicsObject*& slot, CGraphicsObject* look)
{
    if (look == nullptr)
        return;
    slot = look;
    put(look);
    look->Hide();
}

void CButton::SetSound(_soundtype type, CPlayable* sound)
{
    if (type == SOUND_ON_MOVE)
        onMoveSound_ = sound;
    else if (type == SOUND_ON_CLICK)
        onClickSound_ = sound;
}

void CButton::Accent(_accent look, bool alpha)
{
    switch (look) {
    case ACCENT_STANDARD: hotSpot_->Set(standard_, alpha); break;
    case ACCENT_ON_MOVE: hotSpot_->Set(onMove_, alpha); break;
    case ACCENT_ON_CLICK: hotSpot_->Set(onClick_, alpha); break;
    }
}

void CButton::Accent(CGraphicsObject* area, bool alpha)
{
    accent_ = dragging_ = area;
    hotSpot_->Set(area, alpha);
    watchLooks();
}

bool CButton::SetActiveRect(CXRect rect)
{
    rect_ = rect;
    hotSpot_->SetActiveRect(rect, CWindow::MOUSE_MOVE, 0);
    watchLooks();
    return true;
}

void CButton::SYN()
{
    const platform::InputPoint pointer = platform::input().pointer();
    hotSpot_->synchronize(CXPoint(pointer.x, pointer.y));
}

void CButton::Move(int dx, int dy)
{
    CGraphicsObject* moved[5] = {};
    int count = 0;
    for (CGraphicsObject* graphics : {standard_, onMove_, onClick_, accent_, dragging_}) {
        if (graphics != nullptr && std::find(moved, moved + count, graphics) == moved + count) {
            graphics->Move(dx, dy);
            moved[count++] = graphics;
        }
    }
    if (accent_ == nullptr)
        SetActiveRect(rect_ + CXPoint(dx, dy));
}

bool CButton::Force(bool pressed)
{
    showPressed(pressed, true);
    return pressed;
}

void CButton::showPressed(bool pressed, bool withSound)
{
    if (pressed == pressed_)
        return;
    pressed_ = pressed;
    if (pressed) {
        if (onMove_ != nullptr && onMove_->isVisible() && onClick_ != nullptr)
            onMove_->Hide();
        show(onClick_, true);
        if (withSound && soundAllowed(onClickSound_.get()))
            onClickSound_->play();
    } else {
        show(onClick_, false);
        show(onMove_ != nullptr ? onMove_ : standard_, true);
    }
}

bool CButton::soundAllowed(const CPlayable* sound) const
{
    return sound != nullptr && !soundLocked_ && !(playOnlyWhenSilent_ && hotSpot_->getUnit() != nullptr);
}

void CButton::setUnit(CScreenUnit* unit)
{
    hotSpot_->setUnit(unit);
}

void CButton::EnableCursor(bool cursor)
{
    hotSpot_->EnableCursor(cursor);
}

void CButton::setMCButton(CMC_Button* button)
{
    hotSpot_->setMCButton(button);
}

void CButton::SetDeleteFlags(bool graphics, bool sounds)
{
    deleteGraphics_ = graphics;
    deleteSounds_ = sounds;
}

CHotSpot* CButton::getHotSpot() const
{
    return hotSpot_.get();
}

void CButton::put(CGraphicsObject* graphics)
{
    if (screen_ != nullptr)
        *screen_ << graphics;
}

void CButton::takeOff(CGraphicsObject* graphics)
{
    if (screen_ != nullptr)
        *screen_ >> graphics;
}

void CButton::show(CGraphicsObject* graphics, bool visible)
{
    if (graphics != nullptr)
        graphics->Visible(visible);
}

void CButton::watchLooks()
{
    std::vector<CGraphicsObject*> held;
    for (CGraphicsObject* graphics : {standard_, onMove_, onClick_, accent_, dragging_, hotSpot_->getGraphics()}) {
        if (graphics != nullptr && std::find(held.begin(), held.end(), graphics) == held.end())
            held.push_back(graphics);
    }
    for (CGraphicsObject* graphics : watched_) {
        if (std::find(held.begin(), held.end(), graphics) == held.end())
            graphics->removeInvalidateObserver(this);
    }
    for (CGraphicsObject* graphics : held)
        graphics->addInvalidateObserver(this);
    watched_ = std::move(held);
}

void CButton::unwatchLooks()
{
    for (CGraphicsObject* graphics : watched_)
        graphics->removeInvalidateObserver(this);
    watched_.clear();
}

void CButton::onDestroy(CGraphicsObject* graphics)
{
    for (CGraphicsObject** held : {&standard_, &onMove_, &onClick_, &accent_, &dragging_}) {
        if (*held == graphics)
            *held = nullptr;
    }
    if (hotSpot_->getGraphics() == graphics)
        hotSpot_->Set(nullptr, false);
    std::erase(watched_, graphics);
}
