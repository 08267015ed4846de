#pragma once

#include "application/CWebInstallLink.h"

// The SYSTEM object's way to the web installation, installed as the link while it lives (the
// player keeps one for its run): a game's package already in the current folder is installed,
// and games are removed, through CTamzoraWEB.
class CWebInstaller final : public CWebInstallLink {
public:
    CWebInstaller();
    ~CWebInstaller() override;
    CWebInstaller(const CWebInstaller&) = delete;
    CWebInstaller& operator=(const CWebInstaller&) = delete;

    bool installGame(const CXString& game, const CXString& fullName, const CXString& server) override;
    int uninstallGame(const CXString& game) override;
};
