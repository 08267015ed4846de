#pragma once

#include "foundation/CInstalledLink.h"
#include "foundation/CXString.h"

// How the SYSTEM object reaches the web installation, which lives with the networking above the
// application: the installer implements it and installs itself while it lives. While none is
// installed, installing and uninstalling do nothing. Main thread only.
class CWebInstallLink : public CInstalledLink<CWebInstallLink> {
public:
    virtual ~CWebInstallLink() = default;

    // Installs the game into the current folder from its package there (scripts download it
    // themselves), unless it is installed; true when it is installed.
    virtual bool installGame(const CXString& game, const CXString& fullName, const CXString& server) = 0;
    // Removes an installed game; 0 when it is gone.
    virtual int uninstallGame(const CXString& game) = 0;
};
