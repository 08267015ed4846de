#include "platform/HeadlessAudioDevice.h"
#include "platform/ManualClock.h"
#include "platform/SdlAudioDevice.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using platform::AudioBuffer;
using platform::AudioFormat;
using platform::AudioLock;

AudioFormat pcm(uint16_t channels, uint32_t rate, uint16_t bits)
{
    const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
    return AudioFormat{channels, rate, rate * align, align, bits};
}

// A counting pattern: every sample differs from its neighbours, so a gap or a repeat shows.
std::vector<int16_t> ramp(size_t samples, int start = 1)
{
    std::vector<int16_t> out(samples);
    for (size_t i = 0; i < samples; ++i)
        out[i] = static_cast<int16_t>(start + static_cast<int>(i % 20000));
    return out;
}

void write(AudioBuffer& buffer, uint32_t offset, const void* bytes, uint32_t count)
{
    AudioLock locked;
    ASSERT_TRUE(buffer.lock(offset, count, locked));
    std::memcpy(locked.first, bytes, locked.firstBytes);
    if (locked.second)
        std::memcpy(locked.second, static_cast<const uint8_t*>(bytes) + locked.firstBytes, locked.secondBytes);
    buffer.unlock(locked);
}

// The headless device on a manual clock, its output captured.
class Mixing : public ::testing::Test {
protected:
    void openDevice(uint32_t rate, uint16_t channels)
    {
        device_ = std::make_unique<platform::HeadlessAudioDevice>(rate, channels, &clock_);
        ASSERT_TRUE(device_->open());
        device_->startCapture();
    }
    std::unique_ptr<AudioBuffer> buffer(const AudioFormat& format, const std::vector<int16_t>& samples)
    {
        auto made = device_->createBuffer(format, static_cast<uint32_t>(samples.size() * 2));
        write(*made, 0, samples.data(), static_cast<uint32_t>(samples.size() * 2));
        return made;
    }
    std::vector<int16_t> after(uint32_t ms)
    {
        clock_.advance(ms);
        device_->mixUntilNow();
        return device_->takeCapture();
    }

    platform::ManualClock clock_{1000};
    std::unique_ptr<platform::HeadlessAudioDevice> device_;
};

TEST_F(Mixing, AtItsOwnRateFullVolumeCentredASoundComesOutSampleForSampleThenEnds)
{
    openDevice(22050, 2);
    const std::vector<int16_t> source = ramp(2 * 2205); // 100 ms of stereo
    auto sound = buffer(pcm(2, 22050, 16), source);
    sound->play(false);
    std::vector<int16_t> out = after(99);
    EXPECT_EQ(out.size(), 2u * (99 * 22050 / 1000));
    EXPECT_EQ(sound->status(), AudioBuffer::PLAYING);
    const std::vector<int16_t> rest = after(101);
    EXPECT_EQ(sound->status(), 0u);
    out.insert(out.end(), rest.begin(), rest.end());
    std::vector<int16_t> expected = source;
    expected.resize(2 * 4410, 0);
    EXPECT_EQ(out, expected);
    EXPECT_EQ(sound->playCursor(), 0u);
}

