// The engine host: start-up roads, the application's turn through the window, EXIT, the switch to
// a next game, the CD search and teardown.
#include "GameHost.h"

#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "sound/CMusicLoopLink.h"
#include "sound/SoundFixture.h"
#include "application/CUnit6.h"
#include "graphics/CCollisionObserver.h"
#include "graphics/CGraphicsObject.h"
#include "graphics/CPlayable.h"

using namespace apptest;

namespace {

std::string gameWithScenes(const std::string& application, const std::string& first, const std::string& second)
{
    return treeElement(application, "APPLICATION", {"EPISODES=E"}) +
           treeElement("E", "EPISODE", {"SCENES=" + first + ", " + second}) + treeElement(first, "SCENE", {}) +
           treeElement(second, "SCENE", {});
}

class EngineHost : public GameHost {
protected:
    void writeGame()
    {
        writeDefinition(gameWithScenes("GAME", "S1", "S2"));
        writeScript("GAME", declared("LOG", "STRING"));
    }
};

TEST_F(EngineHost, ExitEndsTheLoopAfterItsBehaviourRanInFull)
{
    writeGame();
    writeScript("GAME", declared("LOG", "STRING") + behaviour("__ONEXIT__", "LOG^ADD(\"exit|\");LOG^ADD(\"more|\");"));
    ASSERT_TRUE(start());
    turn();
    EXPECT_FALSE(quitRequested());
    application()->exit();
    EXPECT_EQ(value("LOG"), "exit|more|");
    turn();
    EXPECT_TRUE(quitRequested());
    EXPECT_EQ(liveSceneName(), "S1"); // the turn still ran
}

TEST_F(EngineHost, ANextGameIsStartedFromItsFolderAtTheEndOfTheTurn)
{
    // Both games are folders of the program's.
    gameFolder = "FIRST/";
    writeGame();
    writeFile("NEXT/Dane/application.def", gameWithScenes("SECOND", "N1", "N2"));
    writeFile("NEXT/Dane/N1.cnv", declared("IN_NEXT", "INTEGER", {"VALUE=5"}));
    ASSERT_TRUE(start("-path FIRST"));
    turn(1500);

    // A name that is no folder changes nothing, and is asked again every turn.
    application()->setNextGame("NOWHERE");
    turns(3);
    EXPECT_EQ(text(application()->getName()), "GAME");
    EXPECT_EQ(text(CFile::getCurrentDirectory()), "T:\\FIRST\\Dane\\");
    EXPECT_EQ(text(CWindow::getCDPath()), "T:\\FIRST\\");

    application()->setNextGame("NEXT");
    turn();
    EXPECT_EQ(text(application()->getName()), "SECOND");
    EXPECT_EQ(liveSceneName(), "N1");
    EXPECT_EQ(value("IN_NEXT"), "5");
    EXPECT_EQ(text(CWindow::getCDPath()), "T:\\NEXT\\");
    EXPECT_EQ(text(window()->GetSoundFXPath()), "T:\\NEXT\\Wavs");
    // The first game's scene was left, its statistics in the first game's INI file.
    EXPECT_EQ(iniInt("S1", "Played"), 1);
    EXPECT_EQ(iniInt("S1", "Time"), 1);
    turn();
    EXPECT_EQ(liveSceneName(), "N1");
}

TEST_F(EngineHost, StartUpRoadsWithoutAScene)
{
    // No definition: no application, error 3000, and the turns still run.
    ASSERT_FALSE(start());
    EXPECT_EQ(host()->LastError(), 3000);
    turns(2);
    stop();

    // The compiled form asked for: the tree is built, no scene is entered.
    writeGame();
    ASSERT_TRUE(start("-2bin"));
    EXPECT_EQ(liveChild(), nullptr);
    turns(2);
    EXPECT_EQ(liveChild(), nullptr);
}

TEST_F(EngineHost, TheApplicationHoldsTheEngineObjects)
{
    ASSERT_TRUE(startScene(declared("N", "INTEGER", {"VALUE=4"})));
    EXPECT_EQ(value("N"), "4");
    CMC_Application* game = application();
    EXPECT_EQ(game->getObject("RANDOM")->getType(), script::TYPE_RANDOM);
    EXPECT_EQ(game->getObject("SYSTEM")->getType(), script::TYPE_SYSTEM);
    EXPECT_EQ(game->getObject("CNVLOADER")->getType(), script::TYPE_CNVLOADER);
    EXPECT_EQ(host()->getApplicationObject(), game);
    EXPECT_EQ(run("RANDOM^GET(1)"), "0");
}

TEST_F(EngineHost, AMusicLoopReachesTheLiveScene)
{
    writeGame();
    writeScript("S1", "OBJECT=S1\nS1:ONMUSICLOOPED={LOG^ADD(\"looped|\");}\n");
    ASSERT_TRUE(start());
    CMusicLoopLink::post();
    CMusicLoopLink::post();
    CMusicLoopLink::deliverPending();
    EXPECT_EQ(value("LOG"), "looped|looped|");
}

TEST_F(EngineHost, TheCdSearchFindsTheFirstCdDriveHoldingTheFile)
{
    TempFolder hardDisk;
    TempFolder emptyCd;
    TempFolder gameCd;
    gameCd.write("GAME.ini", "");
    hardDisk.write("GAME.ini", "");
    platform::DriveMap drives;
    drives.set('C', hardDisk.path(), platform::DriveType::Fixed);
    drives.set('D', emptyCd.path(), platform::DriveType::CdRom);
    drives.set('E', gameCd.path(), platform::DriveType::CdRom);
    platform::setDrives(&drives);
    CFile::chDir("C:\\");
    EXPECT_TRUE(CApplication::findCD("GAME.ini", true));
    EXPECT_EQ(text(CFile::getCurrentDirectory()), "C:\\");
    EXPECT_TRUE(CApplication::findCD("game.INI", false));
    EXPECT_EQ(text(CFile::getCurrentDirectory()), "E:\\");
    EXPECT_FALSE(CApplication::findCD("OTHER.ini", false));
    platform::setDrives(nullptr);
}

} // namespace

