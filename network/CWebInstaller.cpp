#include "network/CWebInstaller.h"

#include "network/CTamzoraWEB.h"

CWebInstaller::CWebInstaller()
{
    install(this);
}

CWebInstaller::~CWebInstaller()
{
    if (installed() == this)
        install(nullptr);
}

bool CWebInstaller::installGame(const CXString& game, const CXString& fullName, const CXString& server)
{
    // Scripts fetch the package themselves (INTERNET): nothing is downloaded here.
    return CTamzoraWEB::install(nullptr, game, fullName, server);
}

int CWebInstaller::uninstallGame(const CXString& game)
{
    return CTamzoraWEB::uninstall(game);
}
