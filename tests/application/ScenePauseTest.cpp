// The scene's pause of the whole game, the queries of what plays, objects made and removed by
// scripts.
#include "TreeMethods.h"

#include "application/CButtonObjectMaker.h"
#include "application/CSequenceHolder.h"
#include "application/CUnit6.h"
#include "graphics/CAnimationManager.h"
#include "graphics/CAnimoHolder.h"
#include "graphics/CButton.h"
#include "graphics/CHotSpot.h"
#include "graphics/CPlayable.h"
#include "sound/CSound4.h"

using namespace apptest;

namespace {

// A medium that only keeps its status.
struct Medium : CPlayable {
    Medium() : CPlayable(nullptr) {}
    void play() override { setStatus(StatusPlaying); }
    void stop(bool) override { setStatus(0); }
    void pause() override { setStatus(StatusPaused); }
    void resume() override { setStatus(StatusPlaying); }
    void seek(int) override {}
    std::string state() const { return isPlaying() ? "playing" : isPaused() ? "paused" : "stopped"; }
};

// An ANIMO or a SEQUENCE as the engine sees them: a script object of a scene showing a medium,
// which the animation manager steps.
struct ShownMedium : CMC_Object, CAnimoHolder, CSequenceHolder {
    ShownMedium(const char* name, int type) : CMC_Object(name, type)
    {
        CAnimationManager::installed()->add(&medium, nullptr);
        medium.play();
    }
    ~ShownMedium() override
    {
        beginDestruction();
        CAnimationManager::installed()->remove(&medium);
    }
    CPlayable* getAnimoPlayable() override { return getType() == script::TYPE_ANIMO ? &medium : nullptr; }
    CPlayable* getSequencePlayable() override { return getType() == script::TYPE_SEQUENCE ? &medium : nullptr; }
    Medium medium;
};

class ScenePause : public TreeMethods {
protected:
    // The game with a timer ticking every 100 ms, the animations F and G (F in the group GRP), the
    // sequence Q and a sound playing.
    bool startMedia()
    {
        writeFile("Dane/click.wav", theme());
        if (!startGame(declared("TM", "TIMER", {"ELAPSE=100"})))
            return false;
        for (auto [name, type] : {std::pair{"F", script::TYPE_ANIMO}, {"G", script::TYPE_ANIMO}, {"Q", script::TYPE_SEQUENCE}})
            liveScene()->addObject(new ShownMedium(name, type));
        run("GRP^ADD(F)");
        sound_ = std::make_unique<CSound4>(window(), "click.wav", false, true);
        sound_->Play();
        return true;
    }
    void stopMedia()
    {
        sound_.reset();
        stop();
    }
    std::string mediumState(const char* name)
    {
        auto* shown = dynamic_cast<ShownMedium*>(object(name));
        return shown != nullptr ? shown->medium.state() : "none";
    }
    // Whether the timer ticks within half a second.
    bool timerTicks()
    {
        std::string before = run("TM^GETTICKS()");
        turns(5, 100);
        return run("TM^GETTICKS()") != before;
    }