namespace {

// The samples of one wave of that many rising values, from `first`.
std::string risingWave(int count, int first)
{
    soundtest::WaveSpec spec;
    spec.data = soundtest::samples(soundtest::ramp(count, first));
    return soundtest::wave(spec);
}

// Whether the non-silent samples rise by one from `first` throughout (a restart would fall
// back), for at least `count` samples.
bool risesWithoutBreak(const std::vector<int16_t>& played, int first, size_t count)
{
    std::vector<int16_t> sound;
    for (int16_t sample : played) {
        if (sample != 0)
            sound.push_back(sample);
    }
    if (sound.size() < count || sound.front() != first)
        return false;
    for (size_t i = 1; i < sound.size(); ++i) {
        if (sound[i] != sound[i - 1] + 1)
            return false;
    }
    return true;
}

TEST_F(EngineHost, MusicSharedByTwoScenesPlaysOnAndOtherMusicReplacesIt)
{
    writeDefinition(treeElement("GAME", "APPLICATION", {"EPISODES=E"}) + treeElement("E", "EPISODE", {"SCENES=S1, S2, S3"}) +
                    treeElement("S1", "SCENE", {"MUSIC=theme.wav"}) + treeElement("S2", "SCENE", {"MUSIC=THEME.WAV"}) +
                    treeElement("S3", "SCENE", {"MUSIC=other.wav"}));
    writeFile("theme.wav", risingWave(8000, 1));
    writeFile("other.wav", risingWave(4000, 20000));
    ASSERT_TRUE(start());
    audio.startCapture();
    EXPECT_FALSE(window()->isMusicPlaying()); // the music waits for the scene's first redraw
    turn(0);
    EXPECT_TRUE(window()->isMusicPlaying());
    turns(10, 20);
    episode("E")->next();
    turns(10, 20);
    audio.mixUntilNow();
    EXPECT_EQ(liveSceneName(), "S2");
    EXPECT_TRUE(risesWithoutBreak(audio.takeCapture(), 1, 3000)) << "the music went on through the change";

    episode("E")->next();
    turn(20); // S2 leaves: its music stops, as S3 has another
    EXPECT_FALSE(window()->isMusicPlaying());
    audio.mixUntilNow();
    audio.takeCapture();
    turns(10, 20); // S3's first redraw starts its own
    audio.mixUntilNow();
    EXPECT_TRUE(risesWithoutBreak(audio.takeCapture(), 20000, 1400));
}

} // namespace

namespace {

// A medium that only counts its starts and ends at once.
class CountedPlayable : public CPlayable {
public:
    explicit CountedPlayable(CWindow* window) : CPlayable(window) {}
    using CPlayable::play;
    void play() override
    {
        ++plays;
        stop(true);
    }
    void stop(bool notify) override
    {
        bool wasPlaying = isPlaying();
        setStatus(0);
        if (notify && wasPlaying)
            CPlayable::notify(Finished);
    }
    void pause() override {}
    void resume() override {}
    void seek(int) override {}

    int plays = 0;
};

TEST_F(EngineHost, RandomPlayablesOfTheUnitPlayOnlyWhileTheirSceneIsLive)
{
    writeGame();
    ASSERT_TRUE(start());
    CountedPlayable playable(window());
    // Sixty starts a minute: one each second.
    CMC_Scene::getDefUnit()->addRandomPlayable(&playable, 60.0, 1, "RANDOM");
    turns(70, 16);
    EXPECT_GE(playable.plays, 1);
    episode("E")->next();
    turn();
    int played = playable.plays;
    turns(200, 16);
    EXPECT_EQ(playable.plays, played);
}

} // namespace

namespace {

class RecordingCollisions : public CCollisionObserver {
public:
    void onCollision(CGraphicsObject*, CGraphicsObject*) override { ++started; }
    void onCollisionFinished(CGraphicsObject*, CGraphicsObject*) override { ++finished; }
    int started = 0;
    int finished = 0;
};

TEST_F(EngineHost, TheSceneHandsObjectsToTheCollisionInspectorUntilItGoes)
{
    writeGame();
    ASSERT_TRUE(start());
    CGraphicsObject mover(window(), CXSize(10, 10), 16);
    CGraphicsObject still(window(), CXSize(10, 10), 16);
    still.SetPosition(100, 100);
    RecordingCollisions observer;
    CMC_Scene* scene = liveScene();
    scene->monitorCollisions(&mover, false, &observer); // by boxes: its moves still count
    scene->monitorCollisions(&still, false, &observer);
    scene->monitorCollisions(&still, false, &observer);
    mover.SetPosition(95, 95);
    turn();
    EXPECT_EQ(observer.started, 1);
    mover.SetPosition(0, 0);
    turn();
    EXPECT_EQ(observer.finished, 1);

    scene->removeMonitorCollisions(&mover, &observer);
    mover.SetPosition(95, 95);
    turn();
    EXPECT_EQ(observer.started, 1);
}

} // namespace
