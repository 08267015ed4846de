#pragma once

// A game folder started through the engine host headless, outside a test fixture (benchmarks,
// seed generators): the folder as drive T: (the game's folder and its data root), the manual
// clock, the headless window system and display, a window host (active) and the engine host on the
// command line given, with no CD search and no INI file (no statistics are written). Everything is
// taken down again with the object.

#include "application/CApplication.h"
#include "application/CMC_Application.h"
#include "foundation/CCommandLine6.h"
#include "foundation/CFile.h"
#include "graphics/CWindow.h"
#include "platform/Clock.h"
#include "platform/Display.h"
#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "platform/HeadlessDisplay.h"
#include "platform/HeadlessHostWindow.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ManualClock.h"
#include "tests/platform/TempFolder.h"

#include <memory>

class HeadlessGame {
public:
    HeadlessGame(const TempFolder& folder, const char* commandLine) : commandLine_(commandLine)
    {
        drives_.set('T', folder.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives_);
        platform::setClock(&clock);
        platform::setWindowSystem(&windowSystem_);
        platform::setDisplay(&display_);
        CFile::chDir("T:\\");
        window_ = std::make_unique<CWindow>(&hostWindow_, &commandLine_, nullptr, CXSize(800, 600), platform::CursorShape::Arrow,
                                            "T:\\", true);
        window_->OnCreate();
        window_->OnActivateApp(true);
        window_->CreateSurface();
        host_ = std::make_unique<CApplication>(window_.get(), "", "", &commandLine_);
        host_->preinitializeApplication(true);
    }
    ~HeadlessGame()
    {
        host_.reset();
        window_.reset();
        CWindow::resetStatics();
        platform::setDisplay(nullptr);
        platform::setWindowSystem(nullptr);
        platform::setClock(nullptr);
        platform::setDrives(nullptr);
    }
    HeadlessGame(const HeadlessGame&) = delete;
    HeadlessGame& operator=(const HeadlessGame&) = delete;

    CWindow& window() { return *window_; }
    // Null when the game did not start.
    CMC_Application* application() { return host_->getMCApplicationIfc(); }

    platform::ManualClock clock{1000};

private:
    platform::DriveMap drives_;
    platform::HeadlessWindowSystem windowSystem_;
    platform::HeadlessHostWindow hostWindow_{platform::WindowSettings{}};
    platform::HeadlessDisplay display_;
    CCommandLine6 commandLine_;
    std::unique_ptr<CWindow> window_;
    std::unique_ptr<CApplication> host_;
};
