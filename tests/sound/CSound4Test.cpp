#include "SoundFixture.h"

#include "graphics/CPlayableObserver.h"
#include "platform/SoundDecoder.h"
#include "sound/CSound4.h"
#include "sound/CSoundCodec_ADPCM.h"
#include "sound/CSoundManager.h"

#include <sndfile.h>

#include <functional>

namespace {

using namespace soundtest;

// Writes down what a playable tells its observers: S started, T tick, F finished, R resumed.
struct Recorder : CPlayableObserver {
    bool onPlayableStarted(CPlayable*) override { return note('S'); }
    bool onPlayableTick(CPlayable*) override { return note('T'); }
    bool onPlayableFinished(CPlayable* playable) override
    {
        note('F');
        if (onFinished)
            onFinished(playable);
        return false;
    }
    bool onPlayableResumed(CPlayable*) override { return note('R'); }
    bool note(char mark)
    {
        log += mark;
        return false;
    }
    std::string take()
    {
        std::string taken;
        taken.swap(log);
        return taken;
    }
    std::string log;
    std::function<void(CPlayable*)> onFinished;
};

class CSound4Test : public SoundFixture {
protected:
    void SetUp() override
    {
        SoundFixture::SetUp();
        CSoundManager::install(&manager_);
    }
    void TearDown() override
    {
        CSoundManager::install(nullptr);
        SoundFixture::TearDown();
    }
    // Engine turns every 10 ms with the sound manager's step; what was played.
    std::vector<int16_t> turns(uint32_t ms)
    {
        return turnsOf(ms, [this] { manager_.domodal(); });
    }
    std::unique_ptr<CSound4> sound(const std::string& path, bool flushAfterPlayed = false)
    {
        auto made = std::make_unique<CSound4>(nullptr, path.c_str(), flushAfterPlayed, false);
        made->addNotifier(&recorder_);
        return made;
    }
    // 100 ms of a ramp.
    std::string rampFile(const std::string& name = "ramp.wav")
    {
        return put(name, wave({.data = samples(ramp_), .between = chunk("fact", "abcd") + chunk("LIST", "info")}));
    }

