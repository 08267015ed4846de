#pragma once

#include "foundation/CXString.h"

#include <cstdint>

class CCommandLine6;

// The player's runs for games installed from the web: the engine's version recorded at every
// start, the uninstall run, the installation before the first play (with the download dialog)
// and the counts of the times and the time played. Main thread only.
class CWebGameRun {
public:
    // The engine's version under the engine's key.
    static void recordEngineVersion();
    // Asks whether the registered game of the "game" option is to be removed and removes it; the
    // exit code: the removal's result, or 1 for a game not registered and for No.
    static int uninstall(const CCommandLine6& commandLine);
    // Records the folder the player runs in ("Path", where the games are installed) and its
    // program ("File"), then installs the game of the "game" option when it is not yet,
    // downloading it through the dialog from the "server" option's address. True when the game
    // is installed.
    static bool install(const CCommandLine6& commandLine, const CXString& playerFolder);
    // The "version" option, when given, as the game's version.
    static void recordGameVersion(const CCommandLine6& commandLine);
    // Adds one to the times the game was played; the clock's tick after that.
    static uint32_t RecordTimesPlayed(const CCommandLine6& commandLine);
    // Adds the whole seconds since the start tick to the time the game was played.
    static void RecordTotalTime(const CCommandLine6& commandLine, uint32_t startTick);
    // The folder the packages are fetched from for a server option: its address as given, as
    // HTTP when no scheme is named, ended by "/".
    static CXString downloadFolderOf(const CXString& server);

private:
    // Adds to a number the game's key holds (one that holds none counts as 0).
    static void addToCount(const CCommandLine6& commandLine, const char* name, uint32_t amount);
};
