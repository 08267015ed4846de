#include "graphics/CControl.h"

#include "graphics/CControlNotifier.h"

#include <algorithm>

CControl::CControl(CWindow* window) : window_(window), alive_(std::make_shared<bool>(true)) {}

CControl::~CControl()
{
    *alive_ = false;
}

void CControl::addNotifier(CControlNotifier* notifier)
{
    if (notifier != nullptr)
        notifiers_.push_back(notifier);
}

void CControl::removeNotifier(CControlNotifier* notifier)
{
    const auto found = std::find(notifiers_.begin(), notifiers_.end(), notifier);
    if (found != notifiers_.end())
        notifiers_.erase(found);
}

void CControl::notify(Notification notification, CXPoint point)
{
    const std::shared_ptr<const bool> alive = alive_;
    const std::vector<CControlNotifier*> round = notifiers_;
    for (CControlNotifier* notifier : round) {
        if (!*alive)
            return;
        if (std::find(notifiers_.begin(), notifiers_.end(), notifier) != notifiers_.end())
            (notifier->*notification)(this, point);
    }
}

int CControl::onMouseMove(CXPoint point)
{
    notify(&CControlNotifier::onControlOnMove, point);
    return 0;
}

int CControl::onFocusOn(CXPoint point)
{
    notify(&CControlNotifier::onControlFocusOn, point);
    return 0;
}

int CControl::onFocusOff(CXPoint point)
{
    notify(&CControlNotifier::onControlFocusOff, point);
    return 0;
}

int CControl::onClick(CXPoint point)
{
    notify(&CControlNotifier::onControlClicked, point);
    return 0;
}

int CControl::onRelease(CXPoint point)
{
    notify(&CControlNotifier::onControlReleased, point);
    return 0;
}

int CControl::onRClick(CXPoint point)
{
    notify(&CControlNotifier::onControlPopup, point);
    return 0;
}

void CControl::onAction(CXPoint point)
{
    notify(&CControlNotifier::onControlAction, point);
}

void CControl::onStartDragging(CXPoint point)
{
    notify(&CControlNotifier::onStartDragging, point);
}

void CControl::onDragging(CXPoint point)
{
    notify(&CControlNotifier::onDragging, point);
}

void CControl::onEndDragging(CXPoint point)
{
    notify(&CControlNotifier::onEndDragging, point);
}
