// Plug-in modules named by a container's "DLLS": libraries found by name beside the program, TYPE
// words and stored type identifiers the engine does not know made by the modules in list order,
// and every module released and its library unloaded only once the objects it made are gone.
#include "PlugIns.h"

#include "application/CMC_DLLExModuleInterface.h"

using namespace apptest;

namespace {

class PluginModules : public PlugInGame {
protected:
    // The type of the object the live scene holds under the name; 0 without one.
    int typeOf(const std::string& name)
    {
        CMC_Object* found = object(name);
        return found != nullptr ? found->getType() : 0;
    }
};

TEST(PluginLibraryNames, MapToSharedLibrariesBesideTheProgram)
{
    const struct {
        const char* listed;
        const char* loaded;
    } cases[] = {
        {"World", "World.so"},
        {"World.dll", "World.so"},
        {"world.DLL", "world.so"},
        {"World.so", "World.so"},
        {"my.plugin", "my.plugin"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(text(CMC_DLLExModuleInterface::libraryFileName(row.listed)), row.loaded) << row.listed;
}

TEST_F(PluginModules, UnknownWordsGoToTheModulesInListOrder)
{
    const struct {
        const char* dlls;
        int made; // type of the object made, 0 for none
    } cases[] = {
        {"TestPlug", kPlugTypeA},
        {"TestPlug.dll", kPlugTypeA},
        {"Missing, TestPlug", kPlugTypeA},
        {"TestPlug,TestPlugB", kPlugTypeA},
        {"TestPlugB, TestPlug", kPlugTypeB},
        {"Missing", 0},
        // A library is only ever taken from the program's folder.
        {"Dane\\..\\TestPlug", 0},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.dlls);
        ASSERT_TRUE(startWithLibraries(row.dlls, plugValue("P", 7) + declared("N", "INTEGER", {"VALUE=1"})));
        EXPECT_EQ(typeOf("P"), row.made);
        EXPECT_EQ(value("N"), "1");
        if (row.made != 0) {
            EXPECT_EQ(text(object("P")->toString()), row.made == kPlugTypeA ? "A:7" : "B:7");
        }
        stop();
    }
}

TEST_F(PluginModules, LeavingASceneUnloadsItsLibrariesAfterItsObjects)
{
    writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E"}) +
                    treeElement("E", "EPISODE", {"SCENES=S1, S2"}) + treeElement("S1", "SCENE", {"DLLS=TestPlug"}) +
                    treeElement("S2", "SCENE", {}));
    writeScript("S1", plugValue("P1", 1) + plugValue("P2", 2));
    ASSERT_TRUE(start());
    log.listen();
    run("E^GOTO(\"S2\")");
    turn();
    EXPECT_EQ(liveSceneName(), "S2");
    EXPECT_EQ(log.startingWith("A:"),
              (std::vector<std::string>{"A: gone P1", "A: gone P2", "A: released with 0 objects alive", "A: unloaded"}));

    // Entered again: loaded and made anew.
    log.listen();
    run("E^GOTO(\"S1\")");
    turn();
    EXPECT_EQ(log.startingWith("A:"), (std::vector<std::string>{"A: created", "A: made P1", "A: made P2"}));
    EXPECT_EQ(typeOf("P2"), kPlugTypeA);
}

TEST_F(PluginModules, AnEpisodeEnteredAgainReleasesItsEarlierModulesFirst)
{
    writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E1, E2"}) +
                    treeElement("E1", "EPISODE", {"SCENES=S1", "DLLS=TestPlug"}) + treeElement("E2", "EPISODE", {"SCENES=S2"}) +
                    treeElement("S1", "SCENE", {}) + treeElement("S2", "SCENE", {}));
    writeScript("E1", plugValue("EP", 3));
    ASSERT_TRUE(start());
    ASSERT_EQ(typeOf("EP"), kPlugTypeA);
    log.listen();
    // The episode left keeps its objects and modules.
    run("GAME^GOTO(\"E2\")");
    turn();
    EXPECT_TRUE(log.startingWith("A:").empty());
    run("GAME^GOTO(\"E1\")");
    turn();
    EXPECT_EQ(log.startingWith("A:"), (std::vector<std::string>{"A: gone EP", "A: released with 0 objects alive", "A: unloaded",
                                                                "A: created", "A: made EP"}));
    EXPECT_EQ(text(object("EP")->toString()), "A:3");
    for (const char* target : {"E2", "E1", "E2"}) {
        run(std::string("GAME^GOTO(\"") + target + "\")");
        turn();
    }
    // The teardown releases the last list; nothing leaks (the sanitizers watch).
    log.listen();
    stop();
    EXPECT_EQ(log.startingWith("A:"), (std::vector<std::string>{"A: gone EP", "A: released with 0 objects alive", "A: unloaded"}));
}

TEST_F(PluginModules, StoredObjectsOfTheModulesTypesAreReadBackByThem)
{
    ASSERT_TRUE(startWithLibraries("Missing, TestPlug", plugValue("P", 7) + declared("N", "INTEGER", {"VALUE=4"}), "-2bin"));
    stop();
    // The modules of the compiled scene are loaded before its records are read.
    ASSERT_TRUE(start());
    EXPECT_TRUE(liveScene()->isBinary());
    EXPECT_EQ(typeOf("P"), kPlugTypeA);
    EXPECT_EQ(text(object("P")->toString()), "A:7");
    EXPECT_EQ(value("N"), "4");
}

} // namespace
