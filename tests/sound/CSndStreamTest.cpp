#include "SoundFixture.h"

#include "foundation/CBigFile.h"
#include "foundation/CFile.h"
#include "sound/CMusicLoopLink.h"
#include "sound/CMusicPlayer.h"
#include "sound/CSndStream.h"

#include <atomic>
#include <thread>

namespace {

using namespace soundtest;

// Counts the loops the sound manager's turn hands on, and on which thread.
struct CountingLoopLink : CMusicLoopLink {
    CountingLoopLink() { install(this); }
    ~CountingLoopLink() override { install(nullptr); }
    void onMusicLooped() override
    {
        ++loops;
        thread = std::this_thread::get_id();
    }
    int delivered()
    {
        loops = 0;
        deliverPending();
        return loops;
    }
    int loops = 0;
    std::thread::id thread;
};

class CSndStreamTest : public SoundFixture {
protected:
    // 8 kHz mono 16-bit: the buffer holds 1.2 s, 9600 frames.
    static constexpr int kBufferFrames = 9600;

    std::string music(const std::vector<int16_t>& values, const std::string& after = "")
    {
        return put("music.wav", wave({.data = samples(values), .between = chunk("LIST", "info"), .after = after}));
    }
    // Steps of 10 ms until the stream stops playing; the milliseconds that took.
    uint32_t untilStopped(CSndStream& stream, std::vector<int16_t>& out)
    {
        uint32_t ms = 0;
        while (stream.IsPlaying() && ms < 10000) {
            const std::vector<int16_t> more = play(10);
            out.insert(out.end(), more.begin(), more.end());
            ms += 10;
        }
        return ms;
    }

