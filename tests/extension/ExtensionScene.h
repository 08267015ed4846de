#pragma once

// A live scene of the TobrelEx library's objects: the library copied into the game's program
// folder (T:\), scenes that name it, keys from the headless input and pictures written by the
// media fixtures.

#include "objects/InputScene.h"

#include "platform/SharedLibrary.h"

#include <fstream>
#include <iterator>
#include <string>

namespace extensiontest {

using apptest::text;
using apptest::treeElement;
using objectstest::behaviour;
using scripttest::declared;

class ExtensionScene : public objectstest::InputScene {
protected:
    static constexpr const char* kLibrary = "T:\\TobrelEx.so";

    void SetUp() override
    {
        InputScene::SetUp();
        std::ifstream built(TOBRELEX_LIBRARY, std::ios::binary);
        writeFile("TobrelEx.so", std::string(std::istreambuf_iterator<char>(built), std::istreambuf_iterator<char>()));
    }

    // Whether the game's copy of the library is in the process.
    static bool libraryLoaded() { return platform::SharedLibrary::isResident(kLibrary); }

    // Application GAME, episode E (naming `episodeDlls`, with `episodeScript`), its scene S naming
    // `dlls` with a LOG string before the script, and an empty scene T that names nothing.
    bool startWithLibrary(const std::string& dlls, const std::string& script, const std::string& commandLine = "",
                          const std::string& episodeDlls = "", const std::string& episodeScript = "")
    {
        writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E"}) +
                        treeElement("E", "EPISODE", {"SCENES=S, T", "DLLS=" + episodeDlls}) +
                        treeElement("S", "SCENE", {"DLLS=" + dlls}) + treeElement("T", "SCENE", {}));
        writeScript("E", episodeScript);
        writeScript("S", declared("LOG", "STRING") + script);
        writeScript("T", "");
        return start(commandLine);
    }
    // Goes to the scene of episode E, in the next turn.
    void enter(const std::string& scene)
    {
        run("E^GOTO(\"" + scene + "\")");
        turn();
    }
};

} // namespace extensiontest
