#pragma once

#include <string>

namespace platform {

// The user's folder for the engine's own settings (drive map, registry files, INI files named
// without a folder): $XDG_CONFIG_HOME/tamzora, else ~/.config/tamzora. A native UTF-8 path without
// a trailing slash; it is not created here.
class ConfigFolder {
public:
    static std::string path();
    // The base of the user's settings: $XDG_CONFIG_HOME, else ~/.config.
    static std::string configHome();
    // The user's home folder: $HOME, else the password database's.
    static std::string home();
    // Creates the folder and its parents when missing; false when that fails.
    static bool ensureExists(const std::string& folder);
};

} // namespace platform
