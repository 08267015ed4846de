#include "SoundWindowFixture.h"

#include "graphics/AnimoFixture.h"

#include "foundation/CXRandom.h"
#include "foundation/CXTimer.h"
#include "graphics/CPlayable.h"
#include "sound/CRandomPlayable.h"
#include "sound/CRandomPlayableEntry.h"
#include "sound/CRandomPlayableNotifier.h"

namespace {

using namespace soundtest;

// A medium that plays until the test ends it, and remembers the events it was asked to play.
class Medium : public CPlayable {
public:
    Medium() : CPlayable(nullptr) {}
    using CPlayable::play;
    void play() override
    {
        setStatus(StatusPlaying);
        ++plays;
    }
    void stop(bool notifyEnd) override
    {
        const bool was = isPlaying();
        setStatus(0);
        if (was && notifyEnd)
            notify(Finished);
    }
    void pause() override {}
    void resume() override {}
    void seek(int) override {}
    void end() { stop(true); }
    int plays = 0;
};

// Answers as told and writes down what it was asked.
struct Unit : CRandomPlayableNotifier {
    bool onRandomPlayableStarted(CPlayable*, int count) override
    {
        log += 'S';
        log += std::to_string(count);
        return startAnswer;
    }
    bool onRandomPlayableFinished(CPlayable*, int count) override
    {
        log += 'F';
        log += std::to_string(count);
        return finishAnswer;
    }
    bool startAnswer = true;
    bool finishAnswer = false;
    std::string log;
};

class CRandomPlayableTest : public SoundWindowFixture {
protected:
    void SetUp() override
    {
        SoundWindowFixture::SetUp();
        CXRandom::seed(11);
        random_ = std::make_unique<CRandomPlayable>(window_.get(), nullptr);
        random_->addNotifier(&unit_);
    }
    void TearDown() override
    {
        random_.reset();
        SoundWindowFixture::TearDown();
    }
    // Seconds of the window's software timers; the medium ends each play `playSeconds` later.
    void seconds(int count)
    {
        for (int i = 0; i < count; ++i) {
            clock_.advance(CRandomPlayable::PERIOD_MS);
            window_->GetTimerInterface()->domodal();
        }
    }
    // Seconds until the medium starts, at most `limit`; -1 when it did not.
    int untilStarted(Medium& medium, int limit)
    {
        const int before = medium.plays;
        for (int second = 1; second <= limit; ++second) {
            seconds(1);
            if (medium.plays != before)
                return second;
        }
        return -1;
    }

