// The web installation's records, the installation of a game from its package and its removal,
// on a registry kept in a temp folder and a working folder of the test's.
#include "network/CDownloadManagerIfc.h"
#include "network/CTamzoraWEB.h"
#include "platform/FileRegistry.h"
#include "platform/Files.h"
#include "platform/ManualClock.h"
#include "platform/TempFolder.h"
#include "tests/network/GamePackage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

using platform::RegistryRoot;

namespace {

const char kEngineKey[] = "Software\\Halvremont\\TamzoraWeb";
const char kGameKey[] = "Software\\Halvremont\\TamzoraWeb\\Kulki";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TamzoraWEB_Kulki";
constexpr int64_t kNow = 1700000000;

std::string valueOf(RegistryRoot root, const std::string& key, const std::string& name)
{
    std::string value;
    return platform::registry().getValue(root, key, name, value) ? value : "absent";
}

// Brings the package it holds into the working folder, as a download would; fails without one.
class PackageShelf : public CDownloadManagerIfc {
public:
    bool download(CXString file, CXString server) override
    {
        asked.push_back(std::string(file.c_str()) + " from " + server.c_str());
        if (!package)
            return false;
        std::ofstream(platform::files().nativePath(file.c_str()), std::ios::binary) << *package;
        return true;
    }

    std::optional<std::string> package;
    std::vector<std::string> asked;
};

// A working folder made current, a registry of its own holding where the player is ("Path" the
// working folder, "File" "Tamzora"), and a clock whose calendar reads kNow.
class WebInstall : public ::testing::Test {
protected:
    void SetUp() override
    {
        platform::setRegistry(&registry_);
        platform::setClock(&clock_);
        clock_.setWallClock(kNow);
        previousFolder_ = platform::files().currentFolder();
        ASSERT_TRUE(platform::files().setCurrentFolder(work.path()));
        playerFolder = platform::files().currentFolder();
        set(RegistryRoot::CurrentUser, kEngineKey, "Path", playerFolder);
        set(RegistryRoot::CurrentUser, kEngineKey, "File", "Tamzora");
    }
    void TearDown() override
    {
        platform::files().setCurrentFolder(previousFolder_);
        platform::setClock(nullptr);
        platform::setRegistry(nullptr);
    }

    static void set(RegistryRoot root, const std::string& key, const std::string& name, const std::string& value)
    {
        ASSERT_TRUE(platform::registry().setValue(root, key, name, value));
    }
    bool exists(const std::string& relative) const { return std::filesystem::exists(work / relative); }
    // The installed game's folder and records, as an install writes them.
    void installKulki()
    {
        work.write("Kulki/Dane/application.def", "def");
        set(RegistryRoot::CurrentUser, kGameKey, "InstallTime", "5");
        set(RegistryRoot::CurrentUser, kGameKey, "FullName", "Gra w kulki");
        set(RegistryRoot::CurrentUser, kGameKey, "Lang", "POL");
        set(RegistryRoot::CurrentUser, std::string(kGameKey) + "\\Saves\\Slot1", "Name", "x");
        set(RegistryRoot::LocalMachine, kUninstallKey, "DisplayName", "TamzoraWEB - Gra w kulki");
    }

