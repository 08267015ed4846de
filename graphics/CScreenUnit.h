#pragma once

#include "foundation/CInstalledLink.h"

// What the screen asks, at every frame, of the default unit of the scene that is live.
class CScreenUnit {
public:
    virtual ~CScreenUnit() = default;
    // True once the scene was drawn for the first time.
    virtual bool wasInitiallyUpdated() = 0;
    // Before the scene's first frame: the unit marks itself drawn (and starts the scene's music).
    virtual bool onInitialUpdate() = 0;
    // Before every later frame.
    virtual void onCanvasRefreshed() = 0;
};

// How the screen finds that unit: the engine host installs its link while it lives. Without a link,
// or while no scene is live, frames are drawn without asking a unit.
class CScreenUnitLink : public CInstalledLink<CScreenUnitLink> {
public:
    virtual ~CScreenUnitLink() = default;
    // The live scene's default unit; null when there is none.
    virtual CScreenUnit* getDefUnit() = 0;
};
