// Scenes becoming live and leaving: scripts, "__INIT__" and "ONINIT", changes in the next turn,
// statistics and TOINI variables in the game's INI file.
#include "GameHost.h"

#include "foundation/CTextCoder.h"
#include "script/CMC_Groupped.h"

using namespace apptest;

namespace {

// GAME -> episode E (S1, S2, S3); LOG is the application's record of what ran.
const std::string kGame = treeElement("GAME", "APPLICATION", {"EPISODES=E"}) +
                          treeElement("E", "EPISODE", {"SCENES=S1, S2, S3"}) + treeElement("S1", "SCENE", {}) +
                          treeElement("S2", "SCENE", {}) + treeElement("S3", "SCENE", {});

std::string logged(const std::string& name, const std::string& what)
{
    return behaviour(name, "LOG^ADD(\"" + what + "|\");");
}

class SceneLifecycle : public GameHost {
protected:
    void writeGame()
    {
        writeDefinition(kGame);
        writeScript("GAME", declared("LOG", "STRING") + logged("__INIT__", "GAME.__INIT__"));
        writeScript("E", logged("__INIT__", "E.__INIT__") + "OBJECT=E\nE:ONDONE={LOG^ADD(\"E.ONDONE|\");}\n");
        for (const char* scene : {"S1", "S2", "S3"}) {
            std::string name = scene;
            std::string script = logged("__INIT__", name + ".__INIT__") + declared(name + "_OBJECT", "INTEGER") +
                                 "OBJECT=" + name + "\n" + name + ":ONINIT={LOG^ADD(\"" + name + ".ONINIT|\");}\n";
            // S2's script is stored coded.
            if (name == "S2")
                script = CTextCoder::codeText(script.data(), static_cast<int>(script.size()), 6).c_str();
            writeScript(name, script);
        }
    }
};

TEST_F(SceneLifecycle, StartEntersTheStartSceneAndRunsItsInitialisationOnce)
{
    writeGame();
    ASSERT_TRUE(start());
    EXPECT_EQ(liveSceneName(), "S1");
    EXPECT_EQ(value("LOG"), "GAME.__INIT__|E.__INIT__|S1.__INIT__|S1.ONINIT|");
    EXPECT_NE(object("S1_OBJECT"), nullptr);
    EXPECT_EQ(object("S2_OBJECT"), nullptr);

    // Leaving deletes the scene's objects; coming back reads its script again.
    CMC_ObjectRef first(object("S1_OBJECT"));
    episode("E")->next();
    turn();
    EXPECT_FALSE(first.isAlive());
    EXPECT_NE(object("S2_OBJECT"), nullptr);
    episode("E")->prev();
    turn();
    EXPECT_NE(object("S1_OBJECT"), nullptr);
    // Every change between its scenes leaves the episode's live scene: its ONDONE each time.
    EXPECT_EQ(value("LOG"), "GAME.__INIT__|E.__INIT__|S1.__INIT__|S1.ONINIT|E.ONDONE|S2.__INIT__|S2.ONINIT|E.ONDONE|"
                            "S1.__INIT__|S1.ONINIT|");
}

} // namespace

namespace {

TEST_F(SceneLifecycle, ChangesHappenInTheNextTurnWithTheEpisodesHistory)
{
    // Each step asks the episode for a change, then one turn runs; the live scene after it.
    struct Step {
        const char* action;
        const char* live;
    };
    struct Case {
        const char* title;
        std::vector<Step> steps;
        std::vector<std::string> history;
    };
    const Case cases[] = {
        {"next and prev", {{"NEXT", "S2"}, {"NEXT", "S3"}, {"PREV", "S2"}}, {"S1", "S2", "S3", "S2"}},
        {"nothing past either end", {{"PREV", "S1"}, {"GOTO S3", "S3"}, {"NEXT", "S3"}}, {"S1", "S3"}},
        {"back twice goes to the same scene", {{"NEXT", "S2"}, {"NEXT", "S3"}, {"BACK", "S2"}, {"BACK", "S2"}},
         {"S1", "S2", "S2"}},
        {"back needs two entries", {{"BACK", "S1"}}, {"S1"}},
        {"goto the live scene reloads it", {{"GOTO S1", "S1"}}, {"S1", "S1"}},
        {"an unknown goto drops the request", {{"GOTO S3;GOTO X", "S1"}}, {"S1"}},
        {"the last goto of a turn wins", {{"GOTO S3;GOTO S2", "S2"}}, {"S1", "S2"}},
        {"restart goes to the first scene", {{"GOTO S3", "S3"}, {"RESTART", "S1"}}, {"S1", "S3", "S1"}},
    };
    for (const Case& c : cases) {
        writeGame();
        ASSERT_TRUE(start()) << c.title;
        CMC_Episode* e = episode("E");
        for (const Step& step : c.steps) {
            std::string before = liveSceneName();
            std::string actions = step.action;
            for (size_t at = 0; at < actions.size();) {
                size_t end = actions.find(';', at);
                std::string action = actions.substr(at, end == std::string::npos ? std::string::npos : end - at);
                at = end == std::string::npos ? actions.size() : end + 1;
                if (action == "NEXT")
                    e->next();
                else if (action == "PREV")
                    e->prev();
                else if (action == "BACK")
                    e->back();
                else if (action == "RESTART")
                    e->restart();
                else
                    e->_goto(action.substr(5).c_str());
            }
            EXPECT_EQ(liveSceneName(), before) << c.title << ": changed before the turn, " << step.action;
            turn();
            EXPECT_EQ(liveSceneName(), step.live) << c.title << ": " << step.action;
        }
        EXPECT_EQ(historyOf(e), c.history) << c.title;
        stop();
    }
}

} // namespace

