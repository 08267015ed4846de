#pragma once

// The test plug-in libraries (built from plugin/TestPlug.cpp) beside the program of a GameHost
// game, and the engine's log lines, where they report what happens to them.

#include "GameHost.h"
#include "LogLines.h"

#include <string>

namespace apptest {

// Type identifiers of the PLUGVALUE objects each library makes.
constexpr int kPlugTypeA = 10901;
constexpr int kPlugTypeB = 10902;

class PlugInGame : public GameHost {
protected:
    void SetUp() override
    {
        GameHost::SetUp();
        // The program's folder of a GameHost game is the root, T:\.
        copyLibrary(TEST_PLUG_A, "TestPlug.so");
        copyLibrary(TEST_PLUG_B, "TestPlugB.so");
    }

    // The smallest game whose one scene names the libraries.
    bool startWithLibraries(const std::string& dlls, const std::string& script, const std::string& commandLine = "")
    {
        writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + treeElement("E", "EPISODE", {"SCENES=S"}) +
                        treeElement("S", "SCENE", {"DLLS=" + dlls}));
        writeScript("S", script);
        return start(commandLine);
    }

    static std::string plugValue(const std::string& name, int value)
    {
        return declared(name, "PLUGVALUE", {"VALUE=" + std::to_string(value)});
    }

    LogLines log;
};

} // namespace apptest