    CSoundManager manager_;
    Recorder recorder_;
    const std::vector<int16_t> ramp_ = ramp(800);
};

TEST_F(CSound4Test, EveryPcmLayoutPlaysSampleForSampleAndItsEndIsReportedOnceInTheNextTurn)
{
    struct Case {
        const char* what;
        WaveSpec spec;
        std::vector<int16_t> expected;
    } cases[] = {
        {"16-bit mono", {.data = samples(ramp_)}, ramp_},
        {"8-bit mono", {.bits = 8, .data = std::string("\x80\x81\xff\x00", 4)}, {0, 256, 32512, -32768}},
        {"16-bit stereo", {.channels = 2, .data = samples({5, 5, -7, -7, 9, 9})}, {5, -7, 9}},
        {"long fmt and chunks", {.fmtSize = 18, .data = samples(ramp_), .between = chunk("LIST", "abc")}, ramp_},
    };
    for (const Case& c : cases) {
        auto s = sound(put("case.wav", wave(c.spec)));
        s->play();
        EXPECT_EQ(recorder_.take(), "S") << c.what;
        std::vector<int16_t> out = turns(200);
        std::vector<int16_t> expected = c.expected;
        expected.resize(out.size(), 0);
        EXPECT_EQ(out, expected) << c.what;
        EXPECT_EQ(recorder_.take(), "F") << c.what;
        EXPECT_TRUE(s->isPlaying() == false && s->getStatus() == CPlayable::StatusPlaying) << c.what;
    }
}

TEST_F(CSound4Test, TheEndIsReportedInTheFirstTurnAfterTheBufferStopped)
{
    auto s = sound(rampFile());
    s->play();
    turns(90);
    EXPECT_EQ(recorder_.take(), "S");
    turns(10);
    EXPECT_EQ(recorder_.take(), "F") << "100 ms of sound, reported in the turn at 100 ms";
    turns(100);
    EXPECT_EQ(recorder_.take(), "");
}

TEST_F(CSound4Test, PauseKeepsThePlaceAndResumeGoesOnFromItWithoutAGap)
{
    auto s = sound(rampFile());
    s->play();
    std::vector<int16_t> heard = turns(40);
    s->pause();
    EXPECT_TRUE(s->isPaused());
    EXPECT_EQ(turns(50), std::vector<int16_t>(400, 0));
    s->resume();
    const std::vector<int16_t> rest = turns(100);
    heard.insert(heard.end(), rest.begin(), rest.begin() + 480);
    EXPECT_EQ(heard, ramp_);
    EXPECT_EQ(recorder_.take(), "SRF") << "a pause is never reported";
    s->play();
    EXPECT_EQ(turns(10)[0], ramp_[0]) << "play() starts at the beginning";
}

TEST_F(CSound4Test, StopReportsTheEndUnlessToldNotToAndAFlushedSoundLoadsAgainOnEveryPlay)
{
    auto s = sound(rampFile(), true);
    s->play();
    turns(20);
    s->stop(false);
    turns(20);
    EXPECT_EQ(recorder_.take(), "S");
    EXPECT_FALSE(s->isLoaded()) << "flushed after its silent end";
    s->play();
    turns(20);
    s->stop(true);
    turns(20);
    EXPECT_EQ(recorder_.take(), "SF");

    s->play();
    s->setVolume(-600);
    EXPECT_NEAR(turns(10)[0], ramp_[0] / 2, 1);
    turns(200);
    s->play();
    EXPECT_EQ(turns(10)[5], ramp_[5]) << "a new buffer starts at full volume until set again";
    EXPECT_EQ(s->getVolume(), -600);
}

TEST_F(CSound4Test, APlayableThatReplaysFromItsEndReportKeepsTheBufferItLoaded)
{
    auto s = sound(rampFile(), true);
    int replays = 0;
    recorder_.onFinished = [&](CPlayable* playable) {
        if (replays++ == 0)
            playable->play();
    };
    s->play();
    std::vector<int16_t> out = turns(250);
    EXPECT_EQ(recorder_.take(), "SFSF");
    EXPECT_EQ(std::vector<int16_t>(out.begin() + 800, out.begin() + 1600), ramp_) << "the replay plays whole";
}

TEST_F(CSound4Test, ALoopStartedWithPlayTrueRunsUntilStoppedAndIsNeverReported)
{
    auto s = sound(rampFile());
    s->Play(true);
    EXPECT_EQ(turns(300), repeated(ramp_, 2400));
    s->Stop();
    turns(50);
    EXPECT_EQ(recorder_.take(), "S");
}

TEST_F(CSound4Test, WhatDoesNotLoadNeverPlaysNorReports)
{
    struct Refusing : platform::SoundDecoder {
        std::unique_ptr<platform::DecodedSound> open(platform::FileHandle&) override { return nullptr; }
    } refusing;
    platform::setSoundDecoder(&refusing);
    CSoundCodec_ADPCM::done();
    const std::string good = wave({.data = samples(ramp_)});
    for (const std::string& path : {put("x.SPX", good), std::string("T:\\missing.wav"), put("text.wav", "not a wave file"),
                                    put("tag3.wav", wave({.tag = 3, .data = "abcd"})), put("adpcm.wav", wave({.tag = 2, .data = "abcd"})),
                                    put("empty.wav", wave({.data = ""}))}) {
        auto s = sound(path);
        EXPECT_FALSE(s->load()) << path;
        s->play();
        s->pause();
        s->resume();
        turns(20);
        EXPECT_EQ(recorder_.take(), "") << path;
    }
    platform::setSoundDecoder(nullptr);
    EXPECT_TRUE(sound(put("x.spx", good))->load()) << "only the upper-case ending is refused";
}

TEST_F(CSound4Test, CompressedSoundsPlayAsSixteenBitAtTheirOwnRate)
{
    SF_INFO info{};
    info.samplerate = 8000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM;
    SNDFILE* file = sf_open((folder_.temp / "adpcm.wav").c_str(), SFM_WRITE, &info);
    const std::vector<int16_t> tone(800, 12000);
    sf_writef_short(file, tone.data(), 800);
    sf_close(file);
    auto s = sound(GameFolder::gamePath("adpcm.wav"));
    ASSERT_TRUE(s->load());
    s->play();
    const std::vector<int16_t> out = turns(200);
    EXPECT_NEAR(out[400], 12000, 600);
    EXPECT_EQ(out[1500], 0);
    EXPECT_EQ(recorder_.take(), "SF");
}

TEST_F(CSound4Test, TheManagerActsOnTheFirstNodeOfASoundAndUnlinksRemovalsAfterItsPass)
{
    auto first = sound(rampFile());
    auto second = sound(rampFile("b.wav"));
    manager_.add(first.get(), false);
    EXPECT_EQ(manager_.getCount(), 3);
    manager_.remove(first.get());
    EXPECT_EQ(manager_.getCount(), 2);
    first->play();
    turns(150);
    EXPECT_EQ(recorder_.take(), "SF") << "the second node of the sound still reports";

    recorder_.onFinished = [&](CPlayable* playable) {
        if (playable == second.get())
            first.reset();
    };
    first->play();
    second->play();
    turns(150);
    EXPECT_EQ(recorder_.take(), "SSF");
    EXPECT_EQ(manager_.getCount(), 1);
}

TEST_F(CSound4Test, TheManagerPausesAndResumesItsSoundsAndDeletesOnlyWhatItOwns)
{
    auto s = sound(rampFile());
    s->play();
    turns(20);
    manager_.pause();
    EXPECT_TRUE(s->isPaused());
    manager_.resume();
    EXPECT_TRUE(s->isPlaying());
    EXPECT_EQ(recorder_.take(), "SR");

    auto* owned = new CSound4(nullptr, rampFile("c.wav").c_str(), false, true);
    {
        CSoundManager other;
        other.add(owned, true);
        other.add(s.get(), false);
    }
    EXPECT_TRUE(s->isPlaying()) << "not owned, so still alive";
}

TEST_F(CSound4Test, WithoutADeviceTheGameRunsSilently)
{
    EXPECT_EQ(CSound4::CreateDirectSoundInterface(nullptr), &audio_);
    audio_.setAvailable(false);
    CSound4::DestroySoundBuffer();
    EXPECT_EQ(CSound4::CreateDirectSoundInterface(nullptr), nullptr);
    auto s = sound(rampFile());
    s->play();
    turns(200);
    EXPECT_EQ(recorder_.take(), "");
    audio_.setAvailable(true);
    EXPECT_EQ(CSound4::CreateDirectSoundInterface(nullptr), &audio_);
    s->play();
    EXPECT_EQ(recorder_.take(), "S");
}

} // namespace
