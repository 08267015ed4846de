// Opens hostile bytes as a video through FFmpeg from memory, as the engine's video service does
// with a file: the first pieces read, every picture converted in the layout the display asks for,
// a seek back to the start and a few more. Nothing may come out larger than the video says.
#include "platform/FfmpegVideoDecoder.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr int kPieces = 24;
// Bytes after the picture and its padding that conversion must leave alone: the library converts
// outside our sanitizers' sight.
constexpr size_t kGuard = 4096;
constexpr uint8_t kGuardByte = 0xA5;

bool guardIntact(const std::vector<uint8_t>& pixels, size_t pictureBytes)
{
    for (size_t i = pictureBytes; i < pixels.size(); ++i) {
        if (pixels[i] != kGuardByte)
            return false;
    }
    return true;
}

void readSome(platform::VideoFile& video, std::vector<uint8_t>& pixels, int pieces)
{
    const int pitch = video.width() * 2;
    const size_t pictureBytes = size_t(pitch) * size_t(video.height()) + platform::VideoFile::PADDING_BYTES;
    for (int i = 0; i < pieces; ++i) {
        const platform::VideoPiece piece = video.read();
        if (piece.kind == platform::VideoPiece::End)
            return;
        if (piece.kind == platform::VideoPiece::Picture) {
            if (piece.durationUs <= 0)
                std::abort();
            video.convertPicture(pixels.data(), pitch);
            if (!guardIntact(pixels, pictureBytes))
                std::abort();
        } else if (piece.samples == nullptr || piece.frames == 0) {
            std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    for (platform::VideoPixels layout : {platform::VideoPixels::Rgb565, platform::VideoPixels::Rgb555}) {
        std::unique_ptr<platform::VideoFile> video = platform::FfmpegVideoDecoder::openMemory(data, size, layout);
        if (video == nullptr)
            return 0;
        const int side = platform::VideoFile::MAX_SIDE;
        if (video->width() <= 0 || video->height() <= 0 || video->width() > side || video->height() > side)
            std::abort();
        const platform::AudioFormat sound = video->soundFormat();
        if (sound.channels != 0 && !sound.isValid())
            std::abort();
        std::vector<uint8_t> pixels(size_t(video->width()) * size_t(video->height()) * 2 + platform::VideoFile::PADDING_BYTES + kGuard,
                                    kGuardByte);
        readSome(*video, pixels, kPieces);
        video->seek(0);
        readSome(*video, pixels, kPieces / 4);
    }
    return 0;
}