    TempFolder work;
    std::string playerFolder;
    const std::string package = webtest::packageOf("Kulki", {{"Dane/application.def", "def"}, {"Wavs/a.wav", "wave"}});

private:
    TempFolder registryFolder_;
    platform::FileRegistry registry_{registryFolder_.path()};
    platform::ManualClock clock_;
    std::string previousFolder_;
};

TEST_F(WebInstall, RecordsAreReplacedReadUpTo199BytesAndDeletedWithEverythingBelowThem)
{
    EXPECT_TRUE(CTamzoraWEB::update_registry(RegistryRoot::CurrentUser, kGameKey, "Version", "1.0"));
    EXPECT_TRUE(CTamzoraWEB::add_registry(RegistryRoot::CurrentUser, kGameKey, "Version", "1.1"));
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "Version"), "1.1");
    set(RegistryRoot::CurrentUser, kGameKey, "Long", std::string(199, 'x'));
    EXPECT_EQ(std::string(CTamzoraWEB::get_registry(RegistryRoot::CurrentUser, kGameKey, "Long").c_str()), std::string(199, 'x'));
    set(RegistryRoot::CurrentUser, kGameKey, "Long", std::string(200, 'x'));
    EXPECT_FALSE(CTamzoraWEB::get_registry(RegistryRoot::CurrentUser, kGameKey, "Long").IsString());
    CTamzoraWEB::delete_registry(RegistryRoot::CurrentUser, kGameKey, "Version");
    CTamzoraWEB::delete_registry(RegistryRoot::CurrentUser, "Software\\Nowhere", "Version");
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "Version"), "absent");

    for (const char* key : {"\\A\\B\\C", "\\A\\B", "\\A\\D", "\\E"})
        set(RegistryRoot::CurrentUser, kGameKey + std::string(key), "v", "1");
    EXPECT_TRUE(CTamzoraWEB::delete_registry_key(RegistryRoot::CurrentUser, kGameKey));
    EXPECT_FALSE(platform::registry().keyExists(RegistryRoot::CurrentUser, kGameKey));
    EXPECT_TRUE(platform::registry().keyExists(RegistryRoot::CurrentUser, kEngineKey));
    EXPECT_FALSE(CTamzoraWEB::delete_registry_key(RegistryRoot::CurrentUser, kGameKey));

    set(RegistryRoot::CurrentUser, kEngineKey, "Path", "C:\\Gry");
    EXPECT_STREQ(CTamzoraWEB::get_full_tzweb_path().c_str(), "C:\\Gry\\Tamzora");
    set(RegistryRoot::CurrentUser, kEngineKey, "Path", "C:\\Gry\\");
    EXPECT_STREQ(CTamzoraWEB::get_full_tzweb_path().c_str(), "C:\\Gry\\Tamzora");
}

enum class Before { Nothing, Installed, FolderOnly, PackageHere };
enum class Shelf { None, Good, Damaged, Empty };

struct InstallCase {
    const char* name;
    Before before;
    Shelf shelf;
    bool installed;
    bool downloads;
    // Whether the records were written anew (a FullName of "Gra w kulki").
    bool recorded;
};

class WebInstallRun : public WebInstall, public ::testing::WithParamInterface<InstallCase> {};

TEST_P(WebInstallRun, InstallsWhatIsNotInstalledAndRecordsIt)
{
    const InstallCase& c = GetParam();
    if (c.before == Before::Installed || c.before == Before::FolderOnly)
        work.write("Kulki/Dane/application.def", "old");
    if (c.before == Before::Installed)
        set(RegistryRoot::CurrentUser, kGameKey, "InstallTime", "5");
    if (c.before == Before::PackageHere)
        work.write("Kulki.pik", package);
    PackageShelf shelf;
    if (c.shelf == Shelf::Good)
        shelf.package = package;
    if (c.shelf == Shelf::Damaged)
        shelf.package = package.substr(0, package.size() / 2);
    CDownloadManagerIfc* manager = c.shelf == Shelf::None ? nullptr : &shelf;

    EXPECT_EQ(CTamzoraWEB::install(manager, "Kulki", "Gra w kulki", "127.0.0.1:9"), c.installed);
    EXPECT_EQ(shelf.asked, c.downloads ? std::vector<std::string>{"Kulki.pik from 127.0.0.1:9"} : std::vector<std::string>{});
    EXPECT_FALSE(exists("Kulki.pik"));
    if (c.installed && c.before != Before::Installed) {
        EXPECT_EQ(work.read("Kulki/Dane/application.def"), "def");
        EXPECT_EQ(work.read("Kulki/Wavs/a.wav"), "wave");
    }
    if (!c.recorded) {
        EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "FullName"), "absent");
        EXPECT_EQ(valueOf(RegistryRoot::LocalMachine, kUninstallKey, "DisplayName"), "absent");
        return;
    }
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "TimesPlayed"), "0");
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "TotalTime"), "0");
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "InstallTime"), std::to_string(kNow));
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "FullName"), "Gra w kulki");
    EXPECT_EQ(valueOf(RegistryRoot::LocalMachine, kUninstallKey, "DisplayName"), "TamzoraWEB - Gra w kulki");
    EXPECT_EQ(valueOf(RegistryRoot::LocalMachine, kUninstallKey, "UninstallString"), playerFolder + "\\Tamzora -uninstall -game Kulki");
}

INSTANTIATE_TEST_SUITE_P(
    Games, WebInstallRun,
    ::testing::Values(InstallCase{"FirstTime", Before::Nothing, Shelf::Good, true, true, true},
                      InstallCase{"AlreadyInstalled", Before::Installed, Shelf::Good, true, false, false},
                      InstallCase{"FolderWithoutInstallTime", Before::FolderOnly, Shelf::Good, true, true, true},
                      InstallCase{"DownloadFails", Before::Nothing, Shelf::Empty, false, true, false},
                      InstallCase{"NoManagerWithThePackageHere", Before::PackageHere, Shelf::None, true, false, true},
                      // The records stay: the next run downloads again, as the folder is missing.
                      InstallCase{"DamagedPackage", Before::Nothing, Shelf::Damaged, false, true, true}),
    [](const ::testing::TestParamInfo<InstallCase>& info) { return std::string(info.param.name); });

