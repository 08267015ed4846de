// The application tree built from the definition, and the application's own start and restart.
#include "GameHost.h"

#include "foundation/CXVersion.h"
#include "platform/FileRegistry.h"

using namespace apptest;

namespace {

std::vector<std::string> namesOf(CXVector* scenes)
{
    std::vector<std::string> names;
    for (int i = 0; i < scenes->getSize(); ++i)
        names.push_back(text(static_cast<CMC_Scene*>(scenes->at(i))->getName()));
    return names;
}

class ApplicationTree : public GameHost {};

TEST_F(ApplicationTree, ElementsInAnyOrderBuildOneTreeFromTheNamesTheyList)
{
    writeDefinition(treeElement("DEMO", "APPLICATION", {"EPISODES=E2, NOPE, E1, S1", "SCENES=A, E1", "STARTWITH=ZZ"}) +
                    treeElement("E1", "EPISODE", {"SCENES=S1"}) + treeElement("S1", "SCENE", {}) +
                    treeElement("E2", "EPISODE", {"SCENES=S2, MISSING, S2", "STARTWITH=S9"}) +
                    treeElement("S2", "SCENE", {}) + treeElement("A", "SCENE", {}) + treeElement("ORPHAN", "SCENE", {}) +
                    treeElement("LONELY", "EPISODE", {"SCENES=S1"}));
    // An application named DEMO is the GAME: its script is GAME.cnv.
    writeScript("GAME", declared("FROM_GAME_CNV", "INTEGER"));
    ASSERT_TRUE(start());
    CMC_Application* game = application();
    EXPECT_EQ(text(game->getName()), "GAME");
    EXPECT_NE(game->getObject("FROM_GAME_CNV"), nullptr);
    // Unknown names and names of the wrong kind are skipped; "SCENES" come after "EPISODES".
    EXPECT_EQ(namesOf(game->getSubScenes()), std::vector<std::string>({"E2", "E1", "A"}));
    EXPECT_EQ(namesOf(episode("E2")->getSubScenes()), std::vector<std::string>({"S2", "S2"}));
    // Unknown STARTWITH: the first listed child.
    EXPECT_EQ(text(liveChild()->getName()), "E2");
    EXPECT_EQ(liveSceneName(), "S2");
    // Every scene of every episode is found by name from the application.
    for (const char* name : {"S1", "S2", "A"})
        EXPECT_NE(game->getObject(name), nullptr) << name;
    EXPECT_EQ(game->getScene("S1"), game->getObject("S1"));
    EXPECT_EQ(game->getObject("ORPHAN"), nullptr);
}

TEST_F(ApplicationTree, NoDefinitionLoadsNoApplication)
{
    EXPECT_FALSE(start());
}

TEST_F(ApplicationTree, AnEpisodeWithoutScenesLeavesNoSceneLive)
{
    writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=EMPTY"}) + treeElement("EMPTY", "EPISODE", {}));
    ASSERT_TRUE(start());
    EXPECT_EQ(text(liveChild()->getName()), "EMPTY");
    EXPECT_EQ(liveScene(), nullptr);
    turns(3);
    EXPECT_EQ(liveScene(), nullptr);
}

TEST_F(ApplicationTree, RestartSendsTheStartEpisodeToItsFirstSceneOrEntersItAgainAtOnce)
{
    writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E1, E2"}) +
                    treeElement("E1", "EPISODE", {"SCENES=S1, S2", "STARTWITH=S2"}) +
                    treeElement("E2", "EPISODE", {"SCENES=S3"}) + treeElement("S1", "SCENE", {}) +
                    treeElement("S2", "SCENE", {}) + treeElement("S3", "SCENE", {}));
    ASSERT_TRUE(start());
    EXPECT_EQ(liveSceneName(), "S2");
    application()->restart(); // the start episode is live: its first scene, in the next turn
    EXPECT_EQ(liveSceneName(), "S2");
    turn();
    EXPECT_EQ(liveSceneName(), "S1");

    application()->_goto("E2");
    turn();
    EXPECT_EQ(liveSceneName(), "S3");
    EXPECT_EQ(text(episode("E1")->getLatestScene()), "S1");
    application()->restart(); // another episode is live: the start episode now, at its start scene
    EXPECT_EQ(text(liveChild()->getName()), "E1");
    EXPECT_EQ(liveSceneName(), "S2");
    EXPECT_EQ(historyOf(application()), std::vector<std::string>({"E1", "E2"}));
}

} // namespace

namespace {

TEST_F(ApplicationTree, TheGamesVersionIsRecordedUnderItsFolderName)
{
    platform::FileRegistry registry(folder.temp / "registry");
    platform::setRegistry(&registry);
    const std::string engineKey = "Software\\Halvremont\\TamzoraWeb";
    registry.setValue(platform::RegistryRoot::CurrentUser, engineKey, "Version", "engine");
    registry.setValue(platform::RegistryRoot::CurrentUser, engineKey + "\\mygame", "Version", "1.0");
    writeDefinition(treeElement("GAME", "APPLICATION", {"VERSION=2.5", "TAMZORA_VERSION=TW.1.0.4"}));

    ASSERT_TRUE(start("-path mygame"));
    std::string value;
    EXPECT_TRUE(registry.getValue(platform::RegistryRoot::CurrentUser, engineKey + "\\MYGAME", "version", value));
    EXPECT_EQ(value, "2.5");
    EXPECT_EQ(application()->getPlatformVersion()->getType(), CXVersion::TYPE_TAMZORA_WEB);
    EXPECT_EQ(application()->getPlatformVersion()->getBuild(), 4);
    stop();

    // Without a game folder the engine's own record stays the engine's.
    ASSERT_TRUE(start());
    EXPECT_TRUE(registry.getValue(platform::RegistryRoot::CurrentUser, engineKey, "Version", value));
    EXPECT_EQ(value, "engine");
    stop();
    platform::setRegistry(nullptr);
}

} // namespace
