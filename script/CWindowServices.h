#pragma once

#include "foundation/CInstalledLink.h"

class CMC_Object;
class CWindow;
class CXTimer;

// What script objects reach through the window host of their container: the window's software
// timer list (TIMER objects and timer-driven behaviours tick on it), its public trash (deferred
// deletion of finished timer-driven behaviours) and the application object that the window's
// engine host runs (GETAPPLICATIONNAME). The window host installs the link when it is made; while
// none is installed there are no timers, no trash and no application.
class CWindowServices : public CInstalledLink<CWindowServices> {
public:
    virtual ~CWindowServices() = default;

    // The window's one timer list, polled once per engine turn; null when the window has none.
    virtual CXTimer* getTimerInterface(CWindow* window) = 0;
    // Hands the object to the window's public trash, which deletes it on a sweep once it is marked
    // to delete. The object stays in its container until then, and the container may delete it
    // first (unload): the trash must hold it weakly (CMC_ObjectRef) and drop it when it is gone.
    // False when the window has no trash: the caller still owns the object.
    virtual bool addToPublicTrash(CWindow* window, CMC_Object* object) = 0;
    // The application script object of the engine host the window runs; null when none.
    virtual CMC_Object* getApplicationObject(CWindow* window) = 0;

    // The same questions through the installed link; null / false without one.
    static CXTimer* timersOf(CWindow* window);
    static bool toPublicTrash(CWindow* window, CMC_Object* object);
    static CMC_Object* applicationOf(CWindow* window);
};
