// WORLD objects as scenes make them: world files read through the engine's files, the engine's
// clock handed to the simulation, the runner they share; and the World library itself, named by
// a scene, running Korrun, restoring WORLDs from compiled scenes and going with its scene.
#include "WorldScene.h"

#include "plugins/world/CMC_World_Runner.h"

using namespace worldtest;

namespace {

using Calls = std::vector<std::string>;

const std::string kWorldFile = "KORRUN 1\nAddBody 5 100 50 0 10 10 0 0 983040 1 0 0\n";

class WorldModule : public WorldScene {
protected:
    void writeData(const std::string& name, const std::string& bytes) { writeFile(gameFolder + "Dane/" + name, bytes); }
};

TEST_F(WorldModule, WorldFilesComeThroughTheEnginesFilesOnTheEnginesClock)
{
    writeData("w.txt", "first");
    writeData("more.txt", "second");
    ASSERT_TRUE(startWith(""));
    addWorld("W", {{"FILENAME", "w.txt"}});
    EXPECT_EQ(simulation().taken(), (Calls{"SetClock()", "Create(\"first\")"}));
    const uint32_t before = simulation().clock();
    clock.advance(40);
    EXPECT_EQ(simulation().clock() - before, 40u);

    run("W^LOAD(\"more.txt\")");
    // A name that opens nothing changes nothing.
    run("W^LOAD(\"missing.txt\")");
    EXPECT_EQ(simulation().taken(), (Calls{"Load(\"second\")"}));
    // ...and gives an empty world to begin with, as no name does.
    addWorld("MISSING", {{"FILENAME", "missing.txt"}});
    EXPECT_EQ(simulation().taken(), (Calls{"SetClock()", "Create(null)"}));
    addWorld("NONE");
    EXPECT_EQ(simulation().taken(), (Calls{"SetClock()", "Create(null)"}));
}

TEST_F(WorldModule, TheSharedRunnerStaysUntilTheLastWorldGoes)
{
    ASSERT_TRUE(startWith(""));
    CMC_World* first = addWorld("FIRST");
    addWorld("SECOND");
    CMC_Runner* runner = object("SECOND")->getRunner();
    EXPECT_EQ(first->getRunner(), runner);
    CMC_Object::destroy(first);
    // The engine keeps the runner it was given: it must still work.
    EXPECT_EQ(runner->resolveMethod("MOVEOBJECTS"), CMC_World_Runner::MOVEOBJECTS);
    EXPECT_EQ(run("SECOND^MOVEOBJECTS()"), "16.00000");
}

TEST_F(WorldModule, ASceneNamingTheLibraryRunsKorrunAndLetsItGo)
{
    writeData("w.txt", kWorldFile);
    writeData("more.txt", "KORRUN 1\nAddBody 6 -100 0 0 10 10 0 0 983040 1 0 0\n");
    for (const char* dlls : {"World", "world.DLL"}) {
        SCOPED_TRACE(dlls);
        ASSERT_TRUE(startWithLibrary(dlls, declared("W", "WORLD", {"FILENAME=w.txt", "ONINIT=" + logs("init")}) +
                                               declared("LOWER", "world")));
        ASSERT_NE(object("W"), nullptr);
        EXPECT_EQ(object("W")->getType(), CMC_World::kTypeId);
        EXPECT_EQ(object("LOWER"), nullptr);
        EXPECT_EQ(log(), "init|");
        EXPECT_TRUE(libraryLoaded());

        EXPECT_EQ(run("W^GETPOSITIONX(5)") + "," + run("W^GETPOSITIONY(5)"), "500,250");
        run("W^LOAD(\"more.txt\")");
        EXPECT_EQ(run("W^GETPOSITIONX(6)") + "," + run("W^GETPOSITIONY(6)"), "300,300");
        // Falling on the engine's clock: 48 ms are two whole steps of 1/60 s.
        run("W^SETGRAVITY(0, -980, 0)");
        run("W^MOVEOBJECTS()");
        clock.advance(48);
        EXPECT_EQ(run("W^MOVEOBJECTS()").substr(0, 5), "33.33");
        clock.advance(100);
        run("W^MOVEOBJECTS()");
        EXPECT_GT(std::stoi(run("W^GETPOSITIONY(5)")), 250);

        enter("T");
        EXPECT_FALSE(libraryLoaded());
        stop();
    }
}

TEST_F(WorldModule, ABodyFallingOntoTheFloorStartsAndFinishesOnce)
{
    struct Case {
        const char* what;
        // Shape, flags, mass and rigidity of its AddBody.
        const char* body;
    };
    const Case cases[] = {{"a ball", "0 983040 1 0"}, {"a bouncing ball", "0 983040 1 0.5"}, {"a box", "1 983040 1 0"}};
    writePicture("BALL.IMG", 4, 4, 0x1234);
    std::string ball = declared("BALL", "IMAGE", {"FILENAME=BALL.IMG"});
    for (const char* signal : {"ONSTARTED", "ONFINISHED"})
        ball += std::string("BALL:ONSIGNAL^") + signal + "=" + logs(signal) + "\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // Of half size 10 at (100, 50) over a floor whose top is at -230.
        writeData("w.txt", std::string("KORRUN 1\nAddBody 1 0 -250 0 400 20 0 1 983040 0 0 0\nAddBody 5 100 50 0 10 10 0 ") +
                               c.body + " 0\n");
        ASSERT_TRUE(startWithLibrary("World", declared("W", "WORLD", {"FILENAME=w.txt"}) + ball));
        run("W^SETGRAVITY(0, -980, 0)");
        run("W^LINK(5, \"BALL\")");
        // Four seconds of turns: the ball lands in under one, the bouncing one rests in under three.
        for (int turn = 0; turn < 250; ++turn) {
            clock.advance(16);
            run("W^MOVEOBJECTS()");
        }
        EXPECT_EQ(log(), "ONSTARTED|ONFINISHED|");
        EXPECT_EQ(run("W^GETSPEED(5)"), "0");
        // On the floor, through the view: the centre at world (100, -220), give or take the half
        // unit of skin of each polygon and the truncation to whole units.
        EXPECT_NEAR(std::stoi(run("BALL^GETPOSITIONX()")), 500, 1);
        EXPECT_NEAR(std::stoi(run("BALL^GETPOSITIONY()")), 520, 2);
        stop();
    }
}

