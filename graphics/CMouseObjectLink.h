#pragma once

#include "foundation/CInstalledLink.h"

class CWindow;

// What the window tells the script's MOUSE object when the application loses and regains the
// focus, and a scene when it unloads. The script object layer installs the link while the MOUSE
// type is in use; without one nothing is told.
class CMouseObjectLink : public CInstalledLink<CMouseObjectLink> {
public:
    virtual ~CMouseObjectLink() = default;

    // Frees the window's cursor; `clear` also forgets the confinement the script set.
    virtual void reset(CWindow* window, bool clear) = 0;
    // Confines the window's cursor again as the script had it.
    virtual void restore(CWindow* window) = 0;

    // The same through the installed link; nothing without one.
    static void resetMouseObject(CWindow* window, bool clear);
    static void restoreMouseObject(CWindow* window);
};
