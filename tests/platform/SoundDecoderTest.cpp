#include "platform/FileHandle.h"
#include "platform/SoundDecoder.h"

#include "TempFolder.h"

#include <gtest/gtest.h>
#include <sndfile.h>

#include <cmath>
#include <cstdlib>
#include <vector>

namespace {

// A tone written by libsndfile as MS-ADPCM in a WAVE file.
std::vector<int16_t> writeAdpcm(const std::string& path, int channels, int rate, int frames)
{
    std::vector<int16_t> samples(size_t(frames) * channels);
    for (int i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[size_t(i) * channels + c] = static_cast<int16_t>(8000 * std::sin(i * (0.05 + 0.02 * c)));
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    EXPECT_NE(file, nullptr) << sf_strerror(nullptr);
    sf_writef_short(file, samples.data(), frames);
    sf_close(file);
    return samples;
}

TEST(SoundDecoder, DecodesMsAdpcmThroughTheEnginesFileHandleCloseToTheSource)
{
    TempFolder folder;
    const std::string path = folder / "tone.wav";
    const std::vector<int16_t> source = writeAdpcm(path, 2, 11025, 3000);
    auto file = platform::FileHandle::open(path, platform::FileMode::Read, false);
    ASSERT_NE(file, nullptr);
    file->seek(100, platform::SeekFrom::Start);
    auto sound = platform::soundDecoder().open(*file);
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->channels(), 2);
    EXPECT_EQ(sound->sampleRate(), 11025);
    EXPECT_GE(sound->frames(), 3000);
    std::vector<int16_t> decoded(size_t(sound->frames()) * 2 + 64);
    const int64_t read = sound->readFrames(decoded.data(), sound->frames() + 32);
    ASSERT_GE(read, 3000);
    EXPECT_EQ(sound->readFrames(decoded.data(), 1), 0);
    int worst = 0;
    for (size_t i = 0; i < source.size(); ++i)
        worst = std::max(worst, std::abs(decoded[i] - source[i]));
    EXPECT_LT(worst, 800) << "lossy, but the same tone";
}

TEST(SoundDecoder, RefusesWhatItCannotRead)
{
    TempFolder folder;
    for (const std::string& bytes : {std::string(), std::string("RIFF\x10\0\0\0WAVEjunkjunk", 20), std::string(300, 'x')}) {
        folder.write("bad.wav", bytes);
        auto file = platform::FileHandle::open(folder / "bad.wav", platform::FileMode::Read, false);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(platform::soundDecoder().open(*file), nullptr) << bytes.size();
    }
}

} // namespace
