#pragma once

#include "foundation/CInstalledLink.h"
#include "foundation/CXPoint.h"

class CControl;
class CGraphicsObject;

// What the screen asks, at every frame, of the default unit of the scene that is live; and what
// the hot spots and buttons of a scene ask of it.
class CScreenUnit {
public:
    virtual ~CScreenUnit() = default;
    // True once the scene was drawn for the first time.
    virtual bool wasInitiallyUpdated() = 0;
    // Before the scene's first frame: the unit marks itself drawn (and starts the scene's music).
    virtual bool onInitialUpdate() = 0;
    // Before every later frame.
    virtual void onCanvasRefreshed() = 0;
    // While the scene is live: only then do its hot spots take moves and left buttons.
    virtual bool isActive() = 0;
    // While the unit drags a control's graphics object, buttons do not react.
    virtual bool isDragging() const = 0;
    // A button's press starts dragging the object from the point; the unit tells the control.
    // True when the drag started.
    virtual bool onStartDragging(CGraphicsObject* graphics, CXPoint point, CControl* control) = 0;
};

// How the screen finds that unit: the engine host installs its link while it lives. Without a link,
// or while no scene is live, frames are drawn without asking a unit.
class CScreenUnitLink : public CInstalledLink<CScreenUnitLink> {
public:
    virtual ~CScreenUnitLink() = default;
    // The live scene's default unit; null when there is none.
    virtual CScreenUnit* getDefUnit() = 0;
};
