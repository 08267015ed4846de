// The player's runs for games installed from the web: the first run downloads the package from
// the test's server through the dialog, installs, records and plays; later runs count the times
// and the time played; install-only runs never play; uninstall runs ask and remove.
#include "PlayerRun.h"

#include "foundation/CXVersion.h"
#include "tests/network/GamePackage.h"
#include "tests/network/HttpTestServer.h"

#include <filesystem>

using namespace playertest;
using platform::RegistryRoot;

namespace {

const char kEngineKey[] = "Software\\Halvremont\\TamzoraWeb";
const char kGameKey[] = "Software\\Halvremont\\TamzoraWeb\\Kulki";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\TamzoraWEB_Kulki";

// The game as its maker packs it: one scene, and no DEMO element, so that only the web run
// spares it the CD search.
webtest::GameFiles kulki()
{
    return {{"Dane/application.def", declared("KULKI", "APPLICATION", {}) + "KULKI:EPISODES=E\n" +
                                         treeElement("E", "EPISODE", {"SCENES=S"}) + treeElement("S", "SCENE", {})},
            {"Dane/S.cnv", ""}};
}

class WebGame : public PlayerRun {
protected:
    void SetUp() override
    {
        PlayerRun::SetUp();
        ASSERT_TRUE(server.isUp());
        server.serve("/Kulki.pik", httptest::withLength(package));
    }

    // The words of a web game's run, the test's server named.
    std::string webRun(const std::string& more = "") const
    {
        return "-game Kulki -fullname Gra_w_kulki -server " + server.host() + more;
    }
    std::string valueOf(RegistryRoot root, const std::string& key, const std::string& name)
    {
        std::string value;
        return platform.registry.getValue(root, key, name, value) ? value : "absent";
    }
    bool exists(const std::string& relative) const { return std::filesystem::exists(folder.temp / relative); }

    httptest::Server server;
    const std::string package = webtest::packageOf("Kulki", kulki());
};

TEST_F(WebGame, FirstRunDownloadsInstallsRecordsAndPlaysInAWindow)
{
    std::string playedIn;
    atEachPump([&](int pump) {
        if (pump != 1)
            return;
        playedIn = text(CFile::getCurrentDirectory());
        runningGame()->exit();
    });
    EXPECT_EQ(play(webRun()), 0);

    EXPECT_EQ(server.requestLines(), std::vector<std::string>{"GET /Kulki.pik HTTP/1.1"});
    ASSERT_EQ(platform.windowSystem.progressDialogs().size(), 1u);
    const platform::ProgressDialogRecord& dialog = platform.windowSystem.progressDialogs()[0];
    EXPECT_EQ(dialog.statuses.back(), "Wczytuj\xEA plik Kulki.pik( " + std::to_string(package.size()) + "/" +
                                          std::to_string(package.size()) + ") ");
    EXPECT_EQ(dialog.buttons, (std::vector<std::string>{"Anuluj", "Instaluj >>"}));
    EXPECT_EQ(dialog.positions.back(), 100);

    EXPECT_TRUE(exists("Kulki/Dane/application.def"));
    EXPECT_FALSE(exists("Kulki.pik"));
    EXPECT_EQ(playedIn, "T:\\Kulki\\Dane\\");
    // The window is forced, and shown.
    ASSERT_EQ(windows().size(), 1u);
    EXPECT_TRUE(windows()[0]->settings.framed);
    EXPECT_TRUE(windows()[0]->settings.visible);

    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kEngineKey, "Version"), CXVersion::getCurrentVersion().toString().c_str());
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kEngineKey, "Path"), "T:\\");
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kEngineKey, "File"), "Tamzora");
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "FullName"), "Gra w kulki");
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "TimesPlayed"), "1");
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "TotalTime"), "0");
    EXPECT_EQ(valueOf(RegistryRoot::LocalMachine, kUninstallKey, "UninstallString"), "T:\\Tamzora -uninstall -game Kulki");
}

