#include "platform/ConfigFolder.h"

#include <cstdlib>
#include <filesystem>
#include <pwd.h>
#include <unistd.h>

namespace platform {

std::string ConfigFolder::home()
{
    const char* home = std::getenv("HOME");
    if (home && *home)
        return home;
    const passwd* entry = getpwuid(getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "/tmp";
}

std::string ConfigFolder::configHome()
{
    // A relative XDG_CONFIG_HOME is invalid by the base-directory rules and is ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    return (xdg && xdg[0] == '/') ? std::string(xdg) : home() + "/.config";
}

std::string ConfigFolder::path()
{
    return configHome() + "/tamzora";
}

bool ConfigFolder::ensureExists(const std::string& folder)
{
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

} // namespace platform
