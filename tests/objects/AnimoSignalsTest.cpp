// ANIMO signals in a live scene: the animation's start, finish and steps in their specific and
// plain forms, and what the bound flags let through.
#include "MediaScene.h"

#include "graphics/CAnimo6.h"

using namespace objectstest;
using graphicstest::AnimationEvent;

namespace {

class AnimoSignals : public MediaScene {
protected:
    // HERO: WALK (a named first frame, then two more), walk_reverse and STAND.
    void writeHero()
    {
        writeAnimation("HERO.ANN", animationOf(3, 10, 20,
                                               {AnimationEvent("WALK", {{0, 0, 0, 255, "leftfoot"}, {1}, {2}}),
                                                AnimationEvent("walk_reverse", {{2}, {1}}), AnimationEvent("STAND", {{0}})}));
    }
    std::string hero(std::initializer_list<std::string> properties)
    {
        std::vector<std::string> all = {"FILENAME=HERO.ANN", "TOCANVAS=TRUE", "VISIBLE=TRUE", "FPS=10"};
        all.insert(all.end(), properties.begin(), properties.end());
        std::string text = "OBJECT=HERO\nHERO:TYPE=ANIMO\n";
        for (const std::string& property : all)
            text += "HERO:" + property + "\n";
        return text;
    }
    // Enough turns for an event of three frames at 10 per second to run out.
    void playOut() { turns(8, 100); }
};

TEST_F(AnimoSignals, StartAndFinishRaiseTheEventFormBeforeThePlainOne)
{
    writeHero();
    ASSERT_TRUE(startWith(hero({"ONSTARTED^WALK=" + logs("startedwalk"), "ONSTARTED=" + logs("started"),
                                "ONFINISHED^WALK=" + logs("finishedwalk")})));
    run("HERO^PLAY(\"WALK\")");
    playOut();
    EXPECT_EQ(log(), "startedwalk|finishedwalk|");

    // A reversed event counts as its forward one; an event without its own behaviour raises
    // the plain signal.
    clearLog();
    run("HERO^PLAY(\"walk_reverse\")");
    playOut();
    run("HERO^PLAY(\"STAND\")");
    EXPECT_EQ(log(), "startedwalk|finishedwalk|started|");
}

TEST_F(AnimoSignals, StopReportsTheFinishUnlessToldNotTo)
{
    writeHero();
    ASSERT_TRUE(startWith(hero({"ONFINISHED=" + logs("finished")})));
    struct Case {
        const char* stop;
        const char* log;
    };
    const Case cases[] = {{"HERO^STOP()", "finished|"}, {"HERO^STOP(TRUE)", "finished|"}, {"HERO^STOP(FALSE)", ""}};
    for (const Case& c : cases) {
        clearLog();
        run("HERO^PLAY(\"WALK\")");
        run(c.stop);
        EXPECT_EQ(log(), c.log) << c.stop;
    }
}

TEST_F(AnimoSignals, FrameStepsRaiseTheFramesNameOrNumberThenTheEvent)
{
    writeHero();
    ASSERT_TRUE(startWith(hero({"ONFRAMECHANGED^LEFTFOOT=" + logs("leftfoot"), "ONFRAMECHANGEDFRAME^1=" + logs("frame1"),
                                "ONFRAMECHANGED^WALK=" + logs("walk")})));
    run("HERO^PLAY(\"WALK\")");
    playOut();
    EXPECT_EQ(log(), "leftfoot|frame1|walk|");
}

TEST_F(AnimoSignals, UnboundSignalsRaiseNothing)
{
    writeHero();
    // Only the plain frame signal bound: every step raises it.
    ASSERT_TRUE(startWith(hero({"ONFRAMECHANGED=" + logs("step")})));
    run("HERO^PLAY(\"WALK\")");
    playOut();
    EXPECT_EQ(log(), "step|step|step|");
    // Without any frame behaviour the object is not asked at all.
    CMC_Animo* object = animo("HERO");
    object->removeAllBehaviours();
    clearLog();
    run("HERO^PLAY(\"WALK\")");
    playOut();
    EXPECT_EQ(log(), "");
}

TEST_F(AnimoSignals, RestoredObjectsHearTheirAnimationFromTheFirstPlayOfAnEvent)
{
    writeHero();
    ASSERT_TRUE(startWith(behaviour("STEP", "LOG^ADD(\"step|\");")));
    run("@CREATE(\"ANIMO\", \"MADE\")");
    run("MADE^LOAD(\"HERO.ANN\")");
    run("MADE^ADDBEHAVIOUR(\"ONFRAMECHANGED\", \"STEP\")");
    EXPECT_EQ(run("MADE^ISPLAYING()"), "FALSE");
    // Played without an event: nobody hears it yet.
    run("MADE^PLAY()");
    playOut();
    EXPECT_EQ(log(), "");
    run("MADE^PLAY(\"WALK\")");
    playOut();
    EXPECT_EQ(log(), "step|step|step|");
}

} // namespace
