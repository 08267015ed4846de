#pragma once

#include "foundation/CInstalledLink.h"

class CConfig;
class CWindow;

// How script objects reach the game's INI configuration (TOINI variables): from the window host of
// their container to its engine host and that host's configuration. The engine host installs the
// link when it is made; while none is installed there is no configuration and nothing persists.
class CGameConfigLink : public CInstalledLink<CGameConfigLink> {
public:
    virtual ~CGameConfigLink() = default;

    // The configuration of the game the window runs; null when there is none.
    virtual CConfig* getGameConfig(CWindow* window) = 0;

    // The configuration through the installed link; null without a link.
    static CConfig* configOf(CWindow* window);
};
