#pragma once

#include "foundation/CInstalledLink.h"

class CCommandLine6;

// What the definition-file loader asks of the engine host: the command line the player gave it
// (the developer options that ask for coded or decoded copies of every parsed file). The engine
// host implements it and installs itself for the process while it exists; while none is
// installed no copies are written.
class CCommandLineSource : public CInstalledLink<CCommandLineSource> {
public:
    virtual ~CCommandLineSource() = default;

    // Owned by the player, not by the host; may be null.
    virtual CCommandLine6* getCommandLine() const = 0;

    // The installed source's command line, or null.
    static CCommandLine6* current();
};