    CountingLoopLink link_;
    // Loud bytes after the data chunk: a stream that reads past its data plays them.
    const std::string loudChunk_ = chunk("junk", samples(std::vector<int16_t>(400, 30000)));
};

TEST_F(CSndStreamTest, ALoopingStreamRepeatsItsDataWithoutAGapAndCountsEachPass)
{
    const std::vector<int16_t> data = ramp(16000);
    CSndStream stream(nullptr, music(data, loudChunk_).c_str());
    stream.Play(true);
    EXPECT_EQ(play(5000), repeated(data, 5 * kRate));
    EXPECT_TRUE(stream.IsPlaying());
    EXPECT_EQ(link_.loops, 0) << "never from the refill";
    // Reading runs 1.2 s ahead of the output: by then the passes from 2, 4 and 6 s have begun.
    EXPECT_EQ(link_.delivered(), 3);
    EXPECT_EQ(link_.thread, std::this_thread::get_id());
    EXPECT_EQ(link_.delivered(), 0);
}

TEST_F(CSndStreamTest, DataShorterThanTheBufferLoopsFromTheFirstPass)
{
    const std::vector<int16_t> data = ramp(2000);
    CSndStream stream(nullptr, music(data).c_str());
    stream.Play(true);
    EXPECT_EQ(play(1000), repeated(data, kRate));
    EXPECT_EQ(link_.delivered(), 8) << "passes begun within 2.2 s of data";
}

TEST_F(CSndStreamTest, AStreamThatDoesNotLoopEndsInSilenceWithinARefillOfItsLastByte)
{
    for (int frames : {2400, 8000, 20000}) {
        const std::vector<int16_t> data = ramp(frames);
        CSndStream stream(nullptr, music(data, loudChunk_).c_str());
        stream.Play(false);
        std::vector<int16_t> out;
        const uint32_t ms = untilStopped(stream, out);
        const uint32_t dataMs = static_cast<uint32_t>(frames) * 1000 / kRate;
        EXPECT_GE(ms, dataMs) << frames;
        EXPECT_LE(ms, dataMs + CSndStream::REFILL_MS + 10) << frames;
        std::vector<int16_t> expected = data;
        expected.resize(out.size(), 0);
        EXPECT_EQ(out, expected) << frames;
        stream.Close();
    }
}

TEST_F(CSndStreamTest, PauseSilencesAtOnceAndResumePlaysOnFromTwoBuffersBeforeWhereReadingStood)
{
    const std::vector<int16_t> data = ramp(32000, -16000);
    CSndStream stream(nullptr, music(data).c_str());
    stream.Play(true);
    play(2000);
    stream.Pause();
    EXPECT_FALSE(stream.IsPlaying());
    EXPECT_EQ(play(500), std::vector<int16_t>(kRate / 2, 0));
    stream.Resume();
    EXPECT_TRUE(stream.IsPlaying());
    // Reading stood 1.2 s ahead of the 2 s heard.
    const size_t from = 2 * kRate + kBufferFrames - 2 * kBufferFrames;
    const std::vector<int16_t> out = play(4000);
    EXPECT_EQ(std::vector<int16_t>(out.begin(), out.begin() + long(data.size() - from)),
              std::vector<int16_t>(data.begin() + long(from), data.end()));
    EXPECT_EQ(out.back(), 0) << "resumed without looping";
    EXPECT_FALSE(stream.IsPlaying());
}

TEST_F(CSndStreamTest, ResumeNearTheStartRewindsToTheDataNotIntoTheHeader)
{
    const std::vector<int16_t> data = ramp(4000);
    CSndStream stream(nullptr, music(data).c_str());
    stream.Play(false);
    play(100);
    stream.Pause();
    stream.Resume();
    const std::vector<int16_t> out = play(600);
    EXPECT_EQ(std::vector<int16_t>(out.begin(), out.begin() + 4000), data);
}

TEST_F(CSndStreamTest, AStreamPlaysAMemberOfTheDataArchiveAndStopsAtItsDataChunk)
{
    const std::vector<int16_t> data = ramp(4000);
    folder_.temp.write("src/Wavs/theme.wav", wave({.data = samples(data), .after = loudChunk_}));
    folder_.temp.write("src/Wavs/zloud.wav", samples(std::vector<int16_t>(20000, 30000)));
    CBigFile writer(false);
    ASSERT_TRUE(writer.Create(GameFolder::gamePath("src").c_str(), "data.bf", GameFolder::gamePath("data.bf").c_str()));
    ASSERT_TRUE(CFile::openBigFile(GameFolder::gamePath("data.bf").c_str()));
    {
        CSndStream stream(nullptr, "Wavs\\theme.wav");
        EXPECT_EQ(stream.LastError(), 0);
        stream.Play(false);
        std::vector<int16_t> out;
        untilStopped(stream, out);
        std::vector<int16_t> expected = data;
        expected.resize(out.size(), 0);
        EXPECT_EQ(out, expected);
    }
    CFile::closeBigFile();
}

TEST_F(CSndStreamTest, WhatCannotPlayStaysSilentWithoutFailingTheGame)
{
    CSndStream missing(nullptr, "T:\\nowhere.wav");
    EXPECT_EQ(missing.LastError(), CFile::NOT_FOUND);
    missing.Play(true);
    missing.setPan(100);
    EXPECT_FALSE(missing.IsPlaying());
    EXPECT_EQ(missing.getVolume(), 0);

    CSndStream notWave(nullptr, put("text.wav", "just some text, long enough to look like something").c_str());
    EXPECT_EQ(notWave.LastError(), 0);
    notWave.Play(true);
    EXPECT_FALSE(notWave.IsPlaying());

    audio_.close();
    CSndStream noDevice(nullptr, music(ramp(100)).c_str());
    EXPECT_EQ(noDevice.LastError(), 0);
    noDevice.Play(false);
    EXPECT_FALSE(noDevice.IsPlaying());
    EXPECT_EQ(play(100), std::vector<int16_t>());
}

TEST_F(CSndStreamTest, EmptyLoopingDataPlaysSilenceWithoutSpinningAndEightBitPadsWithItsOwnSilence)
{
    CSndStream empty(nullptr, music({}).c_str());
    empty.Play(true);
    EXPECT_EQ(play(300), std::vector<int16_t>(kRate * 3 / 10, 0));
    EXPECT_EQ(link_.delivered(), 0);
    empty.Close();

    CSndStream eightBit(nullptr, put("eight.wav", wave({.bits = 8, .data = std::string(800, '\x90')})).c_str());
    eightBit.Play(false);
    std::vector<int16_t> expected(800, 0x10 * 256);
    expected.resize(kRate, 0);
    EXPECT_EQ(play(1000), expected);
}

TEST_F(CSndStreamTest, VolumePanAndFrequencyReachTheBuffer)
{
    CSndStream stream(nullptr, music(std::vector<int16_t>(16000, 10000)).c_str());
    stream.setVolume(-600);
    EXPECT_EQ(stream.getVolume(), -600);
    stream.Play(true);
    const std::vector<int16_t> quiet = play(10);
    EXPECT_NEAR(quiet[0], 5012, 2);
    stream.setFreq(16000);
    play(1000);
    EXPECT_EQ(link_.delivered(), 1) << "twice the speed: two seconds of data heard and read ahead";
}

TEST_F(CSndStreamTest, RefillsOnAnotherThreadKeepTheOutputExactAndCloseWaitsForThem)
{
    const std::vector<int16_t> data = ramp(3000);
    auto stream = std::make_unique<CSndStream>(nullptr, music(data).c_str());
    stream->Play(true);
    std::atomic<bool> stop{false};
    std::thread refills([&] {
        while (!stop)
            timers_.runDue();
    });
    std::vector<int16_t> out;
    for (int step = 0; step < 100; ++step) {
        clock_.advance(5);
        // The main thread waits for the refill of each period before time goes on.
        while (timers_.runDue() != 0) {
        }
        stream->setVolume(0);
        EXPECT_TRUE(stream->IsPlaying());
    }
    stream.reset();
    stop = true;
    refills.join();
    audio_.mixUntilNow();
    out = audio_.takeCapture();
    ASSERT_EQ(out.size(), size_t(kRate / 2));
    EXPECT_EQ(out, repeated(data, out.size()));
}

TEST_F(CSndStreamTest, TheMusicPlayerKeepsOneStreamAndRemembersTheLastPieceThatStarted)
{
    CMusicPlayer player(nullptr);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(player.getVolume(), 0);
    const std::string path = music(ramp(1000));
    player.play(path.c_str(), true);
    EXPECT_TRUE(player.isPlaying());
    EXPECT_STREQ(player.getFileName().c_str(), path.c_str());
    player.setVolume(-300);
    EXPECT_EQ(player.getVolume(), -300);
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_STREQ(player.getFileName().c_str(), path.c_str());
    player.play("T:\\missing.wav", true);
    EXPECT_FALSE(player.isPlaying());
    EXPECT_STREQ(player.getFileName().c_str(), path.c_str());
    player.setPan(500);
    player.setFreq(11025);
    EXPECT_EQ(player.getVolume(), 0);
}

} // namespace
