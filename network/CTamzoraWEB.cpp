#include "network/CTamzoraWEB.h"

#include "foundation/CFolder.h"
#include "foundation/CSelfExtract.h"
#include "foundation/RelativeNames.h"
#include "network/CDownloadManagerIfc.h"
#include "platform/Clock.h"
#include "platform/Files.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

using platform::RegistryRoot;

// Values are read into a buffer of 200 bytes with room for the terminating zero.
constexpr size_t kLongestValue = 199;
// Game names become file names with ".pik" appended.
constexpr size_t kLongestGameName = 255;

const char kPackageExtension[] = ".pik";

CXString numberText(long long number)
{
    return CXString(std::to_string(number).c_str());
}

} // namespace

const char* const CTamzoraWEB::ENGINE_KEY = "Software\\Halvremont\\TamzoraWeb";
const char* const CTamzoraWEB::UNINSTALL_KEY = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TamzoraWEB_";

CXString CTamzoraWEB::get_registry(RegistryRoot root, const CXString& key, const CXString& name)
{
    std::string value;
    if (!platform::registry().getValue(root, key.c_str(), name.c_str(), value) || value.size() > kLongestValue)
        return CXString();
    return CXString(value.c_str());
}

bool CTamzoraWEB::set_registry(RegistryRoot root, const CXString& key, const CXString& name, const CXString& value)
{
    return platform::registry().setValue(root, key.c_str(), name.c_str(), value.c_str());
}

bool CTamzoraWEB::update_registry(RegistryRoot root, const CXString& key, const CXString& name, const CXString& value)
{
    if (get_registry(root, key, name).IsString())
        delete_registry(root, key, name);
    return set_registry(root, key, name, value);
}

bool CTamzoraWEB::add_registry(RegistryRoot root, const CXString& key, const CXString& name, const CXString& value)
{
    return update_registry(root, key, name, value);
}

void CTamzoraWEB::delete_registry(RegistryRoot root, const CXString& key, const CXString& name)
{
    platform::registry().deleteValue(root, key.c_str(), name.c_str());
}

bool CTamzoraWEB::delete_registry_key(RegistryRoot root, const CXString& key)
{
    platform::Registry& registry = platform::registry();
    if (!registry.keyExists(root, key.c_str()))
        return false;
    const std::vector<std::string> subKeys = registry.subKeys(root, key.c_str());
    for (auto subKey = subKeys.rbegin(); subKey != subKeys.rend(); ++subKey) {
        if (!delete_registry_key(root, key + "\\" + subKey->c_str()))
            return false;
    }
    return registry.deleteKey(root, key.c_str());
}

CXString CTamzoraWEB::get_full_tzweb_path()
{
    CXString path = get_registry(RegistryRoot::CurrentUser, ENGINE_KEY, "Path");
    if (!path.endsWith("\\"))
        path += "\\";
    return path + get_registry(RegistryRoot::CurrentUser, ENGINE_KEY, "File");
}

bool CTamzoraWEB::isPlainName(const CXString& game)
{
    const std::string_view name(game.c_str(), size_t(game.getLength()));
    return foundation::isNameBelowFolder(name, kLongestGameName) && name.find_first_of("\\/") == std::string_view::npos
           && name != ".";
}

CXString CTamzoraWEB::gameKey(const CXString& game)
{
    return CXString(ENGINE_KEY) + "\\" + game;
}

bool CTamzoraWEB::install(CDownloadManagerIfc* manager, const CXString& game, const CXString& fullName, const CXString& server)
{
    if (!isPlainName(game))
        return false;
    const bool installed = CFolder::IsDirectory(game) && get_registry(RegistryRoot::CurrentUser, gameKey(game), "InstallTime").IsString();
    if (installed)
        return true;
    const CXString package = game + kPackageExtension;
    if (manager != nullptr && !manager->download(package, server))
        return false;
    {
        CSelfExtract reader(package);
        if (reader.ReadTOC())
            reader.ExtractFiles("");
    }
    platform::files().removeFile(package.c_str());
    writeRecords(game, fullName);
    return CFolder::IsDirectory(game);
}

void CTamzoraWEB::writeRecords(const CXString& game, const CXString& fullName)
{
    const CXString key = gameKey(game);
    add_registry(RegistryRoot::CurrentUser, key, "TimesPlayed", "0");
    add_registry(RegistryRoot::CurrentUser, key, "TotalTime", "0");
    // "%d" of the time: seconds since 1970 as a 32-bit number.
    add_registry(RegistryRoot::CurrentUser, key, "InstallTime", numberText(int32_t(platform::clock().wallClockSeconds())));
    add_registry(RegistryRoot::CurrentUser, key, "FullName", fullName);
    // The machine's entries need rights the user may lack; a refused write changes nothing.
    const CXString uninstallKey = CXString(UNINSTALL_KEY) + game;
    add_registry(RegistryRoot::LocalMachine, uninstallKey, "DisplayName", "TamzoraWEB - " + fullName);
    add_registry(RegistryRoot::LocalMachine, uninstallKey, "UninstallString", get_full_tzweb_path() + " -uninstall -game " + game);
}

int CTamzoraWEB::uninstall(const CXString& game)
{
    const CXString path = get_registry(RegistryRoot::CurrentUser, ENGINE_KEY, "Path");
    // An empty "Path" would put the folder at the root, an empty name would be "Path" itself,
    // and the name also ends the keys deleted below.
    if (!path.IsString() || !isPlainName(game))
        return 1;
    const int result = removeGameFolder(path + "\\" + game) ? 0 : 1;
    const CXString key = gameKey(game);
    for (const char* name : {"Path", "File", "Lang", "FullName", "Version"})
        delete_registry(RegistryRoot::CurrentUser, key, name);
    delete_registry_key(RegistryRoot::CurrentUser, key);
    const CXString uninstallKey = CXString(UNINSTALL_KEY) + game;
    delete_registry(RegistryRoot::LocalMachine, uninstallKey, "DisplayName");
    delete_registry(RegistryRoot::LocalMachine, uninstallKey, "UninstallString");
    delete_registry_key(RegistryRoot::LocalMachine, uninstallKey);
    return result;
}

bool CTamzoraWEB::removeGameFolder(const CXString& folder)
{
    // A plain name right below "Path": the folder itself, never a file or what a link points to.
    platform::FileEntry entry;
    return platform::files().stat(folder.c_str(), entry) && entry.isFolder && platform::files().removeTree(folder.c_str());
}
