#pragma once

#include "foundation/CXString.h"
#include "network/CWebInstaller.h"
#include "platform/HostWindow.h"
#include "sound/CSoundServices.h"

#include <cstdint>
#include <memory>
#include <optional>

class CApplication;
class CCommandLine6;
class CLanguageOSVer;
class CMC_Application;
class CPath;
class CWindow;
class MainWndProc;

namespace platform {
class SingleInstance;
}

// One run of the player: the start-up in its fixed order (command line, pending update, engine
// version record, uninstall run, single instance, CD launcher, web game installed, configuration,
// DEMO check, CD search, windows, window host, display, engine host, version check, scene menu),
// the main loop, and the teardown in its fixed order (a web game's time played, engine host,
// window host, command line). Main thread only.
class CPlayer {
public:
    // Exit codes of the run.
    enum { EXIT_NORMAL = 0, EXIT_REFUSED = 1 };

    // The command line text, code page 1250.
    explicit CPlayer(const CXString& commandLineText);
    ~CPlayer();
    CPlayer(const CPlayer&) = delete;
    CPlayer& operator=(const CPlayer&) = delete;

    // The whole run; the process's exit code.
    int run();

    // Whether the updater left files to put in place: "temp\*.dll" or "temp\*.exe" below the
    // current folder.
    static bool IsUpdatePending();

private:
    // Into the installed web game's folder, its data on the disk, in a window, one more time played.
    void enterWebGame();
    void handOverToUpdater();
    // The CD launcher in the root of the current drive takes the process's place.
    void handOverToCdLauncher();
    // "TITLE", "ICON", "INI" and "SUBDIR" of the player's "Tamzora.ini" in the current folder.
    void readConfiguration(const CPath& path);
    static bool isDemo();
    int reportMissingCd();
    // A hidden window of the configured title at the offset from the desktop's centre; framed
    // with the player's menu in window mode unless "noframe" was given. Null when the desktop
    // refuses it.
    std::unique_ptr<platform::HostWindow> CreateMainWindow(platform::ScreenPoint offset);
    void createWindowHost();
    // Window mode: the window's display, mirrored in the second window when there is one; full
    // screen at 16 bits per pixel, else 15.
    void createDisplay();
    void createEngineHost(bool noCdSearch);
    bool engineIsRecentEnough(CMC_Application* application);
    // Scene menu, the window shown and drawn, then the main loop.
    void play(CMC_Application* application);
    // One engine turn per pass, paced to a turn a millisecond while the application is active,
    // with 100 ms sleeps while not; ends on the window's quit flag or the quit message.
    void mainLoop(MainWndProc& procedure);
    // Records a web game's time played, then deletes the engine host, the window host and the
    // command line, in that order.
    int shutdown(int exitCode);

    CXString commandLineText_;
    // SYSTEM^INSTALL and UNINSTALL reach the web installation through it while the player runs.
    CWebInstaller webInstaller_;
    // Made before the window host, which takes its sound device and music player from it.
    CSoundServices soundServices_;
    std::unique_ptr<CCommandLine6> commandLine_;
    std::unique_ptr<CLanguageOSVer> language_;
    std::unique_ptr<platform::SingleInstance> instance_;
    CXString startFolder_;
    CXString title_;
    CXString iniName_;
    platform::WindowIcon icon_;
    std::unique_ptr<platform::HostWindow> secondWindow_;
    std::unique_ptr<platform::HostWindow> mainWindow_;
    std::unique_ptr<CWindow> window_;
    std::unique_ptr<CApplication> host_;
    // The clock's tick when a web game began to play.
    std::optional<uint32_t> startTick_;
};
