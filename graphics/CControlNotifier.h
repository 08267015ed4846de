#pragma once

#include "foundation/CXPoint.h"

class CControl;

// Hears what happens to a control: the mouse moving over it, entering and leaving it, presses,
// releases, the action of a full click, the popup press of the right button and the steps of a
// drag. Points are screen pixels. The defaults do nothing. A notifier leaves every control it
// listens to before it is destroyed.
class CControlNotifier {
public:
    virtual ~CControlNotifier() = default;

    virtual void onControlOnMove(CControl* control, CXPoint point) {}
    virtual void onControlFocusOn(CControl* control, CXPoint point) {}
    virtual void onControlFocusOff(CControl* control, CXPoint point) {}
    virtual void onControlClicked(CControl* control, CXPoint point) {}
    virtual void onControlReleased(CControl* control, CXPoint point) {}
    virtual void onControlAction(CControl* control, CXPoint point) {}
    virtual void onControlPopup(CControl* control, CXPoint point) {}
    virtual void onStartDragging(CControl* control, CXPoint point) {}
    virtual void onDragging(CControl* control, CXPoint point) {}
    virtual void onEndDragging(CControl* control, CXPoint point) {}
};