TEST_F(Mixing, EightBitAndMonoSourcesWidenExactly)
{
    openDevice(8000, 2);
    auto sound = device_->createBuffer(pcm(1, 8000, 8), 4);
    const uint8_t bytes[] = {0x00, 0x80, 0xFF, 0x81};
    write(*sound, 0, bytes, 4);
    sound->play(false);
    EXPECT_EQ(after(1), (std::vector<int16_t>{-32768, -32768, 0, 0, 32512, 32512, 256, 256, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(Mixing, ALoopingBufferWrapsWithoutAGapUntilStopped)
{
    openDevice(1000, 1);
    const std::vector<int16_t> source = ramp(30);
    auto sound = buffer(pcm(1, 1000, 16), source);
    sound->play(true);
    EXPECT_EQ(sound->status(), AudioBuffer::PLAYING | AudioBuffer::LOOPING);
    const std::vector<int16_t> out = after(75);
    for (size_t i = 0; i < out.size(); ++i)
        ASSERT_EQ(out[i], source[i % 30]) << i;
    EXPECT_EQ(sound->playCursor(), 15u * 2);
    sound->stop();
    EXPECT_EQ(after(10), std::vector<int16_t>(10, 0));
    EXPECT_EQ(sound->playCursor(), 15u * 2);
}

TEST_F(Mixing, VolumeAndPanningAttenuateInHundredthsOfADecibel)
{
    openDevice(1000, 2);
    auto sound = buffer(pcm(1, 1000, 16), std::vector<int16_t>(100, 16000));
    struct Case {
        int volume, pan;
        int16_t left, right;
    } cases[] = {
        {0, 0, 16000, 16000},     {-600, 0, 8018, 8018},   {0, 10000, 0, 16000}, {0, -10000, 16000, 0},
        {0, 2000, 1600, 16000},   {-10000, 0, 0, 0},       {-2000, -2000, 1600, 160},
    };
    sound->play(true);
    for (const Case& c : cases) {
        ASSERT_TRUE(sound->setVolume(c.volume));
        ASSERT_TRUE(sound->setPan(c.pan));
        const std::vector<int16_t> out = after(1);
        EXPECT_NEAR(out[0], c.left, 2) << c.volume << " " << c.pan;
        EXPECT_NEAR(out[1], c.right, 2) << c.volume << " " << c.pan;
    }
    EXPECT_FALSE(sound->setVolume(1));
    EXPECT_FALSE(sound->setVolume(-10001));
    EXPECT_FALSE(sound->setPan(10001));
    EXPECT_EQ(sound->volume(), -2000);
    EXPECT_EQ(sound->pan(), -2000);
}

TEST_F(Mixing, FullScaleVoicesClipInsteadOfWrapping)
{
    openDevice(1000, 1);
    auto loud = buffer(pcm(1, 1000, 16), std::vector<int16_t>(10, 30000));
    auto louder = buffer(pcm(1, 1000, 16), std::vector<int16_t>(10, 30000));
    auto quiet = buffer(pcm(1, 1000, 16), std::vector<int16_t>(10, -30000));
    loud->play(false);
    louder->play(false);
    EXPECT_EQ(after(2), std::vector<int16_t>(2, 32767));
    loud->stop();
    louder->stop();
    quiet->play(false);
    louder->play(false);
    EXPECT_EQ(after(1), std::vector<int16_t>(1, 0));
}

TEST_F(Mixing, FrequencyChangesTheSpeedAndInterpolatesBetweenSamples)
{
    openDevice(1000, 1);
    auto sound = buffer(pcm(1, 1000, 16), {0, 1000, 2000, 3000, 4000, 5000});
    ASSERT_TRUE(sound->setFrequency(500));
    EXPECT_EQ(sound->frequency(), 500u);
    sound->play(false);
    EXPECT_EQ(after(4), (std::vector<int16_t>{0, 500, 1000, 1500}));
    ASSERT_TRUE(sound->setFrequency(2000));
    EXPECT_EQ(after(2), (std::vector<int16_t>{2000, 4000}));
    EXPECT_EQ(sound->status(), 0u);
    EXPECT_FALSE(sound->setFrequency(99));
    EXPECT_FALSE(sound->setFrequency(200001));
    ASSERT_TRUE(sound->setFrequency(0));
    EXPECT_EQ(sound->frequency(), 1000u);
}

TEST_F(Mixing, LockedBytesWrapAndReachTheOutputOnlyWhenUnlocked)
{
    openDevice(1000, 1);
    auto sound = device_->createBuffer(pcm(1, 1000, 16), 8);
    AudioLock locked;
    ASSERT_TRUE(sound->lock(6, 6, locked));
    EXPECT_EQ(locked.firstBytes, 2u);
    EXPECT_EQ(locked.secondBytes, 4u);
    AudioLock again;
    EXPECT_FALSE(sound->lock(0, 2, again));
    const int16_t values[] = {7, 8, 9};
    std::memcpy(locked.first, values, 2);
    std::memcpy(locked.second, values + 1, 4);
    sound->play(true);
    EXPECT_EQ(after(4), std::vector<int16_t>(4, 0));
    sound->unlock(locked);
    EXPECT_EQ(after(4), (std::vector<int16_t>{8, 9, 0, 7}));
    EXPECT_FALSE(sound->lock(8, 2, again));
    EXPECT_FALSE(sound->lock(0, 10, again));
    EXPECT_FALSE(sound->lock(0, 0, again));
    EXPECT_TRUE(sound->setPosition(2));
    EXPECT_FALSE(sound->setPosition(8));
    EXPECT_EQ(sound->playCursor(), 2u);
}

TEST(AudioDevice, RefusesFormatsAndSizesTheMixerCannotPlayAndOpensOnlyWithACard)
{
    platform::ManualClock clock;
    platform::HeadlessAudioDevice device(44100, 2, &clock);
    EXPECT_EQ(device.createBuffer(pcm(1, 22050, 16), 100), nullptr) << "not open yet";
    device.setAvailable(false);
    EXPECT_FALSE(device.open());
    device.setAvailable(true);
    ASSERT_TRUE(device.open());
    EXPECT_NE(device.createBuffer(pcm(2, 44100, 16), 4), nullptr);
    AudioFormat lying = pcm(2, 44100, 16);
    lying.avgBytesPerSec = 1000;
    for (const AudioFormat& bad : {pcm(3, 22050, 16), pcm(1, 22050, 24), pcm(1, 99, 8), pcm(1, 200001, 8), lying})
        EXPECT_EQ(device.createBuffer(bad, 100), nullptr) << bad.channels << " " << bad.bitsPerSample << " " << bad.samplesPerSec;
    EXPECT_EQ(device.createBuffer(pcm(1, 22050, 8), 3), nullptr);
    EXPECT_EQ(device.createBuffer(pcm(1, 22050, 8), 0x10000000), nullptr);
    device.close();
    EXPECT_EQ(device.createBuffer(pcm(1, 22050, 16), 100), nullptr);
}

TEST(SdlAudioDevice, OpensOnSdlsOutputAndMakesBuffersOnlyWhileOpen)
{
    platform::SdlAudioDevice device;
    ASSERT_TRUE(device.open()) << "the tests run with SDL's dummy audio driver";
    EXPECT_TRUE(device.open());
    auto buffer = device.createBuffer(pcm(2, 22050, 16), 4410);
    ASSERT_NE(buffer, nullptr);
    buffer->play(true);
    EXPECT_NE(buffer->status() & AudioBuffer::PLAYING, 0u);
    buffer->stop();
    device.close();
    EXPECT_FALSE(device.isOpen());
    EXPECT_EQ(device.createBuffer(pcm(2, 22050, 16), 4410), nullptr);
}

} // namespace
