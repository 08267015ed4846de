#include "player/CWebGameRun.h"

#include "foundation/CCommandLine6.h"
#include "foundation/CXVersion.h"
#include "network/CTamzoraWEB.h"
#include "platform/Clock.h"
#include "platform/ProgramLauncher.h"
#include "platform/WindowSystem.h"
#include "player/CUpdateDialog.h"

#include <string>

namespace {

using platform::RegistryRoot;

const char kQuestionStart[] = "Czy na pewno chesz odinstalowa\xE6 program '";
const char kQuestionEnd[] = "' ?";

constexpr int kRefused = 1;

} // namespace

void CWebGameRun::recordEngineVersion()
{
    CTamzoraWEB::update_registry(RegistryRoot::CurrentUser, CTamzoraWEB::ENGINE_KEY, "Version",
                                 CXVersion::getCurrentVersion().toString());
}

int CWebGameRun::uninstall(const CCommandLine6& commandLine)
{
    // The game asked about is the game removed.
    const CXString game = commandLine.getParameter("game");
    if (!CTamzoraWEB::isPlainName(game))
        return kRefused;
    const CXString fullName = CTamzoraWEB::get_registry(RegistryRoot::CurrentUser, CTamzoraWEB::gameKey(game), "FullName");
    if (!fullName.IsString())
        return kRefused;
    const CXString question = kQuestionStart + fullName + kQuestionEnd;
    if (!platform::windowSystem().askYesNo(CXVersion::getCurrentVersion().toString().c_str(), question.c_str(), nullptr))
        return kRefused;
    return CTamzoraWEB::uninstall(game);
}

bool CWebGameRun::install(const CCommandLine6& commandLine, const CXString& playerFolder)
{
    CTamzoraWEB::update_registry(RegistryRoot::CurrentUser, CTamzoraWEB::ENGINE_KEY, "Path", playerFolder);
    CTamzoraWEB::update_registry(RegistryRoot::CurrentUser, CTamzoraWEB::ENGINE_KEY, "File",
                                 platform::programLauncher().programName().c_str());
    const CXString server = commandLine.getServer();
    CUpdateDialog dialog(downloadFolderOf(server));
    return CTamzoraWEB::install(&dialog, commandLine.getPath(), commandLine.getFullName(), server);
}

void CWebGameRun::recordGameVersion(const CCommandLine6& commandLine)
{
    const CXString version = commandLine.getVersion();
    if (version.IsString())
        CTamzoraWEB::add_registry(RegistryRoot::CurrentUser, CTamzoraWEB::gameKey(commandLine.getPath()), "Version", version);
}

uint32_t CWebGameRun::RecordTimesPlayed(const CCommandLine6& commandLine)
{
    addToCount(commandLine, "TimesPlayed", 1);
    return platform::clock().tickMs();
}

void CWebGameRun::RecordTotalTime(const CCommandLine6& commandLine, uint32_t startTick)
{
    // The tick wraps: the unsigned difference is the time between.
    addToCount(commandLine, "TotalTime", (platform::clock().tickMs() - startTick) / 1000);
}

void CWebGameRun::addToCount(const CCommandLine6& commandLine, const char* name, uint32_t amount)
{
    const CXString key = CTamzoraWEB::gameKey(commandLine.getPath());
    // "%d" of the sum, which wraps as 32-bit numbers do.
    const int count = int(uint32_t(CTamzoraWEB::get_registry(RegistryRoot::CurrentUser, key, name).toNumber()) + amount);
    CTamzoraWEB::update_registry(RegistryRoot::CurrentUser, key, name, std::to_string(count).c_str());
}

CXString CWebGameRun::downloadFolderOf(const CXString& server)
{
    CXString folder = server;
    CXString lower = server;
    lower.Lower();
    if (!lower.startsWith("http://") && !lower.startsWith("https://"))
        folder = "http://" + folder;
    if (!folder.endsWith("/"))
        folder += "/";
    return folder;
}
