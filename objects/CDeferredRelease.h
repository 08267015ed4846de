#pragma once

#include "graphics/CPlayableRef.h"
#include "script/CMC_Object.h"

class CWindow;

// Deletes a playable whose end may come while script code runs inside it (a behaviour run from
// one of its own signals ends its owner). Then the window's trash holds it, stopped, until its
// next sweep or the window's end; a playable deleted meanwhile elsewhere is left alone.
class CDeferredRelease : public CMC_Object {
public:
    // At once when no script runs or the window has no trash, else deferred.
    static void release(CPlayable* playable, CWindow* window);
    ~CDeferredRelease() override;

private:
    explicit CDeferredRelease(CPlayable* playable);

    CPlayableRef<CPlayable> playable_;
};
