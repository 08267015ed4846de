#pragma once

#include "foundation/CInstalledLink.h"

// What the window tells the script's MOUSE object when the application loses and regains the
// focus. The script object layer installs the link while the MOUSE type is in use; without one
// nothing is told.
class CMouseObjectLink : public CInstalledLink<CMouseObjectLink> {
public:
    virtual ~CMouseObjectLink() = default;

    // Frees the cursor; `clear` also forgets the confinement the script set.
    virtual void reset(bool clear) = 0;
    // Confines the cursor again as the script had it.
    virtual void restore() = 0;

    // The same through the installed link; nothing without one.
    static void resetMouseObject(bool clear);
    static void restoreMouseObject();
};
