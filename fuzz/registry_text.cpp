// The registry store's file from hostile bytes, as the web installation reads it: a damaged file
// gives a partial tree and never a crash, every game key below the engine's reads, a value
// written reads back, and the engine's key goes with everything below it.
#include "network/CTamzoraWEB.h"
#include "platform/FileRegistry.h"
#include "tests/platform/TempFolder.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

using platform::RegistryRoot;

void check(bool holds)
{
    if (!holds)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const TempFolder folder;
    std::ofstream(folder / "registry-current-user.txt", std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), std::streamsize(size));
    platform::FileRegistry registry(folder.path());
    platform::setRegistry(&registry);

    (void)CTamzoraWEB::get_full_tzweb_path();
    for (const std::string& game : registry.subKeys(RegistryRoot::CurrentUser, CTamzoraWEB::ENGINE_KEY)) {
        const CXString key = CTamzoraWEB::gameKey(game.c_str());
        (void)CTamzoraWEB::get_registry(RegistryRoot::CurrentUser, key, "FullName");
        (void)CTamzoraWEB::get_registry(RegistryRoot::CurrentUser, key, "TimesPlayed").toNumber();
    }
    const CXString fuzzKey = CTamzoraWEB::gameKey("Fuzz");
    check(CTamzoraWEB::update_registry(RegistryRoot::CurrentUser, fuzzKey, "TimesPlayed", "7"));
    check(CTamzoraWEB::get_registry(RegistryRoot::CurrentUser, fuzzKey, "TimesPlayed") == "7");
    check(CTamzoraWEB::delete_registry_key(RegistryRoot::CurrentUser, CTamzoraWEB::ENGINE_KEY));
    check(!registry.keyExists(RegistryRoot::CurrentUser, CTamzoraWEB::ENGINE_KEY));

    platform::setRegistry(nullptr);
    return 0;
}