TEST_F(WebGame, LaterRunsPlayWithoutDownloadingAndAddTheWholeSecondsPlayed)
{
    exitAtFirstPump();
    ASSERT_EQ(play(webRun()), 0);
    ASSERT_EQ(platform.registry.setValue(RegistryRoot::CurrentUser, kGameKey, "TotalTime", "40"), true);

    // The second run plays 1999 ms on the clock, from the start tick to the end.
    const uint32_t start = platform.clock.tickMs();
    atEachPump([&](int) {
        platform.clock.advance(start + 1999 - platform.clock.tickMs());
        runningGame()->exit();
    });
    EXPECT_EQ(play(webRun()), 0);
    EXPECT_EQ(server.requestLines().size(), 1u);
    EXPECT_EQ(platform.windowSystem.progressDialogs().size(), 1u);
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "TimesPlayed"), "2");
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "TotalTime"), "41");
}

TEST_F(WebGame, InstallOnlyRunsNeverPlayAndRecordTheVersionWhenGiven)
{
    EXPECT_EQ(play(webRun(" -install")), 0);
    EXPECT_TRUE(exists("Kulki/Dane/application.def"));
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "Version"), "absent");
    EXPECT_EQ(play(webRun(" -install -version 1.2")), 0);
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "Version"), "1.2");
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "TimesPlayed"), "0");
    EXPECT_TRUE(windows().empty());
    EXPECT_EQ(server.requestLines().size(), 1u);
}

TEST_F(WebGame, AFailedInstallEndsWithOneAndWritesNoRecords)
{
    EXPECT_EQ(play("-game Brak -fullname Brak -server " + server.host()), 1);
    EXPECT_TRUE(windows().empty());
    ASSERT_EQ(platform.windowSystem.progressDialogs().size(), 1u);
    EXPECT_EQ(platform.windowSystem.progressDialogs()[0].statuses.back(),
              "Wyst\xB9pi\xB3 b\xB3\xB9" "d: Plik Brak.pik nie zostal znaleziony na serwerze.");
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, "Software\\Halvremont\\TamzoraWeb\\Brak", "FullName"), "absent");
}

struct UninstallCase {
    const char* name;
    const char* commandLine;
    // The engine's "Path" as the player left it, or empty.
    bool pathRecorded;
    std::vector<bool> answers;
    int code;
    bool asked;
    bool removed;
};

class WebUninstallRun : public WebGame, public ::testing::WithParamInterface<UninstallCase> {};

TEST_P(WebUninstallRun, AsksAboutTheGameItRemovesAndRemovesNothingElse)
{
    const UninstallCase& c = GetParam();
    ASSERT_EQ(play(webRun(" -install")), 0);
    writeFile("keep.txt", "sentinel");
    if (!c.pathRecorded)
        platform.registry.setValue(RegistryRoot::CurrentUser, kEngineKey, "Path", "");
    platform.windowSystem.answerQuestions(c.answers);

    EXPECT_EQ(play(c.commandLine), c.code);
    std::vector<std::pair<std::string, std::string>> asked;
    if (c.asked)
        asked.emplace_back(CXVersion::getCurrentVersion().toString().c_str(), "Czy na pewno chesz odinstalowa\xE6 program 'Gra w kulki' ?");
    EXPECT_EQ(platform.windowSystem.questions(), asked);
    EXPECT_EQ(exists("Kulki/Dane/application.def"), !c.removed);
    EXPECT_EQ(valueOf(RegistryRoot::CurrentUser, kGameKey, "FullName"), c.removed ? "absent" : "Gra w kulki");
    EXPECT_EQ(folder.temp.read("keep.txt"), "sentinel");
    EXPECT_TRUE(windows().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Player, WebUninstallRun,
    ::testing::Values(UninstallCase{"Yes", "-uninstall -game Kulki", true, {true}, 0, true, true},
                      UninstallCase{"No", "-uninstall -game Kulki", true, {false}, 1, true, false},
                      UninstallCase{"NotRegistered", "-uninstall -game Inna", true, {true}, 1, false, false},
                      UninstallCase{"ParentFolder", "-uninstall -game ..", true, {true}, 1, false, false},
                      UninstallCase{"NoGame", "-uninstall", true, {true}, 1, false, false},
                      // The question is asked; without "Path" nothing can be found to remove.
                      UninstallCase{"NoPath", "-uninstall -game Kulki", false, {true}, 1, true, false}),
    [](const ::testing::TestParamInfo<UninstallCase>& info) { return std::string(info.param.name); });

} // namespace
