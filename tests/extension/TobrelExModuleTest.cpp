// The TobrelEx library as scenes load it: its three types made by their words and restored from
// compiled scenes, its objects' shared signals and methods, the module shared by an episode and
// its scene, and nothing of it left in the process once the last container lets it go.
#include "ExtensionScene.h"

#include "application/CMC_Episode.h"
#include "foundation/CMElement.h"

using namespace extensiontest;

namespace {

constexpr int kKulki = 10000;
constexpr int kGameMouse = 10001;
constexpr int kKeyMapper = 10002;

const std::string kThreeObjects =
    declared("K", "KULKI") + declared("G", "GAMEMOUSE") + declared("M", "KEYMAPPER") + declared("LOWER", "kulki");

class TobrelExModule : public ExtensionScene {
protected:
    int typeOf(const std::string& name)
    {
        CMC_Object* found = object(name);
        return found != nullptr ? found->getType() : 0;
    }
};

TEST_F(TobrelExModule, EitherSpellingOfTheLibraryMakesTheThreeTypes)
{
    for (const char* dlls : {"TobrelEx", "tobrelex.DLL"}) {
        SCOPED_TRACE(dlls);
        ASSERT_TRUE(startWithLibrary(dlls, kThreeObjects));
        EXPECT_EQ(typeOf("K"), kKulki);
        EXPECT_EQ(typeOf("G"), kGameMouse);
        EXPECT_EQ(typeOf("M"), kKeyMapper);
        // Words are matched exactly.
        EXPECT_EQ(object("LOWER"), nullptr);
        EXPECT_EQ(run("M^MAPKEY(\"X\")"), "X");
        EXPECT_TRUE(libraryLoaded());
        stop();
        EXPECT_FALSE(libraryLoaded());
    }
}

TEST_F(TobrelExModule, SharedMethodsAndSignals)
{
    ASSERT_TRUE(startWithLibrary("TobrelEx", declared("K", "KULKI", {"ONINIT={LOG^ADD(\"init|\");}"}) +
                                                 declared("G", "GAMEMOUSE", {"ONSIGNAL^GO={LOG^ADD(\"signal|\");}"}) +
                                                 declared("M", "KEYMAPPER", {"ONKEYUP={LOG^ADD(\"keyup|\");}"})));
    // No init signal; the others are bound as listed, raised by scripts alone.
    EXPECT_EQ(value("LOG"), "");
    run("G^SEND(\"GO\")");
    tap(platform::key::A);
    EXPECT_EQ(value("LOG"), "signal|");
    // GAMEMOUSE's GO and every EMPTY answer nothing; the common methods are there.
    for (const char* line : {"G^GO()", "G^GO(1, \"x\")", "K^EMPTY()", "G^EMPTY()", "M^EMPTY()"})
        EXPECT_EQ(run(line), "none") << line;
    EXPECT_EQ(run("M^GETNAME()"), "M");
    EXPECT_TRUE(messages().empty());
    for (const char* line : {"K^SHOW()", "G^SHOW()", "M^SHOW()"})
        EXPECT_EQ(run(line), "none") << line;
    EXPECT_EQ(messages(), (std::vector<std::pair<std::string, std::string>>{{"TobrelEx", "K"}, {"TobrelEx", "G"}, {"TobrelEx", "M"}}));
}

TEST_F(TobrelExModule, CompiledScenesRestoreTheObjectsAfterABoxEach)
{
    ASSERT_TRUE(startWithLibrary("TobrelEx", kThreeObjects, "-2bin"));
    stop();
    ASSERT_TRUE(start());
    ASSERT_TRUE(liveScene()->isBinary());
    EXPECT_EQ(typeOf("K"), kKulki);
    EXPECT_EQ(typeOf("G"), kGameMouse);
    EXPECT_EQ(typeOf("M"), kKeyMapper);
    EXPECT_EQ(messages(), (std::vector<std::pair<std::string, std::string>>{{"Kulki", "CMC_Kulki::CMC_Kulki( CMS_Scene )"},
                                                                             {"GameMouse", "CMC_GameMouse::CMC_GameMouse( CMS_Scene )"},
                                                                             {"KeyMapper", "CMC_KeyMapper::CMC_KeyMapper( CMS_Scene )"}}));
    EXPECT_EQ(run("M^MAPKEY(\"X\")"), "X");
}

TEST_F(TobrelExModule, LeavingTheSceneUnloadsTheLibraryAndItsMappings)
{
    ASSERT_TRUE(startWithLibrary("TobrelEx", declared("M", "KEYMAPPER")));
    run("M^SETKEYMAPPING(\"A\", \"LEFT\")");
    EXPECT_EQ(run("M^MAPKEY(\"A\")"), "LEFT");
    enter("T");
    EXPECT_FALSE(libraryLoaded());
    // Loaded anew, without the mappings.
    enter("S");
    EXPECT_TRUE(libraryLoaded());
    EXPECT_EQ(run("M^MAPKEY(\"A\")"), "A");
}

TEST_F(TobrelExModule, AnEpisodeAndItsSceneShareTheModuleUntilBothLetGo)
{
    ASSERT_TRUE(startWithLibrary("TobrelEx", declared("M", "KEYMAPPER"), "", "TobrelEx", declared("EPISODEMAP", "KEYMAPPER")));
    ASSERT_EQ(typeOf("M"), kKeyMapper);
    ASSERT_EQ(typeOf("EPISODEMAP"), kKeyMapper);
    // One library, so one runner and one set of mappings for both.
    run("EPISODEMAP^SETKEYMAPPING(\"A\", \"LEFT\")");
    EXPECT_EQ(run("M^MAPKEY(\"A\")"), "LEFT");

    enter("T");
    EXPECT_TRUE(libraryLoaded());
    EXPECT_EQ(run("EPISODEMAP^MAPKEY(\"A\")"), "LEFT");
    // The scene's release left the episode's module working.
    CMElement definition("MADE");
    definition.addProperty("TYPE", "GAMEMOUSE");
    CMC_Object* made = episode("E")->resolveEx(&definition);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->getType(), kGameMouse);
    CMC_Object::destroy(made);

    stop();
    EXPECT_FALSE(libraryLoaded());
}

} // namespace
