// How a run ends when it does not play, or plays after a hand-over: the exit code, the message
// boxes, the programs started and whether the window was shown.
#include "PlayerRun.h"

#include "platform/DriveMap.h"

using namespace playertest;
using Launch = platform::HeadlessProgramLauncher::Launch;
using Messages = std::vector<std::pair<std::string, std::string>>;

namespace {

enum class Game {
    Demo,
    WithoutDemo,
    OnCdOnly,
    RequiresNewerWebEngine,
    RequiresOtherEngine,
    DemoWithoutApplication,
    DemoWithUpdate,
    OnCdDrive,
    DemoSecondCopy,
};

struct ExitCase {
    const char* name;
    Game game;
    const char* commandLine;
    // With 16 and 15 bits per pixel refused.
    bool refuseDisplay;
    int code;
    Messages messages;
    std::vector<Launch> launches;
    // -1: no window was opened.
    int windowShown;
};

const std::string kNewerText = "Aby uruchomic ten program wymagana jest nowsza wersja platformy ";
const std::string kGraphicsText = "Nieprawid\xB3owe dzia\xB3" "anie karty graficznej.";

class PlayerExitCodes : public PlayerRun, public ::testing::WithParamInterface<ExitCase> {
protected:
    void prepare(Game game)
    {
        switch (game) {
        case Game::Demo:
            return writeDemoGame();
        case Game::WithoutDemo:
            return writeGameNamed("GAME", folder.temp);
        case Game::OnCdOnly:
            return putOnCd();
        case Game::RequiresNewerWebEngine:
            return writeDemoGame({"TAMZORA_VERSION=TW.9.0.0"});
        case Game::RequiresOtherEngine:
            return writeDemoGame({"TAMZORA_VERSION=T.1.0.0"});
        case Game::DemoWithoutApplication:
            return writeDefinition(declared("DEMO", "INTEGER"));
        case Game::DemoWithUpdate:
            writeFile("temp/NEW.EXE", "");
            return writeDemoGame();
        case Game::OnCdDrive:
            drives_.set('T', folder.temp.path(), platform::DriveType::CdRom);
            platform::setDrives(&drives_);
            return writeDemoGame();
        case Game::DemoSecondCopy:
            platform::SingleInstance::setFolder(folder.temp.path());
            firstCopy_ = std::make_unique<platform::SingleInstance>("Tamzora");
            return writeDemoGame();
        }
    }

private:
    // A game whose application is not "DEMO", with the player's INI file that the CD search
    // looks for.
    void writeGameNamed(const std::string& name, const TempFolder& where)
    {
        where.write("Tamzora.ini", "");
        where.write("Dane/application.def", declared(name, "APPLICATION", {"EPISODES=E"}) +
                                                treeElement("E", "EPISODE", {"SCENES=S"}) + treeElement("S", "SCENE", {}));
        where.write("Dane/S.cnv", "");
    }
    // The hard disk holds nothing of the game; the CD in drive D: holds all of it.
    void putOnCd()
    {
        drives_.set('T', folder.temp.path(), platform::DriveType::Fixed);
        drives_.set('D', cd_.path(), platform::DriveType::CdRom);
        platform::setDrives(&drives_);
        writeGameNamed("GAME", cd_);
    }

    TempFolder cd_;
    platform::DriveMap drives_;
    std::unique_ptr<platform::SingleInstance> firstCopy_;
};

TEST_P(PlayerExitCodes, EndsWithItsCodeMessagesAndHandOvers)
{
    const ExitCase& c = GetParam();
    prepare(c.game);
    if (c.refuseDisplay) {
        platform.display.refuseBitsPerPixel(16);
        platform.display.refuseBitsPerPixel(15);
    }
    // A game that plays ends at once.
    atEachPump([](int) { runningGame()->exit(); });
    EXPECT_EQ(play(c.commandLine), c.code);
    EXPECT_EQ(messages(), c.messages);
    EXPECT_EQ(platform.programs.launches(), c.launches);
    if (c.windowShown < 0) {
        EXPECT_TRUE(windows().empty());
    } else {
        ASSERT_FALSE(windows().empty());
        EXPECT_EQ(windows().back()->settings.visible, c.windowShown == 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Player, PlayerExitCodes,
    ::testing::Values(
        ExitCase{"Plays", Game::Demo, "-window", false, 0, {}, {}, 1},
        ExitCase{"SecondCopy", Game::DemoSecondCopy, "-window", false, 1, {}, {}, -1},
        ExitCase{"NoDemoAndNoCd", Game::WithoutDemo, "-window", false, 1, {{"Halvremont", kNoCdText}}, {}, -1},
        ExitCase{"GameOnCd", Game::OnCdOnly, "-window", false, 0, {}, {}, 1},
        ExitCase{"NewerWebEngineRequired", Game::RequiresNewerWebEngine, "-window", false, 0,
                 {{"Tamzora WEB", kNewerText + "Tamzora WEB"}}, {}, 0},
        ExitCase{"OtherEngineRequired", Game::RequiresOtherEngine, "-window", false, 0, {{"Tamzora", kNewerText + "Tamzora"}}, {}, 0},
        ExitCase{"NoApplication", Game::DemoWithoutApplication, "-window", false, 0, {}, {}, 0},
        // The updater gets the command line as one argument; when it does not start, the game plays.
        ExitCase{"PendingUpdate", Game::DemoWithUpdate, "-window -res 800 600", false, 0, {},
                 {Launch{"copy.exe", {"copy.exe", "-window -res 800 600"}}}, 1},
        // The CD launcher replaces the player; when it does not start, the player ends.
        ExitCase{"RunFromCd", Game::OnCdDrive, "-window", false, 1, {}, {Launch{"T:\\Autorun.exe", {"\\Autorun.exe"}}}, -1},
        // A game that is not registered is not asked about.
        ExitCase{"UninstallUnknown", Game::Demo, "-uninstall -game Kulki", false, 1, {}, {}, -1},
        ExitCase{"DisplayRefused", Game::Demo, "", true, 1, {{"Halvremont", kGraphicsText}}, {}, 0}),
    [](const ::testing::TestParamInfo<ExitCase>& info) { return std::string(info.param.name); });

} // namespace
