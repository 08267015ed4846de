#pragma once

// Told by the screen around its drawing: before and after the first redraw of a new scene, before
// and after each pass that has objects to draw, and when the application gains or loses the focus.
class CCanvasObserver {
public:
    virtual ~CCanvasObserver() = default;

    virtual void onInitialUpdate() = 0;
    virtual void onInitialUpdated() = 0;
    virtual void onUpdate() = 0;
    virtual void onUpdated() = 0;
    virtual void onFocusOn() = 0;
    virtual void onFocusOff() = 0;
};
