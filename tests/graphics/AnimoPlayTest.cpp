#include "AnimoFixture.h"
#include "WindowHarness.h"

#include <vector>

namespace animotest {
namespace {

constexpr int pingPong = _annEventInfo3::PingPong;
constexpr int runOut = _annEventInfo3::LoopWhileSound;

TEST_F(AnimoTest, EachLoopModeShowsItsPositionsInOrder)
{
    struct Case {
        const char* mode;
        std::vector<_annEventInfo3> events;
        int animoFlags;
        int turns;
        const char* shown;
    };
    const Case cases[] = {
        {"to the end", {event("a", {0, 1, 2})}, 0, 5, "a0 start a1 a2 finish"},
        {"three loops",
         {event("a", {0, 1, 2, 3, 4, 5}, 2, 5, 3)},
         0,
         20,
         "a0 start a1 a2 a3 a4 a5 a2 a3 a4 a5 a2 a3 a4 a5 finish"},
        {"endless", {event("a", {0, 1, 2, 3}, 1, 3)}, 0, 10, "a0 start a1 a2 a3 a1 a2 a3 a1 a2 a3 a1"},
        {"ping-pong", {event("a", {0, 1, 2, 3, 4}, 1, 3, 2, pingPong)}, 0, 10, "a0 start a1 a2 a3 a2 a1 a2 a3 a2 a1 a2"},
        {"chained", {event("a", {0, 1, 2}), event("b", {3, 4})}, CAnimo::ChainEvents, 6, "a0 start a1 a2 b0 b1 b1 b1"},
        {"chained to nothing", {event("a", {0, 1}), event("b", {})}, CAnimo::ChainEvents, 3, "a0 start a1 a1 a1"},
        {"run out", {event("a", {0, 1, 2, 3, 4, 5, 6, 7}, 1, 3, 0, runOut)}, 0, 10, "a0 start a1 a2 a3 a5 a7 finish"},
        {"run out, chained",
         {event("a", {0, 1, 2, 3, 4, 5, 6, 7}, 1, 3, 0, runOut), event("b", {0, 1})},
         CAnimo::ChainEvents,
         8,
         "a0 start a1 a2 a3 a5 a7 b0 b1 b1"},
        {"run out, chained to nothing",
         {event("a", {0, 1, 2, 3, 4, 5}, 1, 3, 0, runOut)},
         CAnimo::ChainEvents,
         8,
         "a0 start a1 a2 a3 a5 finish"},
    };
    for (const Case& c : cases) {
        animo->RemoveAllEvents();
        for (const _annEventInfo3& e : c.events)
            animo->AddEvent(e);
        animo->SetAnimoFlags(c.animoFlags);
        animo->SetDirection(CAnimo::Forward);
        recorder.log.clear();
        animo->Play(0, 0, 0);
        turns(c.turns);
        EXPECT_EQ(recorder.log, c.shown) << c.mode;
        animo->Stop();
    }
}

TEST_F(AnimoTest, AStepShowsTheFrameOfItsPositionAndSaysWhetherItChanged)
{
    animo->AddEvent(event("a", {4, 4, 6}));
    animo->Play("A", 0, 0);
    EXPECT_EQ(animo->Current(), 4);
    EXPECT_FALSE(animo->Next());
    EXPECT_TRUE(animo->Next());
    EXPECT_EQ(animo->Current(), 6);
    EXPECT_EQ(reinterpret_cast<uint16_t*>(animo->GetDataPtr())[0], 0x1006);
}

TEST_F(AnimoTest, AnObserverThatPlaysAgainOnFinishIsNotOverwrittenByTheEndingStep)
{
    // The loop point stands before the end: the finishing step would show position 3.
    animo->AddEvent(event("a", {0, 1, 2, 3}, 0, 2, 1));
    struct Replayer : CPlayableObserver {
        bool onPlayableFinished(CPlayable* p) override
        {
            static_cast<CAnimo*>(p)->Play(0, 0, 0);
            return false;
        }
    } replayer;
    animo->addNotifier(&replayer);
    animo->Play(0, 0, 0);
    turns(3);
    EXPECT_EQ(recorder.log, "a0 start a1 a2 finish a0 start");
    EXPECT_EQ(animo->GetCurrentFrameInSequence(), 0);
}

TEST_F(AnimoTest, PlayIsRefusedWhileARefusingEventPlaysAndStopLeavesAPauseAlone)
{
    animo->AddEvent(event("busy", {0, 1, 2}, 0, 0, 0, _annEventInfo3::RefusePlay));
    animo->AddEvent(event("other", {3, 4}));
    animo->Play("busy", 0, 0);
    animo->Play("other", 0, 0);
    EXPECT_EQ(animo->getCurrentEventName(), "busy");

    animo->Pause();
    animo->Stop();
    EXPECT_EQ(animo->GetStatus(), CAnimo::Paused);
    EXPECT_TRUE(animo->isPaused());
    animo->Play("other", 1, 0);
    EXPECT_EQ(animo->getCurrentEventName(), "other");
    EXPECT_EQ(animo->Current(), 4);
    EXPECT_EQ(recorder.log, "a0 start b1 start");
}

TEST_F(AnimoTest, PlayingBackwardsMakesTheReversedEventOnce)
{
    animo->AddEvent(event("walk", {0, 1, 2, 3}));
    animo->playReverse("walk", 0);
    ASSERT_EQ(animo->GetNOE(), 2);
    EXPECT_EQ(animo->GetEventName(1), "walk_reverse");
    turns(5);
    EXPECT_EQ(recorder.log, "b0 start b1 b2 b3 finish");
    EXPECT_EQ(animo->Current(), 0);

    animo->playReverse("WALK", 0);
    EXPECT_EQ(animo->GetNOE(), 2);
    EXPECT_TRUE(animo->IsPlaying());

    // Its copy's name would not fit the record: it is never made, so copies cannot pile up.
    const char* longName = "a_very_long_walking_name";
    animo->AddEvent(event(longName, {0, 1}));
    animo->Stop();
    animo->playReverse(longName, 0);
    animo->playReverse(longName, 0);
    EXPECT_EQ(animo->GetNOE(), 3);
    EXPECT_FALSE(animo->IsPlaying());
}

// The sounds' log outlives the animation that owns them.
class AnimoSoundTest : public AnimoTest {
protected:
    std::string sounds;
};

TEST_F(AnimoSoundTest, PositionsPlayTheirSoundsAndStoppingStopsThem)
{
    animo->AddEvent(event("a", {0, 1, 2, 3}));
    animo->UpdateSoundFX(0, 1, new FakeSound("step", sounds));
    animo->UpdateSoundFX(0, 2, new FakeSound("jump", sounds));
    animo->SetEventFrame(0, 1);
    EXPECT_EQ(sounds, "");
    animo->Play(0, 0, 0);
    turns(2);
    EXPECT_EQ(sounds, " play:step stop:step play:jump");
    animo->Stop();
    EXPECT_EQ(sounds, " play:step stop:step play:jump stop:jump");

    sounds.clear();
    animo->SetAnimoFlags(CAnimo::KeepSoundOnStop);
    animo->Play(0, 1, 0);
    animo->Stop();
    animo->UpdateSoundFX(0, 1, nullptr);
    EXPECT_EQ(sounds, " play:step ~step");
}

TEST_F(AnimoSoundTest, StreamedSoundsComeFromTheFactoryOrStaySilent)
{
    animo->AddEvent(event("a", {0, 1, 2}));
    animo->SetAnimoFlags(CAnimo::StreamSounds);
    animo->GetFrameInfo(0, 0)->soundName = "door.wav";
    animo->GetFrameInfo(0, 2)->soundName = "bell.wav";
    animo->Play(0, 0, 0);
    turns(4);
    {
        FakeFactory factory(sounds);
        animo->Play(0, 0, 0);
        turns(2);
        animo->Stop();
    }
    EXPECT_EQ(sounds, " play:door.wav pause:door.wav ~door.wav play:bell.wav pause:bell.wav");
    animo.reset();
    EXPECT_EQ(sounds, " play:door.wav pause:door.wav ~door.wav play:bell.wav pause:bell.wav ~bell.wav");
}

TEST_F(AnimoSoundTest, PastTheLoopPointARunOutEventLoopsWhileItsSoundPlays)
{
    auto* sound = new FakeSound("hum", sounds);
    animo->AddEvent(event("a", {0, 1, 2, 3, 4, 5}, 1, 3, 0, runOut));
    animo->UpdateSoundFX(0, 0, sound);
    animo->Play(0, 0, 0);
    turns(6);
    sound->stop(false);
    turns(3);
    EXPECT_EQ(recorder.log, "a0 start a1 a2 a3 a1 a2 a3 a5 finish");
}

using AnimoWindowTest = graphicstest::WindowTest;

TEST_F(AnimoWindowTest, AnEventThatHidesOnStopHidesTheAnimationAndPlayShowsItAgain)
{
    CAnimo animo(window.get());
    animo.appendFrame(solidFrame(2, 2, 1));
    animo.AddEvent(event("vanish", {0, 0}, 0, 0, 0, _annEventInfo3::HideOnStop));
    animo.AddEvent(event("stay", {0}));
    animo.Play(0, 0, 0);
    animo.Next();
    EXPECT_TRUE(animo.isVisible());
    animo.Next();
    EXPECT_FALSE(animo.IsPlaying());
    EXPECT_FALSE(animo.isVisible());
    animo.Play(1, 0, 0);
    EXPECT_TRUE(animo.isVisible());
    animo.Stop();
    EXPECT_TRUE(animo.isVisible());
    animo.setVisibility(false);
    EXPECT_FALSE(animo.isVisible());
}

} // namespace
} // namespace animotest