namespace {

TEST_F(SceneLifecycle, VisitsAddTheirTimeAndCountToTheGamesIni)
{
    writeGame();
    ASSERT_TRUE(start());
    turn(2500);
    episode("E")->_goto("S2");
    turn(16); // S1 lived 2516 ms
    turn(1499);
    episode("E")->_goto("S1");
    turn(1); // S2 lived 1500 ms from 2516: 2 s on the tick's seconds
    EXPECT_EQ(iniInt("S1", "Time"), 2);
    EXPECT_EQ(iniInt("S1", "Played"), 1);
    EXPECT_EQ(iniInt("S2", "Time"), 2);
    EXPECT_EQ(iniInt("S2", "Played"), 1);
    turn(3000);
    stop(); // the live S1 is left at the end too
    EXPECT_EQ(iniInt("S1", "Time"), 5);
    EXPECT_EQ(iniInt("S1", "Played"), 2);
    // Scenes never entered, the episode and the application write nothing.
    EXPECT_EQ(iniText("S3", "Played"), "");
    EXPECT_EQ(iniText("E", "Played"), "");
}

TEST_F(SceneLifecycle, ToIniVariablesKeepTheirValueInTheScenesSection)
{
    writeGame();
    writeScript("S1", declared("V", "INTEGER", {"VALUE=3", "TOINI=TRUE"}));
    ASSERT_TRUE(start());
    EXPECT_EQ(iniText("S1", "V"), "3"); // a value the file lacks is written at once
    run("V^SET(7)");
    EXPECT_EQ(iniText("S1", "V"), "7");
    stop();
    ASSERT_TRUE(start());
    EXPECT_EQ(value("V"), "7");
}

TEST_F(SceneLifecycle, ASignalNoBehaviourHandlesRunsTheScenesFallbackBehaviour)
{
    writeGame();
    writeScript("S1", logged("__ONSIGNAL__", "fallback") + logged("__ONRESTART__", "restart fallback") +
                          "OBJECT=S1\nS1:ONRESTART={LOG^ADD(\"restart|\");}\n");
    ASSERT_TRUE(start());
    CMC_Scene* scene = liveScene();
    EXPECT_TRUE(scene->onSignal("ONSIGNAL"));
    EXPECT_TRUE(scene->onSignal("ONRESTART"));
    EXPECT_FALSE(scene->onSignal("ONDEACTIVATE"));
    EXPECT_EQ(value("LOG"), "GAME.__INIT__|E.__INIT__|fallback|restart|");
}

} // namespace

namespace {

TEST_F(SceneLifecycle, MusicSharedByNameAcrossAChangeIsNotStartedAgain)
{
    writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E"}) +
                    treeElement("E", "EPISODE", {"SCENES=S1, S2, S3", "MUSIC=episode.wav"}) +
                    treeElement("S1", "SCENE", {"MUSIC=theme.wav"}) + treeElement("S2", "SCENE", {"MUSIC=THEME.WAV"}) +
                    treeElement("S3", "SCENE", {}));
    ASSERT_TRUE(start());
    EXPECT_TRUE(liveScene()->shouldMusicBeStarted());
    episode("E")->next();
    turn();
    EXPECT_EQ(liveSceneName(), "S2");
    EXPECT_FALSE(liveScene()->shouldMusicBeStarted()); // the same file, whatever the letter case
    episode("E")->next();
    turn();
    EXPECT_EQ(text(liveScene()->getMusicFilename()), "episode.wav"); // no MUSIC: the episode's
    EXPECT_TRUE(liveScene()->shouldMusicBeStarted());
}

} // namespace

namespace {

TEST_F(SceneLifecycle, TheRunningTimersAreTheEnabledOnes)
{
    ASSERT_TRUE(startScene(declared("T1", "TIMER", {"ELAPSE=100"}) + declared("T2", "TIMER", {"ELAPSE=100", "ENABLED=FALSE"}) +
                           declared("G", "GROUP")));
    auto* group = dynamic_cast<CMC_Groupped*>(object("G"));
    ASSERT_NE(group, nullptr);
    liveScene()->getRunningTimers(group);
    EXPECT_EQ(group->getSize(), 1);
    EXPECT_TRUE(group->contains(object("T1")));
    run("T2^ENABLE()");
    liveScene()->getRunningTimers(group);
    EXPECT_EQ(group->getSize(), 2);
}

} // namespace
