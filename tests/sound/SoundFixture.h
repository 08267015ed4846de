#pragma once

// Sounds under test: a manual clock drives the headless audio device (whose output is captured)
// and a manual timer service (the stream refills); WAVE files are built byte by byte, independently
// of the engine's readers, and written to a temp folder reached as drive T:.

#include "foundation/LittleEndian.h"
#include "platform/Clock.h"
#include "platform/HeadlessAudioDevice.h"
#include "platform/ManualClock.h"
#include "platform/TimerService.h"
#include "script/GameFolder.h"
#include "sound/CSoundCodec.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace soundtest {

inline std::string le16(uint16_t value)
{
    std::string bytes(2, '\0');
    foundation::storeLE16(reinterpret_cast<uint8_t*>(bytes.data()), value);
    return bytes;
}

inline std::string le32(uint32_t value)
{
    std::string bytes(4, '\0');
    foundation::storeLE32(reinterpret_cast<uint8_t*>(bytes.data()), value);
    return bytes;
}

inline std::string chunk(const char* name, const std::string& body)
{
    return std::string(name, 4) + le32(static_cast<uint32_t>(body.size())) + body;
}

struct WaveSpec {
    uint16_t tag = 1;
    uint16_t channels = 1;
    uint32_t rate = 8000;
    uint16_t bits = 16;
    // Bytes of the "fmt " chunk: 16, or more (the extra bytes are zeros).
    int fmtSize = 16;
    std::string data{};
    // Whole chunks between "fmt " and "data", and after "data".
    std::string between{};
    std::string after{};
};

inline std::string wave(const WaveSpec& spec)
{
    const uint16_t align = static_cast<uint16_t>(spec.channels * spec.bits / 8);
    std::string fmt = le16(spec.tag) + le16(spec.channels) + le32(spec.rate) + le32(spec.rate * align) + le16(align)
        + le16(spec.bits);
    fmt.resize(static_cast<size_t>(spec.fmtSize), '\0');
    const std::string body = "WAVE" + chunk("fmt ", fmt) + spec.between + chunk("data", spec.data) + spec.after;
    return "RIFF" + le32(static_cast<uint32_t>(body.size())) + body;
}

inline std::string samples(const std::vector<int16_t>& values)
{
    std::string bytes;
    for (int16_t value : values)
        bytes += le16(static_cast<uint16_t>(value));
    return bytes;
}

// Distinct values in a row: a gap, a repeat or a jump in the output shows.
inline std::vector<int16_t> ramp(int count, int first = 1)
{
    std::vector<int16_t> values(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        values[static_cast<size_t>(i)] = static_cast<int16_t>(first + i);
    return values;
}

inline std::vector<int16_t> repeated(const std::vector<int16_t>& values, size_t count)
{
    std::vector<int16_t> out;
    while (out.size() < count)
        out.insert(out.end(), values.begin(), values.end());
    out.resize(count);
    return out;
}

class SoundFixture : public ::testing::Test {
protected:
    // The output is 8 kHz mono, the rate of most fixtures, so they come out sample for sample.
    static constexpr uint32_t kRate = 8000;

    void SetUp() override
    {
        platform::setClock(&clock_);
        platform::setTimers(&timers_);
        platform::setAudio(&audio_);
        ASSERT_TRUE(audio_.open());
        audio_.startCapture();
        CSoundCodec::init_codecs();
    }
    void TearDown() override
    {
        CSoundCodec::done_codecs();
        platform::setAudio(nullptr);
        platform::setTimers(nullptr);
        platform::setClock(nullptr);
    }

    // Writes a file into the game folder and gives its game path.
    std::string put(const std::string& name, const std::string& bytes)
    {
        folder_.temp.write(name, bytes);
        return GameFolder::gamePath(name);
    }
    // Lets time pass in steps of 10 ms, the due refills running at each; what was played.
    std::vector<int16_t> play(uint32_t ms)
    {
        for (uint32_t passed = 0; passed < ms; passed += 10) {
            clock_.advance(std::min<uint32_t>(10, ms - passed));
            timers_.runDue();
        }
        audio_.mixUntilNow();
        return audio_.takeCapture();
    }
    // Engine turns every 10 ms, `turn` run at the end of each; what was played.
    std::vector<int16_t> turnsOf(uint32_t ms, const std::function<void()>& turn)
    {
        std::vector<int16_t> out;
        for (uint32_t passed = 0; passed < ms; passed += 10) {
            const std::vector<int16_t> more = play(10);
            out.insert(out.end(), more.begin(), more.end());
            turn();
        }
        return out;
    }

    platform::ManualClock clock_{5000};
    platform::TimerService timers_{platform::TimerService::Mode::Manual, &clock_};
    platform::HeadlessAudioDevice audio_{kRate, 1, &clock_};
    GameFolder folder_;
};

} // namespace soundtest
