#pragma once

#include "foundation/CXPoint.h"

// Receiver of the window's mouse events: script objects, the scene unit, edit boxes. The window
// asks its listeners from the highest priority down until one takes the event (answers true);
// the defaults take nothing. Points are in the window's client coordinates; buttons are 0 left,
// 1 middle, 2 right. A listener leaves the window before it is destroyed: the window keeps a bare
// pointer.
class CMouseListener {
public:
    virtual ~CMouseListener() = default;

    virtual bool onMouseMove(CXPoint point) { return false; }
    virtual bool onClick(int button, CXPoint point) { return false; }
    // The left button, asked before the form with a button number.
    virtual bool onClick(CXPoint point) { return false; }
    virtual bool onRelease(int button, CXPoint point) { return false; }
    virtual bool onRelease(CXPoint point) { return false; }
    virtual bool onDblClick(CXPoint point) { return false; }
    // A listener that captures the mouse gets the focus; the one it displaces loses it.
    virtual void onSetFocus() {}
    virtual void onLooseFocus() {}
};
