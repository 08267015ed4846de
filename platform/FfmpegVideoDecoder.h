#pragma once

#include "platform/VideoDecoder.h"

#include <cstddef>

namespace platform {

// The video decoder on FFmpeg (libavformat, libavcodec, libswscale, libswresample): the AVI and
// MPEG files of the games' era with their usual codecs, and whatever else FFmpeg reads.
class FfmpegVideoDecoder final : public VideoDecoder {
public:
    std::unique_ptr<VideoFile> open(FileHandle& file, VideoPixels pixels) override;
    // The same over bytes in memory, which must outlive the result.
    static std::unique_ptr<VideoFile> openMemory(const uint8_t* bytes, size_t size, VideoPixels pixels);
};

} // namespace platform
