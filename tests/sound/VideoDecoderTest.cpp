// The built-in video decoder (FFmpeg) over AVI files the tests write: pictures with their times,
// numbers and colours in both 16-bit layouts, the sound track sample for sample, seeks to key
// pictures, and files it refuses. Skipped in an engine built without FFmpeg.
#include "AviBytes.h"
#include "SoundFixture.h"

#include "platform/FileHandle.h"
#include "platform/VideoDecoder.h"

#include <memory>
#include <vector>

using namespace soundtest;

namespace {

struct Decoded {
    std::vector<int64_t> times;
    std::vector<int64_t> durations;
    std::vector<int> numbers;
    std::vector<Rgb> colours;
    std::vector<int16_t> sound;
};

class VideoDecoder : public SoundFixture {
protected:
    void SetUp() override
    {
        if (!platform::videoCodecsBuilt())
            GTEST_SKIP() << "built without FFmpeg";
        SoundFixture::SetUp();
    }

    std::unique_ptr<platform::VideoFile> open(const std::string& bytes, platform::VideoPixels pixels = platform::VideoPixels::Rgb565)
    {
        folder_.temp.write("video.avi", bytes);
        handle_ = platform::FileHandle::open(folder_.temp.path() + "/video.avi", platform::FileMode::Read, false);
        return platform::videoDecoder().open(*handle_, pixels);
    }

    // Every piece to the end; pictures converted and read back.
    static Decoded readAll(platform::VideoFile& file, bool rgb555 = false, int limit = 1000)
    {
        Decoded out;
        std::vector<uint16_t> pixels(size_t(file.width()) * size_t(file.height()) + platform::VideoFile::PADDING_BYTES / 2);
        for (int i = 0; i < limit; ++i) {
            const platform::VideoPiece piece = file.read();
            if (piece.kind == platform::VideoPiece::End)
                break;
            if (piece.kind == platform::VideoPiece::Sound) {
                out.sound.insert(out.sound.end(), piece.samples, piece.samples + piece.frames * file.soundFormat().channels);
                continue;
            }
            file.convertPicture(reinterpret_cast<uint8_t*>(pixels.data()), file.width() * 2);
            out.times.push_back(piece.timeUs);
            out.durations.push_back(piece.durationUs);
            out.numbers.push_back(numberOf(pixels, file.width()));
            out.colours.push_back(colourOf(pixels[size_t(12 * file.width() + 4)], rgb555));
        }
        return out;
    }
    // The eight cells along the top, white for 1.
    static int numberOf(const std::vector<uint16_t>& pixels, int width)
    {
        int number = 0;
        for (int bit = 0; bit < 8; ++bit) {
            if (colourOf(pixels[size_t(4 * width + bit * 8 + 4)], false).green > 128)
                number |= 1 << bit;
        }
        return number;
    }
    static Rgb colourOf(uint16_t pixel, bool rgb555)
    {
        if (rgb555)
            return Rgb{uint8_t((pixel >> 10 & 31) << 3), uint8_t((pixel >> 5 & 31) << 3), uint8_t((pixel & 31) << 3)};
        return Rgb{uint8_t((pixel >> 11) << 3), uint8_t((pixel >> 5 & 63) << 2), uint8_t((pixel & 31) << 3)};
    }
    static void expectColour(Rgb seen, Rgb wanted, int tolerance)
    {
        EXPECT_NEAR(seen.red, wanted.red, tolerance);
        EXPECT_NEAR(seen.green, wanted.green, tolerance);
        EXPECT_NEAR(seen.blue, wanted.blue, tolerance);
    }

