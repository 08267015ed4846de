#include "platform/ProfileIni.h"

#include "platform/ConfigFolder.h"
#include "platform/IniFileProfile.h"
#include "platform/ServiceSlot.h"

namespace platform {

namespace {
ProfileIni& iniFiles()
{
    static IniFileProfile instance(ConfigFolder::path());
    return instance;
}

constinit ServiceSlot<ProfileIni> slot(iniFiles);
} // namespace

ProfileIni& profileIni()
{
    return slot.get();
}

void setProfileIni(ProfileIni* replacement)
{
    slot.set(replacement);
}

} // namespace platform
