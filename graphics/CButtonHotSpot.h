#pragma once

#include "graphics/CHotSpot.h"

class CButton;

// The hot spot a button makes for itself: its handlers drive the button's looks, sounds and
// notifications.
class CButtonHotSpot final : public CHotSpot {
public:
    CButtonHotSpot(CButton& button, CWindow* window, CMC_Button* scriptButton);

    int OnMouseMove(CXPoint point, int flags, void* parent) override;
    int OnFocusOn(CXPoint point, int flags, void* parent) override;
    int OnFocusOff(CXPoint point, int flags, void* parent) override;
    int OnLButtonDown(CXPoint point, int flags, void* parent) override;
    int OnLButtonUp(CXPoint point, int flags, void* parent) override;
    int OnRButtonDown(CXPoint point, int flags, void* parent) override;

private:
    bool unitDragging() const;
    // Enabled, and its unit (if any) active and not dragging.
    bool usable() const;

    CButton& button_;
    bool onMoveSoundStarted_ = false;
};