// Names that are not one plain component would reach the folder above, the player's folder, the
// engine's own key or another drive.
const char* const kHostileNames[] = {"", ".", "..", "..\\..", "Kulki\\..", "Kulki/Dane", "\\", "/", "C:", "C:Kulki", "K*", "K?lki"};

TEST_F(WebInstall, HostileNamesInstallNothing)
{
    for (const char* name : kHostileNames) {
        PackageShelf shelf;
        shelf.package = package;
        EXPECT_FALSE(CTamzoraWEB::install(&shelf, name, "Gra", "server")) << name;
        EXPECT_TRUE(shelf.asked.empty()) << name;
    }
    EXPECT_EQ(platform::registry().subKeys(RegistryRoot::CurrentUser, kEngineKey), std::vector<std::string>{});
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kEngineKey, "TimesPlayed"), "absent");
}

struct UninstallCase {
    const char* name;
    std::string game;
    // Replaces the engine's "Path" when set.
    std::optional<std::string> path;
    int result;
    bool folderGone;
    bool recordsGone;
};

class WebUninstall : public WebInstall, public ::testing::WithParamInterface<UninstallCase> {};

TEST_P(WebUninstall, RemovesOnlyTheGamesFolderAndRecords)
{
    const UninstallCase& c = GetParam();
    installKulki();
    work.write("keep.txt", "sentinel");
    work.write("Other/keep.txt", "sentinel");
    std::filesystem::create_directory_symlink(work / "Other", work / "Link");
    set(RegistryRoot::CurrentUser, kEngineKey, "Version", "Tamzora WEB.1.0.0");
    if (c.path)
        set(RegistryRoot::CurrentUser, kEngineKey, "Path", *c.path == "player folder\\" ? playerFolder + "\\" : *c.path);

    EXPECT_EQ(CTamzoraWEB::uninstall(c.game.c_str()), c.result);
    EXPECT_EQ(work.read("keep.txt"), "sentinel");
    EXPECT_EQ(work.read("Other/keep.txt"), "sentinel");
    EXPECT_EQ(exists("Kulki/Dane/application.def"), !c.folderGone);
    EXPECT_EQ(platform::registry().keyExists(RegistryRoot::CurrentUser, kGameKey), !c.recordsGone);
    EXPECT_EQ(platform::registry().keyExists(RegistryRoot::LocalMachine, kUninstallKey), !c.recordsGone);
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kEngineKey, "Version"), "Tamzora WEB.1.0.0");
}

INSTANTIATE_TEST_SUITE_P(
    Games, WebUninstall,
    ::testing::Values(UninstallCase{"Installed", "Kulki", std::nullopt, 0, true, true},
                      UninstallCase{"PathEndingInABackslash", "Kulki", "player folder\\", 0, true, true},
                      // The records go with a folder that is not there.
                      UninstallCase{"FolderMissing", "Kulki", "C:\\Nowhere", 1, false, true},
                      UninstallCase{"NoPath", "Kulki", "", 1, false, false},
                      UninstallCase{"FileNotFolder", "keep.txt", std::nullopt, 1, false, false},
                      // The link goes, what it points to stays.
                      UninstallCase{"LinkToAnotherFolder", "Link", std::nullopt, 0, false, false},
                      UninstallCase{"Empty", "", std::nullopt, 1, false, false},
                      UninstallCase{"Dot", ".", std::nullopt, 1, false, false},
                      UninstallCase{"Up", "..", std::nullopt, 1, false, false},
                      UninstallCase{"UpTwice", "..\\..", std::nullopt, 1, false, false},
                      UninstallCase{"InAndUp", "Kulki\\..", std::nullopt, 1, false, false},
                      UninstallCase{"Below", "Kulki/Dane", std::nullopt, 1, false, false},
                      UninstallCase{"Root", "\\", std::nullopt, 1, false, false},
                      UninstallCase{"Drive", "C:Kulki", std::nullopt, 1, false, false},
                      UninstallCase{"Wildcard", "K*", std::nullopt, 1, false, false}),
    [](const ::testing::TestParamInfo<UninstallCase>& info) { return std::string(info.param.name); });

} // namespace
