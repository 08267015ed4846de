#include "platform/PathResolver.h"

#include "platform/Cp1250.h"
#include "platform/TextTools.h"

#include <dirent.h>
#include <sys/stat.h>
#include <vector>

namespace platform {

namespace {

bool exists(const std::string& nativePath)
{
    struct stat info;
    return ::stat(nativePath.c_str(), &info) == 0;
}

void appendComponent(std::string& path, std::string_view component)
{
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += component;
}

std::vector<std::string_view> splitComponents(std::string_view path)
{
    return TextTools::split(path, "\\/");
}

// The on-disk name in folder that equals the game name regardless of case; empty when none does.
std::string findIgnoringCase(const std::string& folder, std::string_view gameName)
{
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir)
        return {};
    std::string best;
    std::string converted;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        // Each code page character takes one to three bytes of UTF-8: most names are ruled out
        // without converting them.
        if (name.size() < gameName.size() || name.size() > 3 * gameName.size())
            continue;
        if (!Cp1250::fromUtf8(name, converted) || !Cp1250::equalsIgnoreCase(converted, gameName))
            continue;
        if (best.empty() || name < best)
            best = name;
    }
    ::closedir(dir);
    return best;
}

bool startsWithDriveLetter(std::string_view path)
{
    return path.size() >= 2 && path[1] == ':' &&
           ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
}

} // namespace

PathResolver::PathResolver(const Drives& drives) : drives_(drives) {}

std::string PathResolver::toNative(std::string_view gamePath) const
{
    if (gamePath.empty() || gamePath.find('\0') != std::string_view::npos)
        return {};
    std::string base;
    std::string_view rest = gamePath;
    if (startsWithDriveLetter(gamePath)) {
        base = drives_.folderOf(gamePath[0]);
        if (base.empty())
            return {};
        rest.remove_prefix(2);
    } else if (isSeparator(gamePath[0])) {
        base = "/";
    }
    const auto components = splitComponents(rest);

    // Most paths are already spelled as on disk: one stat answers them.
    std::string direct = base;
    for (std::string_view component : components)
        appendComponent(direct, Cp1250::toUtf8(component));
    if (direct.empty() || exists(direct))
        return direct.empty() ? std::string(".") : direct;

    std::string resolved = base;
    bool searching = true;
    for (std::string_view component : components) {
        std::string name = Cp1250::toUtf8(component);
        if (searching && component != "." && component != "..") {
            std::string candidate = resolved;
            appendComponent(candidate, name);
            if (!exists(candidate)) {
                std::string found = findIgnoringCase(resolved, component);
                if (found.empty())
                    searching = false;
                else
                    name = std::move(found);
            }
        }
        appendComponent(resolved, name);
    }
    return resolved;
}

std::string PathResolver::toGame(std::string_view nativePath) const
{
    const Drive* best = nullptr;
    const auto drives = drives_.list();
    for (const Drive& drive : drives) {
        const std::string_view folder = drive.folder;
        const bool holds = folder == "/" ? !nativePath.empty() && nativePath[0] == '/'
                                         : nativePath.substr(0, folder.size()) == folder &&
                                               (nativePath.size() == folder.size() || nativePath[folder.size()] == '/');
        if (holds && (!best || folder.size() > best->folder.size()))
            best = &drive;
    }
    std::string utf8;
    if (best) {
        utf8 = std::string(1, best->letter) + ":\\";
        std::string_view rest = nativePath.substr(best->folder == "/" ? 1 : best->folder.size());
        for (std::string_view component : splitComponents(rest)) {
            if (utf8.back() != '\\')
                utf8 += '\\';
            utf8 += component;
        }
    } else {
        utf8 = nativePath;
    }
    std::string cp1250;
    Cp1250::fromUtf8(utf8, cp1250);
    return cp1250;
}

} // namespace platform
