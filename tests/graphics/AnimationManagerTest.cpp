#include "graphics/CAnimationManager.h"
#include "graphics/CAnimoHolder.h"
#include "graphics/CPlayable.h"
#include "platform/ManualClock.h"
#include "script/CMC_Groupped.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

// Plays at a set rate and counts the steps the manager gives it; may act inside a step.
struct Stepper : CPlayable {
    explicit Stepper(int framesPerSecond) : CPlayable(nullptr), fps(framesPerSecond) {}
    void play() override { setStatus(StatusPlaying); }
    void stop(bool) override { setStatus(0); }
    void pause() override { setStatus(StatusPaused); }
    void resume() override { setStatus(StatusPlaying); }
    void seek(int) override {}
    int getFPS() const override { return fps; }
    int next() override
    {
        ++steps;
        if (during)
            during();
        return 0;
    }
    int fps;
    int steps = 0;
    std::function<void()> during;
};

// An ANIMO-like script object showing one playable.
struct AnimoObject : CMC_Object, CAnimoHolder {
    AnimoObject(const char* name, CPlayable* shown) : CMC_Object(name, 1), animo(shown) {}
    CPlayable* getAnimoPlayable() override { return animo; }
    CPlayable* animo;
};

class AnimationManagerTest : public ::testing::Test {
protected:
    void SetUp() override { platform::setClock(&clock); }
    void TearDown() override { platform::setClock(nullptr); }

    // Runs a turn at each time and gives the steps counted after each.
    std::vector<int> stepsAt(Stepper& playable, const std::vector<uint32_t>& times)
    {
        std::vector<int> steps;
        for (uint32_t time : times) {
            clock.set(time);
            manager.domodal();
            steps.push_back(playable.steps);
        }
        return steps;
    }

    platform::ManualClock clock{1000};
    CAnimationManager manager;
};

TEST_F(AnimationManagerTest, APlayableStepsOncePerIntervalWithoutCatchingUp)
{
    struct Case {
        int fps;
        bool playing;
        int registrations;
        std::vector<uint32_t> times;
        std::vector<int> steps;
    };
    const Case cases[] = {
        // 25 frames per second: due 40 ms after the last frame; a slow turn gives one frame only.
        {25, true, 1, {1039, 1040, 1079, 1200, 1239, 1240}, {0, 1, 1, 2, 2, 3}},
        {15, true, 1, {1065, 1066, 1131, 1132}, {0, 1, 1, 2}},
        {25, true, 2, {1040, 1060, 1080}, {2, 2, 4}},
        {0, true, 1, {1000, 5000, 90000}, {0, 0, 0}},
        {2000, true, 1, {1000, 1000, 1001}, {1, 2, 3}},
        {25, false, 1, {1040, 5000}, {0, 0}},
    };
    for (const Case& c : cases) {
        clock.set(1000);
        Stepper playable(c.fps);
        if (c.playing)
            playable.play();
        for (int i = 0; i < c.registrations; ++i)
            manager.add(&playable, nullptr);
        EXPECT_EQ(stepsAt(playable, c.times), c.steps) << "fps " << c.fps;
        for (int i = 0; i < c.registrations; ++i)
            manager.remove(&playable);
    }
}

TEST_F(AnimationManagerTest, AStoppedPlayableKeepsItsLastFrameTimeAndTheClockMayWrap)
{
    clock.set(0xFFFFFFF0u);
    Stepper playable(10);
    playable.play();
    manager.add(&playable, nullptr);
    EXPECT_EQ(stepsAt(playable, {83u, 84u}), (std::vector<int>{0, 1}));
    playable.stop(false);
    EXPECT_EQ(stepsAt(playable, {5000u}), (std::vector<int>{1}));
    playable.play();
    EXPECT_EQ(stepsAt(playable, {5000u, 5099u, 5100u}), (std::vector<int>{2, 2, 3}));
}

TEST_F(AnimationManagerTest, AStepMayRemoveOrDeletePlayablesOfTheSameTurn)
{
    Stepper first(10), second(10), third(10);
    auto* selfDeleting = new Stepper(10);
    for (Stepper* p : {&first, selfDeleting, &second, &third}) {
        p->play();
        manager.add(p, nullptr);
    }
    first.during = [&] { manager.remove(&second); };
    selfDeleting->during = [&] {
        manager.remove(selfDeleting);
        delete selfDeleting;
    };
    Stepper late(10);
    late.play();
    third.during = [&] { manager.add(&late, nullptr); };
    clock.advance(100);
    manager.domodal();
    EXPECT_EQ(first.steps, 1);
    EXPECT_EQ(second.steps, 0);
    EXPECT_EQ(third.steps, 1);
    EXPECT_EQ(late.steps, 0);

    manager.remove(&second);
    clock.advance(100);
    manager.domodal();
    EXPECT_EQ(first.steps, 2);
    EXPECT_EQ(late.steps, 1);
}

TEST_F(AnimationManagerTest, PauseAndResumeAllOrOnlyAGroupsAnimations)
{
    Stepper inGroup(10), outside(10), stopped(10);
    for (Stepper* p : {&inGroup, &outside, &stopped})
        manager.add(p, nullptr);
    inGroup.play();
    outside.play();
    manager.pause();
    EXPECT_TRUE(inGroup.isPaused());
    EXPECT_TRUE(outside.isPaused());
    EXPECT_EQ(stopped.getStatus(), 0);

    AnimoObject member("cat", &inGroup);
    CMC_Object plain("plain", 1);
    CMC_Groupped group("group", nullptr);
    group.add(&plain);
    group.add(&member);
    manager.resume(&group);
    EXPECT_TRUE(inGroup.isPlaying());
    EXPECT_TRUE(outside.isPaused());

    manager.resume(nullptr);
    EXPECT_TRUE(outside.isPlaying());
    EXPECT_EQ(stopped.getStatus(), 0);
}

} // namespace
