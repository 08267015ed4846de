#include "graphics/CButtonHotSpot.h"

#include "graphics/CButton.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPlayable.h"
#include "graphics/CScreenUnit.h"

CButtonHotSpot::CButtonHotSpot(CButton& button, CWindow* window, CMC_Button* scriptButton)
    : CHotSpot(window, nullptr, CWindow::MOUSE_MOVE, 0, scriptButton), button_(button)
{
}

bool CButtonHotSpot::unitDragging() const
{
    return getUnit() != nullptr && getUnit()->isDragging();
}

bool CButtonHotSpot::usable() const
{
    return button_.IsEnabled() && (getUnit() == nullptr || (getUnit()->isActive() && !getUnit()->isDragging()));
}

int CButtonHotSpot::OnMouseMove(CXPoint point, int flags, void* parent)
{
    return button_.onMouseMove(point);
}

int CButtonHotSpot::OnFocusOn(CXPoint point, int flags, void* parent)
{
    if (!usable())
        return 0;
    // Before the scene is first drawn, entering is only told.
    if (getUnit() != nullptr && !getUnit()->wasInitiallyUpdated())
        return button_.onFocusOn(point);
    if (button_.onMove_ != nullptr) {
        if (button_.hideStandardWhileOnMove_ && button_.standard_ != nullptr)
            button_.standard_->Hide();
        button_.onMove_->Show();
    }
    if (!onMoveSoundStarted_ && button_.soundAllowed(button_.onMoveSound_.get()))
        button_.onMoveSound_->play();
    onMoveSoundStarted_ = true;
    const std::shared_ptr<const bool> alive = button_.lifeToken();
    const int moved = button_.OnMove(point, flags, parent);
    if (!*alive)
        return moved;
    const int entered = button_.onFocusOn(point);
    return moved != 0 ? moved : entered;
}

int CButtonHotSpot::OnFocusOff(CXPoint point, int flags, void* parent)
{
    if (usable()) {
        button_.showPressed(false, false);
        if (button_.onMove_ != nullptr && !button_.frozen_) {
            if (button_.hideStandardWhileOnMove_ && button_.standard_ != nullptr)
                button_.standard_->Show();
            button_.onMove_->Hide();
        }
        if (button_.onMoveSound_ && button_.onMoveSound_->isPlaying())
            button_.onMoveSound_->stop(false);
        onMoveSoundStarted_ = false;
    }
    return button_.onFocusOff(point);
}

int CButtonHotSpot::OnLButtonDown(CXPoint point, int flags, void* parent)
{
    if (!button_.IsEnabled() || unitDragging())
        return 0;
    const std::shared_ptr<const bool> alive = button_.lifeToken();
    button_.OnClick(point, flags, parent);
    // The click played its sound already: the pressed look comes without a second one.
    if (*alive)
        button_.showPressed(true, false);
    return 1;
}

int CButtonHotSpot::OnLButtonUp(CXPoint point, int flags, void* parent)
{
    if (!usable())
        return 0;
    button_.click_ = point;
    button_.showPressed(false, false);
    const std::shared_ptr<const bool> alive = button_.lifeToken();
    button_.onRelease(point);
    if (*alive)
        button_.onAction(point);
    return 1;
}

int CButtonHotSpot::OnRButtonDown(CXPoint point, int flags, void* parent)
{
    if (button_.IsEnabled())
        button_.onRClick(point);
    return 0;
}