TEST_F(WorldModule, ACompiledSceneRestoresAWorldWithoutASimulation)
{
    writeData("w.txt", kWorldFile);
    ASSERT_TRUE(startWithLibrary("World", declared("W", "WORLD", {"FILENAME=w.txt"}), "-2bin"));
    EXPECT_TRUE(messages().empty());
    stop();
    ASSERT_TRUE(start());
    ASSERT_TRUE(liveScene()->isBinary());
    ASSERT_NE(object("W"), nullptr);
    EXPECT_EQ(object("W")->getType(), CMC_World::kTypeId);
    EXPECT_EQ(messages(), (std::vector<std::pair<std::string, std::string>>{{"Test", "CMC_World::CMC_World( CMS_Scene )"}}));
    // Every method does nothing and answers 0 or FALSE; the common ones still work.
    const std::pair<const char*, const char*> cases[] = {
        {"W^MOVEOBJECTS()", "0"},          {"W^GETPOSITIONX(5)", "0"},     {"W^GETANGLE(5)", "0"},
        {"W^GETCOLLISION(5)", "FALSE"},    {"W^ISMESHENABLED(5)", "FALSE"}, {"W^FOLLOW(5, 1, 2, 3, 4, 5, 6)", "0"},
        {"W^GETBKGPOSX()", "0"},           {"W^START()", "none"},          {"W^LINK(5, \"W\")", "none"},
        {"W^LOAD(\"w.txt\")", "none"},     {"W^REMOVEOBJECT(5)", "none"},  {"W^ADDOBJECT(1, 2, 3)", "none"},
        {"W^GETNAME()", "W"},
    };
    for (const auto& [line, answer] : cases)
        EXPECT_EQ(run(line), answer) << line;
}

} // namespace
