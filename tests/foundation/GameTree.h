#pragma once

#include "foundation/CLanguageOSVer.h"
#include "foundation/CWindowLink.h"
#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "platform/SystemLocale.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

// Puts the process's current folder back when it goes, so test order never matters.
class CurrentFolderGuard {
public:
    CurrentFolderGuard() : saved_(std::filesystem::current_path()) {}
    ~CurrentFolderGuard()
    {
        std::error_code ignored;
        std::filesystem::current_path(saved_, ignored);
    }
    CurrentFolderGuard(const CurrentFolderGuard&) = delete;
    CurrentFolderGuard& operator=(const CurrentFolderGuard&) = delete;

private:
    std::filesystem::path saved_;
};

// A system locale that says what the test wants.
struct FixedLocale : platform::SystemLocale {
    explicit FixedLocale(std::string id) : id(std::move(id)) {}
    std::string languageId() const override { return id; }
    std::string id;
};

// The window host as the path rules see it: a data root, a root path and one window with a
// language object.
struct TestWindowLink : CWindowLink {
    CXString getCDPath() const override { return cdPath; }
    CXString getRootPath() const override { return rootPath; }
    CLanguageOSVer* getLangIfc(CWindow* asked) const override { return asked == window ? language : nullptr; }
    void languageChanged(CWindow* changed) override { changes += changed == window ? 1 : 100; }

    CXString cdPath;
    CXString rootPath;
    CWindow* window = nullptr;
    CLanguageOSVer* language = nullptr;
    int changes = 0;
};

// A game on a hard disk and its CD, as the drive map shows them:
//   C: (fixed) = <temp>/hdd, the game in C:\Game (the engine's root path, current at the start)
//   E: (cd)    = <temp>/cd, the data root
// The window has a Polish language object.
class GameTree : public ::testing::Test {
protected:
    void SetUp() override
    {
        drives.set('C', temp / "hdd", platform::DriveType::Fixed);
        drives.set('E', temp / "cd", platform::DriveType::CdRom);
        platform::setDrives(&drives);
        platform::setSystemLocale(&polish);
        language = std::make_unique<CLanguageOSVer>();
        link.cdPath = "E:\\";
        link.rootPath = "C:\\Game\\";
        link.window = window;
        link.language = language.get();
        CWindowLink::install(&link);
        std::filesystem::create_directories(temp / "hdd/Game");
        std::filesystem::create_directories(temp / "cd");
        std::filesystem::current_path(temp / "hdd/Game");
    }
    void TearDown() override
    {
        CWindowLink::install(nullptr);
        platform::setSystemLocale(nullptr);
        platform::setDrives(nullptr);
    }

    // Writes a file under the temp folder ("hdd/Game/Dane/a.cnv").
    void put(const std::string& relative, const std::string& bytes = "x") { temp.write(relative, bytes); }
    void remove(const std::string& relative) { std::filesystem::remove(temp / relative); }

    TempFolder temp;
    // Made after the folder, so the current folder is back before the folder goes.
    CurrentFolderGuard folderGuard;
    platform::DriveMap drives;
    FixedLocale polish{"0415"};
    std::unique_ptr<CLanguageOSVer> language;
    TestWindowLink link;
    // Only compared, never used: any distinct address serves.
    CWindow* const window = reinterpret_cast<CWindow*>(&link);
};
