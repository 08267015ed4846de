#pragma once

// The player run headless on a game folder: the engine-host fixture writes the game (drive T:,
// the current folder of the run), then playerMain runs it on a headless platform whose windows,
// message boxes, program starts, display and clock the test reads. A hook called at every pump
// of the main loop looks at the running game and posts what the desktop does next.

#include "application/GameHost.h"
#include "foundation/GameTree.h"

#include "foundation/CFile.h"
#include "platform/HeadlessPlatform.h"
#include "platform/SingleInstance.h"
#include "player/PlayerMain.h"
#include "script/CGameConfigLink.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace playertest {

using apptest::declared;
using apptest::text;
using apptest::treeElement;

// The text of the missing-CD message on a Polish system.
inline const std::string kNoCdText = "Brak p\xB3yty CD.";

class PlayerRun : public apptest::GameHost {
protected:
    void SetUp() override
    {
        GameHost::SetUp();
        platform::setSystemLocale(&polish_);
    }
    void TearDown() override
    {
        platform::setSystemLocale(nullptr);
        GameHost::TearDown();
    }

    // A game the player starts from the hard disk: its application element is "DEMO" (so the
    // engine names it "GAME"), episode E with scene S unless other episodes are given, each
    // scene's script empty.
    void writeDemoGame(std::initializer_list<std::string> applicationProperties = {})
    {
        std::vector<std::string> properties{"EPISODES=E"};
        properties.insert(properties.end(), applicationProperties);
        std::string definition = declared("DEMO", "APPLICATION", {});
        for (const std::string& property : properties)
            definition += "DEMO:" + property + "\n";
        writeDefinition(definition + treeElement("E", "EPISODE", {"SCENES=S"}) + treeElement("S", "SCENE", {}));
        writeScript("S", "");
    }

    // playerMain with the words of the command line, in the game folder, on the fixture's
    // platform or another one.
    int play(const std::string& commandLine = "-window") { return play(commandLine, platform); }
    int play(const std::string& commandLine, platform::HeadlessPlatform& run)
    {
        std::istringstream words(commandLine);
        std::vector<std::string> arguments;
        for (std::string word; words >> word;)
            arguments.push_back(word);
        CFile::chDir("T:\\");
        return playerMain(arguments, run);
    }

    // Calls the test's step at every pump, counting from 1.
    void atEachPump(std::function<void(int)> step)
    {
        platform.windowSystem.setPumpHook([this, step] { step(++pumps); });
    }
    // Ends the running game the way its EXIT does, at the first pump.
    void exitAtFirstPump()
    {
        atEachPump([](int pump) {
            if (pump == 1)
                runningGame()->exit();
        });
    }

    // The game the running player's engine host holds; null when none runs.
    static CMC_Application* runningGame()
    {
        auto* host = dynamic_cast<CApplication*>(CGameConfigLink::installed());
        return host != nullptr ? host->getMCApplicationIfc() : nullptr;
    }

    const std::vector<std::pair<std::string, std::string>>& messages() { return platform.windowSystem.messages(); }
    const std::vector<std::shared_ptr<platform::HeadlessHostWindow::State>>& windows()
    {
        return platform.windowSystem.windows();
    }

    // Its lock files go to the game folder, which no other test shares.
    platform::HeadlessPlatform platform{folder.temp.path()};
    int pumps = 0;

private:
    FixedLocale polish_{"0415"};
};

} // namespace playertest