    std::unique_ptr<platform::FileHandle> handle_;
};

TEST_F(VideoDecoder, PicturesComeInOrderWithTheirTimesNumbersAndColours)
{
    struct Case {
        const char* what;
        bool jpeg;
        platform::VideoPixels pixels;
        int tolerance;
    };
    const Case cases[] = {
        {"uncompressed, 5-6-5", false, platform::VideoPixels::Rgb565, 8},
        {"uncompressed, 5-5-5", false, platform::VideoPixels::Rgb555, 8},
        {"JPEG, 5-6-5", true, platform::VideoPixels::Rgb565, 24},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::unique_ptr<platform::VideoFile> file = open(aviBytes({.frames = 12, .jpeg = c.jpeg}), c.pixels);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->width(), 64);
        EXPECT_EQ(file->height(), 16);
        EXPECT_EQ(file->soundFormat().channels, 0);
        const Decoded decoded = readAll(*file, c.pixels == platform::VideoPixels::Rgb555);
        ASSERT_EQ(decoded.numbers.size(), 12u);
        for (int k = 0; k < 12; ++k) {
            EXPECT_EQ(decoded.times[size_t(k)], k * 40000);
            EXPECT_EQ(decoded.durations[size_t(k)], 40000);
            EXPECT_EQ(decoded.numbers[size_t(k)], k);
            expectColour(decoded.colours[size_t(k)], frameColour(k), c.tolerance);
        }
    }
}

TEST_F(VideoDecoder, TheSoundTrackComesOutSampleForSample)
{
    for (uint16_t channels : {1, 2}) {
        SCOPED_TRACE(channels);
        std::unique_ptr<platform::VideoFile> file = open(aviBytes({.frames = 10, .soundRate = 8000, .soundChannels = channels}));
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(file->soundFormat().samplesPerSec, 8000u);
        EXPECT_EQ(file->soundFormat().channels, channels);
        const Decoded decoded = readAll(*file);
        EXPECT_EQ(decoded.numbers.size(), 10u);
        ASSERT_EQ(decoded.sound.size(), 3200u * channels);
        for (size_t i = 0; i < 3200; ++i) {
            ASSERT_EQ(decoded.sound[i * channels], soundSample(int64_t(i))) << i;
            if (channels == 2) {
                ASSERT_EQ(decoded.sound[i * 2 + 1], -soundSample(int64_t(i))) << i;
            }
        }
    }
}

TEST_F(VideoDecoder, SeeksGoToTheKeyPictureAtOrBefore)
{
    std::unique_ptr<platform::VideoFile> file = open(aviBytes({.frames = 50, .jpeg = true}));
    ASSERT_NE(file, nullptr);
    for (int64_t at : {1500000, 400000, 0, 1960000}) {
        SCOPED_TRACE(at);
        ASSERT_TRUE(file->seek(at));
        const Decoded decoded = readAll(*file, false, 1);
        ASSERT_EQ(decoded.numbers.size(), 1u);
        EXPECT_EQ(decoded.numbers[0], at / 40000);
        EXPECT_EQ(decoded.times[0], at / 40000 * 40000);
    }
}

TEST_F(VideoDecoder, FilesWithoutAPictureOrWithOneTooLargeAreRefused)
{
    const std::string tooWide = aviBytes({.width = 4104, .height = 1, .frames = 1});
    const std::string tooHigh = aviBytes({.width = 8, .height = 4104, .frames = 1});
    const std::string largest = aviBytes({.width = 4096, .height = 1, .frames = 1});
    std::string truncated = aviBytes({.frames = 3});
    truncated.resize(100);
    EXPECT_EQ(open(wave({.data = samples(ramp(800))})), nullptr);
    EXPECT_EQ(open(tooWide), nullptr);
    EXPECT_EQ(open(tooHigh), nullptr);
    EXPECT_NE(open(largest), nullptr);
    EXPECT_EQ(open(""), nullptr);
    EXPECT_EQ(open(std::string(3000, 'x')), nullptr);
    std::unique_ptr<platform::VideoFile> cut = open(truncated);
    if (cut != nullptr) {
        EXPECT_TRUE(readAll(*cut).numbers.empty());
    }
}

} // namespace
