#include "SoundFixture.h"

#include "foundation/CDataBuffer.h"
#include "foundation/CFile.h"
#include "platform/SoundDecoder.h"
#include "sound/CSoundCodec_ADPCM.h"
#include "sound/CSoundCodec_PCM.h"

#include <sndfile.h>

#include <cmath>
#include <memory>

namespace {

using namespace soundtest;

class SoundCodecTest : public SoundFixture {
protected:
    // Decodes a file with the codec of a tag; the bytes decoded, or "none".
    std::string decode(int tag, const std::string& bytes, WAVEFORMATEX* format = nullptr)
    {
        CFile file(nullptr, put("x.wav", bytes).c_str(), CFile::READ | CFile::BINARY);
        CSoundCodec* codec = CSoundCodec::getCodec(tag);
        codec->decode(&file);
        if (format)
            *format = codec->getDesc();
        CDataBuffer* data = codec->getData();
        std::string decoded = data ? std::string(reinterpret_cast<char*>(data->getData()), size_t(data->getCount()) * data->getElementSize()) : "none";
        codec->flush();
        EXPECT_EQ(codec->getData(), nullptr);
        return decoded;
    }

    // A tone written by libsndfile as MS-ADPCM.
    std::string adpcm(int channels, int rate, int frames)
    {
        const std::string path = folder_.temp / "tone.wav";
        SF_INFO info{};
        info.samplerate = rate;
        info.channels = channels;
        info.format = SF_FORMAT_WAV | SF_FORMAT_MS_ADPCM;
        SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
        std::vector<int16_t> tone(size_t(frames) * channels);
        for (size_t i = 0; i < tone.size(); ++i)
            tone[i] = static_cast<int16_t>(5000 * std::sin(double(i) * 0.03));
        sf_writef_short(file, tone.data(), frames);
        sf_close(file);
        return folder_.temp.read("tone.wav");
    }
};

TEST_F(SoundCodecTest, TheFormatTagChoosesTheCodec)
{
    EXPECT_EQ(CSoundCodec::getCodec(0), nullptr);
    EXPECT_NE(dynamic_cast<CSoundCodec_PCM*>(CSoundCodec::getCodec(1)), nullptr);
    EXPECT_NE(dynamic_cast<CSoundCodec_ADPCM*>(CSoundCodec::getCodec(2)), nullptr);
    EXPECT_EQ(CSoundCodec::getCodec(3), nullptr);
    EXPECT_EQ(CSoundCodec::getCodec(-1), nullptr);
    CSoundCodec::done_codecs();
    EXPECT_EQ(CSoundCodec::getCodec(1), nullptr);
    CSoundCodec::init_codecs();
}

TEST_F(SoundCodecTest, PcmTakesTheDataChunkAsItStandsWhateverChunksSurroundIt)
{
    const std::string data = samples({1, -2, 3, -4});
    struct Case {
        const char* what;
        std::string bytes;
        std::string expected;
    } cases[] = {
        {"plain", wave({.data = data}), data},
        {"chunks between", wave({.data = data, .between = chunk("fact", "abcd") + chunk("LIST", "xyz")}), data},
        {"long fmt", wave({.fmtSize = 40, .data = data}), data},
        {"chunk after", wave({.data = data, .after = chunk("LIST", "trailing")}), data},
        {"truncated data", wave({.data = data}).substr(0, 44 + 5), data.substr(0, 5)},
        {"no data chunk", wave({.data = data}).substr(0, 36), "none"},
        {"no fmt chunk", "RIFF" + le32(12) + "WAVE" + chunk("data", data), "none"},
        {"size past the end", "RIFF" + le32(12) + "WAVE" + "JUNK" + le32(0xFFFFFFF0u) + chunk("fmt ", "x"), "none"},
        {"not RIFF", "RIFX" + wave({.data = data}).substr(4), "none"},
        {"empty", "", "none"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(decode(1, c.bytes), c.expected) << c.what;
}

TEST_F(SoundCodecTest, PcmFormatIsTheFilesOwnEvenFromALongFmtChunk)
{
    WAVEFORMATEX format;
    decode(1, wave({.channels = 2, .rate = 11025, .bits = 8, .fmtSize = 40, .data = "abcd"}), &format);
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.samplesPerSec, 11025u);
    EXPECT_EQ(format.avgBytesPerSec, 22050u);
    EXPECT_EQ(format.blockAlign, 2);
    EXPECT_EQ(format.bitsPerSample, 8);
    EXPECT_EQ(format.extraSize, 0);
}

TEST_F(SoundCodecTest, CompressedSoundsBecomeSixteenBitPcmAtTheDecodersRateAndChannels)
{
    WAVEFORMATEX format;
    const std::string decoded = decode(2, adpcm(2, 11025, 2000), &format);
    ASSERT_NE(decoded, "none");
    EXPECT_GE(decoded.size(), 2000u * 4);
    EXPECT_EQ(decoded.size() % 4, 0u);
    EXPECT_EQ(format.formatTag, 1);
    EXPECT_EQ(format.channels, 2);
    EXPECT_EQ(format.samplesPerSec, 11025u);
    EXPECT_EQ(format.bitsPerSample, 16);
    EXPECT_EQ(format.blockAlign, 4);
    EXPECT_EQ(format.avgBytesPerSec, 44100u);
    EXPECT_EQ(decode(2, wave({.tag = 2, .data = "garbage!"})), "none");
}

TEST_F(SoundCodecTest, WithoutADecoderACompressedSoundDecodesToNothing)
{
    struct Refusing : platform::SoundDecoder {
        std::unique_ptr<platform::DecodedSound> open(platform::FileHandle&) override { return nullptr; }
    } refusing;
    const std::string file = adpcm(1, 22050, 500);
    platform::setSoundDecoder(&refusing);
    CSoundCodec_ADPCM::done();
    EXPECT_EQ(decode(2, file), "none");
    platform::setSoundDecoder(nullptr);
    CSoundCodec_ADPCM::initialize(nullptr);
    EXPECT_NE(decode(2, file), "none");
}

} // namespace