    Unit unit_;
    std::unique_ptr<CRandomPlayable> random_;
};

TEST_F(CRandomPlayableTest, AnEntryStartsItsEventWithinSixtyDividedByItsProbabilitySeconds)
{
    Medium medium;
    medium.addEvent("BLINK", "1");
    random_->add(&medium, 1.0, 1, "blink");
    const int after = untilStarted(medium, 61);
    EXPECT_GE(after, 1);
    EXPECT_LE(after, 60);
    EXPECT_STREQ(medium.getLastPlayedEvent().c_str(), "blink");
    EXPECT_EQ(unit_.log, "S1");
    EXPECT_EQ(untilStarted(medium, 100), -1) << "a playing medium waits";
    medium.end();
    EXPECT_EQ(unit_.log, "S1F1");
    const int again = untilStarted(medium, 61);
    EXPECT_GE(again, 1) << "one play per wait for times of 1";

    Medium often;
    random_->add(&often, 600.0, 1, "x");
    EXPECT_EQ(untilStarted(often, 1), 1) << "more than 60 a minute: every second";
}

TEST_F(CRandomPlayableTest, ARunPlaysAgainEachSecondUntilItsLengthThenWaitsAnew)
{
    for (int times : {1, 2, 3, 10, 40}) {
        Medium medium;
        random_->add(&medium, 60.0, times, "x");
        ASSERT_EQ(untilStarted(medium, 1), 1);
        int run = 1;
        medium.end();
        while (random_->getEntry(random_->getCount() - 1)->getSeqTime() != 0) {
            ASSERT_EQ(untilStarted(medium, 1), 1) << "the next play of a run comes at the next second";
            ++run;
            medium.end();
        }
        EXPECT_LE(run, std::max(1, times - 2)) << times;
        if (times <= 3) {
            EXPECT_EQ(run, 1) << times;
        }
        random_->remove(&medium);
    }
}

TEST_F(CRandomPlayableTest, TheUnitDecidesWhetherAnEntryStartsAndWhetherItPlaysAgainAtOnce)
{
    Medium refused;
    unit_.startAnswer = false;
    random_->add(&refused, 60.0, 1, "x");
    seconds(120);
    EXPECT_EQ(refused.plays, 0);
    EXPECT_LE(random_->getEntry(0)->getCountdown(), 0) << "a refused entry never starts again";
    random_->remove(&refused);

    Medium eager;
    unit_.startAnswer = true;
    unit_.finishAnswer = true;
    random_->add(&eager, 1.0, 1, "x");
    untilStarted(eager, 61);
    for (int play = 0; play < 5; ++play) {
        eager.end();
        EXPECT_EQ(untilStarted(eager, 1), 1);
    }
    random_->remove(&eager);

    Medium alone;
    random_->removeNotifier(&unit_);
    random_->add(&alone, 60.0, 1, "x");
    seconds(120);
    EXPECT_EQ(alone.plays, 0) << "no notifier, no start";
}

TEST_F(CRandomPlayableTest, ProbabilitiesOfZeroOrLessAndOddTimesNeverDivideNorStart)
{
    Medium never, negative;
    random_->add(&never, 0.0, 0, "x");
    random_->add(&negative, -3.0, -5, "x");
    seconds(600);
    EXPECT_EQ(never.plays + negative.plays, 0);
    Medium tiny;
    random_->add(&tiny, 1e-300, 1, "x");
    seconds(10);
    EXPECT_EQ(tiny.plays, 0);
}

TEST_F(CRandomPlayableTest, WithoutAnEventAnAnimationPlaysAnyOfItsEventsAndOtherMediaNothing)
{
    CAnimo animation(nullptr);
    for (int i = 0; i < 4; ++i)
        animation.appendFrame(animotest::solidFrame(2, 2, uint16_t(i)));
    random_->add(&animation, 60.0, 1, "");
    seconds(1);
    EXPECT_FALSE(animation.IsPlaying()) << "no events yet";
    animation.AddEvent(animotest::event("a", {0, 1}));
    animation.AddEvent(animotest::event("b", {2, 3}));
    random_->remove(&animation);
    random_->add(&animation, 60.0, 1, "");
    std::vector<int> events;
    for (int play = 0; play < 12; ++play) {
        seconds(1);
        ASSERT_TRUE(animation.IsPlaying()) << play;
        events.push_back(animation.GetCurrentEvent());
        animation.stop(true);
    }
    EXPECT_NE(std::count(events.begin(), events.end(), 0), 0);
    EXPECT_NE(std::count(events.begin(), events.end(), 1), 0);
    random_->remove(&animation);

    Medium medium;
    random_->add(&medium, 60.0, 1, "");
    unit_.log.clear();
    seconds(5);
    EXPECT_EQ(medium.plays, 0);
    EXPECT_EQ(unit_.log, "S1") << "asked, then nothing to play";
}

TEST_F(CRandomPlayableTest, ARemovedEntryLeavesItsPlayablesObserversAndTheTimerGoesWithTheList)
{
    Medium medium;
    random_->add(&medium, 60.0, 1, "x");
    EXPECT_EQ(medium.getNotifiers()->getSize(), 1);
    random_->remove(&medium);
    EXPECT_EQ(medium.getNotifiers()->getSize(), 0);
    medium.play();
    medium.end();
    EXPECT_EQ(unit_.log, "");
    random_->add(&medium, 60.0, 1, "x");
    random_.reset();
    EXPECT_EQ(medium.getNotifiers()->getSize(), 0);
    seconds(3);
}

TEST_F(CRandomPlayableTest, APlayableDeletedBeforeItsEntryLeavesTheEntryQuiet)
{
    auto medium = std::make_unique<Medium>();
    random_->add(medium.get(), 60.0, 1, "x");
    medium.reset();
    EXPECT_EQ(random_->getEntry(0)->getPlayable(), nullptr);
    seconds(5);
    EXPECT_EQ(unit_.log, "");
    random_.reset();
}

} // namespace