    std::unique_ptr<CSound4> sound_;
};

TEST_F(ScenePause, PauseHoldsMediaAndTimersUnlessKept)
{
    struct Row {
        std::string lines;
        bool paused;
        // F, G and Q, the sound and the music.
        std::string media;
        bool timersTick;
    };
    const std::string held = "paused paused paused held held";
    const std::string playing = "playing playing playing plays plays";
    const std::vector<Row> rows = {
        {"S^PAUSE()", true, held, false},
        {"S^PAUSE(TRUE)", true, held, true},
        // A second pause changes nothing, the timers included.
        {"S^PAUSE(TRUE);S^PAUSE()", true, held, true},
        {"S^PAUSE();S^RESUME()", false, playing, true},
        {"S^PAUSE();S^RESUME(FALSE)", false, playing, false},
        {"S^PAUSE(TRUE);S^RESUME(FALSE)", false, playing, false},
        {"S^RESUME(FALSE)", false, playing, true},
        // Only the group's animations; sounds, music and timers as RESUME.
        {"S^PAUSE();S^RESUMEONLY(GRP)", false, "playing paused paused plays plays", true},
        {"S^PAUSE();S^RESUMEONLY(NOGROUP, FALSE)", false, "paused paused paused plays plays", false},
        // Sequences the array names play on; the pause stays.
        {"S^PAUSE();A^ADD(\"Q\");S^RESUMESEQONLY(A)", true, "paused paused playing held held", false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.lines);
        ASSERT_TRUE(startMedia());
        runLines(row.lines);
        EXPECT_EQ(run("S^ISPAUSED()"), row.paused ? "TRUE" : "FALSE");
        std::string media = mediumState("F") + " " + mediumState("G") + " " + mediumState("Q") + " " +
                            (sound_->isPaused() ? "held" : sound_->isPlaying() ? "plays" : "stopped") + " " +
                            (window()->isMusicPlaying() ? "plays" : "held");
        EXPECT_EQ(media, row.media);
        EXPECT_EQ(CWindow::isPaused(), row.paused);
        EXPECT_EQ(timerTicks(), row.timersTick);
        stopMedia();
    }
}

TEST_F(ScenePause, MusicResumedAfterAPauseLoopsOn)
{
    ASSERT_TRUE(startGame());
    turns(10, 50);
    run("S^PAUSE()");
    turns(10, 50);
    EXPECT_FALSE(window()->isMusicPlaying());
    run("S^RESUME()");
    // Three times the length of the piece.
    turns(60, 50);
    EXPECT_TRUE(window()->isMusicPlaying());
}

TEST_F(ScenePause, ANextGameStartedWhilePausedRunsItsTimers)
{
    gameFolder = "FIRST/";
    writeFile("NEXT/Dane/application.def", treeElement("NEXTGAME", "APPLICATION", {"SCENES=N"}) + treeElement("N", "SCENE", {}));
    writeFile("NEXT/Dane/N.cnv", declared("TM", "TIMER", {"ELAPSE=100"}));
    ASSERT_TRUE(startGame("", "-path FIRST"));
    run("S^PAUSE()");
    run("GAME^RELOAD(NEXT)");
    turn();
    ASSERT_EQ(liveSceneName(), "N");
    EXPECT_FALSE(CWindow::isPaused());
    EXPECT_EQ(run("N^ISPAUSED()"), "FALSE");
    turns(5, 100);
    EXPECT_NE(run("TM^GETTICKS()"), "0");
}

TEST_F(ScenePause, TheScenesQueriesListWhatPlaysAndRuns)
{
    ASSERT_TRUE(startMedia());
    dynamic_cast<ShownMedium*>(object("G"))->medium.pause();
    EXPECT_EQ(runLines("S^GETPLAYINGANIMO(GRP);GRP^GETSIZE()"), "1");
    EXPECT_EQ(run("GRP^CONTAINS(F)"), "TRUE");
    EXPECT_EQ(runLines("S^GETPLAYINGSEQ(A);A^GETSIZE()"), "1");
    EXPECT_EQ(run("A^GET(0)"), "Q");
    EXPECT_EQ(runLines("S^GETRUNNINGTIMER(GRP);GRP^GETSIZE()"), "1");
    EXPECT_EQ(run("GRP^CONTAINS(TM)"), "TRUE");
    EXPECT_EQ(runLines("S^GETOBJECTS(ANIMO, GRP);GRP^GETSIZE()"), "2");
    stopMedia();
}

// Stands for the BUTTON object: it owns the button it wraps.
struct WrappedButton : CMC_Object {
    WrappedButton(const CXString& name, CButton* wrapped) : CMC_Object(name, script::TYPE_BUTTON), button(wrapped) {}
    ~WrappedButton() override
    {
        beginDestruction();
        delete button;
    }
    CButton* button;
};

TEST_F(ScenePause, CreateObjectMakesAButtonThroughTheRegisteredMaker)
{
    ASSERT_TRUE(startGame());
    CButtonObjectMaker::registerMaker(nullptr);
    run("S^CREATEOBJECT(BUTTON, B1)");
    EXPECT_EQ(object("B1"), nullptr) << "no maker";

    CMC_ObjectsContainer* madeIn = nullptr;
    CButtonObjectMaker::registerMaker([&madeIn](CMC_ObjectsContainer* scene, CButton* button, const CXString& name) {
        madeIn = scene;
        return new WrappedButton(name, button);
    });
    int before = std::stoi(run("S^GETELEMENTSNO()"));
    run("S^CREATEOBJECT(BUTTON, B1)");
    run("S^CREATEOBJECT(VGO, V1)");
    run("S^CREATEOBJECT(NOTHING, N1)");
    EXPECT_EQ(std::stoi(run("S^GETELEMENTSNO()")), before + 2);
    auto* made = dynamic_cast<WrappedButton*>(object("B1"));
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(madeIn, liveScene());
    EXPECT_TRUE(made->button->IsEnabled());
    EXPECT_EQ(made->button->getHotSpot()->getUnit(), CMC_Scene::getDefUnit());
    ASSERT_NE(object("V1"), nullptr);
    EXPECT_EQ(object("V1")->getType(), script::TYPE_VIRTUAL_GRAPHICSOBJECT);

    run("S^REMOVE(B1)");
    EXPECT_EQ(object("B1"), nullptr);
    EXPECT_EQ(std::stoi(run("S^GETELEMENTSNO()")), before + 1);
    CButtonObjectMaker::registerMaker(nullptr);
}

TEST_F(ScenePause, ABehaviourThatRemovesItselfIsGoneAtOnceAndItsRunEnds)
{
    ASSERT_TRUE(startGame(behaviour("SELF", "LOG^ADD(\"before|\");S^REMOVE(SELF);LOG^ADD(\"after|\");")));
    run("SELF^RUN()");
    EXPECT_EQ(object("SELF"), nullptr);
    EXPECT_EQ(value("LOG"), "before|");
    turn();
}

} // namespace
