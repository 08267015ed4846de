// The player's start-up, its windows and menu, its exit codes and its main loop, run headless.
#include "PlayerRun.h"

#include "application/CMC_Application.h"
#include "foundation/CXVersion.h"
#include "graphics/CWindow.h"
#include "platform/DriveMap.h"
#include "tests/graphics/IconBytes.h"

using namespace playertest;
using platform::MenuItem;

namespace {

// The menu as "text=id" per command, "-" per separator, "text[...]" per popup.
std::string menuText(const std::vector<MenuItem>& items)
{
    std::string text;
    for (const MenuItem& item : items) {
        if (!text.empty())
            text += " ";
        if (item.kind == MenuItem::Kind::Separator)
            text += "-";
        else if (item.kind == MenuItem::Kind::Popup)
            text += item.text + "[" + menuText(item.items) + "]";
        else
            text += item.text + "=" + std::to_string(item.id) + (item.checked ? "*" : "");
    }
    return text;
}

TEST_F(PlayerRun, AGameWhoseFirstSceneCallsExitEndsAfterShowingItsWindowWithTheSceneMenu)
{
    writeDefinition(declared("DEMO", "APPLICATION", {"EPISODES=E1, E2"}) + treeElement("E1", "EPISODE", {"SCENES=A, B"}) +
                    treeElement("E2", "EPISODE", {"SCENES=C"}) + treeElement("A", "SCENE", {}) + treeElement("B", "SCENE", {}) +
                    treeElement("C", "SCENE", {}));
    writeScript("A", apptest::behaviour("__INIT__", "GAME^EXIT();"));
    writeFile("Tamzora.ini", "[MAIN]\nTITLE=Gra \xB3\xB9ka\nICON=gra.ico\n");
    graphicstest::IconPicture icon = graphicstest::twoColourPicture(16, 16, 8);
    const graphicstest::Bytes iconBytes = graphicstest::iconFile({graphicstest::iconEntry(icon)});
    writeFile("gra.ico", std::string(iconBytes.begin(), iconBytes.end()));

    atEachPump([](int) {});
    EXPECT_EQ(play("-window"), 0);
    // The loop was not entered, but the window was shown and drawn once.
    EXPECT_EQ(pumps, 0);
    EXPECT_GT(platform.display.changedPresentCount(), 0);
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(platform.programs.launches().empty());

    ASSERT_EQ(windows().size(), 1u);
    const platform::HeadlessHostWindow::State& window = *windows()[0];
    EXPECT_TRUE(window.settings.visible);
    EXPECT_EQ(window.settings.title, "Gra \xB3\xB9ka");
    EXPECT_TRUE(window.settings.framed);
    EXPECT_EQ(window.settings.clientSize.width, 800);
    EXPECT_EQ(window.icon.width, 16);
    EXPECT_EQ(window.icon.pixels.at(1), 0xFF102030u);
    ASSERT_TRUE(window.menu.has_value());
    // Scene indexes start again in every episode; the version closes the game's popup.
    EXPECT_EQ(menuText(*window.menu), "GAME[A=0 B=1 C=0 - " + text(CXVersion::getCurrentVersion().toString()) +
                                          "=100] &Program[&Redraw=40004 Message Box=40007* &Exit=40001] "
                                          "&Objects[&Bevaviours=40002 &Variables=40003 &Arrays=40005 A&ll=40006]");
}

TEST_F(PlayerRun, FullScreenAndFramelessWindowsHaveNoMenuAndTheDisplayFallsBackTo15BitsOnlyWhenRefused16)
{
    writeDemoGame();
    const struct {
        const char* commandLine;
        bool refuse16;
        uint32_t redMask;
        bool fullScreen;
    } cases[] = {
        {"", false, 0xF800, true},
        {"", true, 0x7C00, true},
        {"-window -noframe", false, 0xF800, false},
    };
    for (const auto& c : cases) {
        platform::HeadlessPlatform run(folder.temp.path());
        if (c.refuse16)
            run.display.refuseBitsPerPixel(16);
        uint32_t redMask = 0;
        bool fullScreen = false;
        run.windowSystem.setPumpHook([&] {
            redMask = run.display.format().redMask;
            fullScreen = run.display.isFullScreen();
            runningGame()->exit();
        });
        EXPECT_EQ(play(c.commandLine, run), 0) << c.commandLine;
        EXPECT_EQ(redMask, c.redMask) << c.commandLine;
        EXPECT_EQ(fullScreen, c.fullScreen) << c.commandLine;
        ASSERT_EQ(run.windowSystem.windows().size(), 1u);
        const platform::HeadlessHostWindow::State& window = *run.windowSystem.windows()[0];
        EXPECT_TRUE(window.settings.visible) << c.commandLine;
        EXPECT_FALSE(window.settings.framed) << c.commandLine;
        EXPECT_FALSE(window.menu.has_value()) << c.commandLine;
    }
}

TEST_F(PlayerRun, TheLoopTurnsEveryMillisecondWhileActiveSleeps100MsWhileNotAndEndsWhenTheWindowCloses)
{
    writeDemoGame();
    std::vector<uint32_t> times;
    std::vector<int> drawn;
    atEachPump([&](int pump) {
        times.push_back(platform.clock.tickMs());
        drawn.push_back(platform.display.changedPresentCount());
        if (pump == 3)
            platform.windowSystem.postPaint();
        if (pump == 4)
            platform.windowSystem.postActivate(false);
        if (pump == 6)
            platform.windowSystem.postClose();
    });
    EXPECT_EQ(play(), 0);
    ASSERT_EQ(times.size(), 6u);
    std::vector<uint32_t> steps;
    for (size_t i = 1; i < times.size(); ++i)
        steps.push_back(times[i] - times[i - 1]);
    EXPECT_EQ(steps, (std::vector<uint32_t>{1, 1, 1, 100, 100}));
    // Turns without an exposure draw nothing new; the exposure draws the screen once.
    EXPECT_EQ(drawn[2], drawn[1]);
    EXPECT_EQ(drawn[3], drawn[2] + 1);
    EXPECT_EQ(drawn[4], drawn[3]);
}

TEST_F(PlayerRun, DelayMakesASecondWindowBeforeTheMainOneThatIsNeverShown)
{
    writeDemoGame();
    // The window each display opened in, as the state the window system keeps of it.
    auto stateOf = [](platform::HeadlessDisplay* display) -> const platform::HeadlessHostWindow::State* {
        auto* window = display != nullptr ? dynamic_cast<platform::HeadlessHostWindow*>(display->openedIn()) : nullptr;
        return window != nullptr ? &window->state() : nullptr;
    };
    const platform::HeadlessHostWindow::State* mainDisplayWindow = nullptr;
    const platform::HeadlessHostWindow::State* mirrorDisplayWindow = nullptr;
    atEachPump([&](int pump) {
        if (pump != 1)
            return;
        mainDisplayWindow = stateOf(&platform.display);
        mirrorDisplayWindow = stateOf(platform.display.secondDisplay());
        runningGame()->exit();
    });
    EXPECT_EQ(play("-window -delay 5"), 0);
    ASSERT_EQ(windows().size(), 2u);
    EXPECT_FALSE(windows()[0]->settings.visible);
    EXPECT_EQ(windows()[0]->origin.x, 1024);
    EXPECT_TRUE(windows()[1]->settings.visible);
    EXPECT_EQ(windows()[1]->origin.x, 0);
    // The display is made with the second window mirroring it.
    EXPECT_EQ(mainDisplayWindow, windows()[1].get());
    EXPECT_EQ(mirrorDisplayWindow, windows()[0].get());
    EXPECT_EQ(platform.display.secondDisplay(), nullptr);
}

TEST_F(PlayerRun, SubdirOfTheConfigurationNamesTheGameFolder)
{
    gameFolder = "GRA/";
    writeDemoGame();
    writeFile("Tamzora.ini", "[MAIN]\nSUBDIR=GRA\n");
    // The DEMO element is looked for in the player's folder, so the game folder needs a CD
    // unless the player's folder holds it too.
    writeFile("Dane/Application.def", declared("DEMO", "INTEGER"));
    exitAtFirstPump();
    EXPECT_EQ(play(), 0);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(text(CWindow::getCDPath()), "T:\\GRA\\");
}

} // namespace
