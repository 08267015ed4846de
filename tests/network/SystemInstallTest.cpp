// SYSTEM^INSTALL and UNINSTALL of a game's scripts, through the web installer the player keeps.
#include "application/GameHost.h"
#include "network/CWebInstaller.h"
#include "platform/FileRegistry.h"
#include "tests/network/GamePackage.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using platform::RegistryRoot;

namespace {

const char kEngineKey[] = "Software\\Halvremont\\TamzoraWeb";

class SystemInstall : public apptest::GameHost {
protected:
    void SetUp() override
    {
        GameHost::SetUp();
        platform::setRegistry(&registry_);
    }
    void TearDown() override
    {
        GameHost::TearDown();
        platform::setRegistry(nullptr);
    }

    bool exists(const std::string& relative) const { return std::filesystem::exists(folder.temp / relative); }

private:
    TempFolder registryFolder_;
    platform::FileRegistry registry_{registryFolder_.path()};
};

TEST_F(SystemInstall, ScriptsInstallThePackageOfTheProgramFolderAndRemoveOnlyPlainGames)
{
    writeFile("Kulki.pik", webtest::packageOf("Kulki", {{"Dane/application.def", "def"}}));
    writeFile("keep.txt", "sentinel");
    ASSERT_TRUE(startScene(""));
    platform::registry().setValue(RegistryRoot::CurrentUser, kEngineKey, "Path", "T:\\");
    CWebInstaller installer;
    const std::string ownDefinition = folder.temp.read("Dane/application.def");

    run("SYSTEM^INSTALL(\"Kulki\", \"Gra w kulki\")");
    // The package's data folder is its own, not the running game's.
    EXPECT_EQ(folder.temp.read("Kulki/Dane/application.def"), "def");
    EXPECT_EQ(folder.temp.read("Dane/application.def"), ownDefinition);
    EXPECT_FALSE(exists("Kulki.pik"));
    std::string fullName;
    EXPECT_TRUE(platform::registry().getValue(RegistryRoot::CurrentUser, std::string(kEngineKey) + "\\Kulki", "FullName", fullName));
    EXPECT_EQ(fullName, "Gra w kulki");

    for (const char* hostile : {"", "..", "Kulki\\Dane", "T:\\Kulki"})
        run("SYSTEM^UNINSTALL(\"" + std::string(hostile) + "\")");
    EXPECT_TRUE(exists("Kulki/Dane/application.def"));
    EXPECT_TRUE(platform::registry().keyExists(RegistryRoot::CurrentUser, std::string(kEngineKey) + "\\Kulki"));
    run("SYSTEM^UNINSTALL(\"Kulki\")");
    EXPECT_FALSE(exists("Kulki"));
    EXPECT_FALSE(platform::registry().keyExists(RegistryRoot::CurrentUser, std::string(kEngineKey) + "\\Kulki"));
    EXPECT_EQ(folder.temp.read("keep.txt"), "sentinel");
    EXPECT_EQ(folder.temp.read("Dane/application.def"), ownDefinition);
}

} // namespace
