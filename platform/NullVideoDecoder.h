#pragma once

#include "platform/VideoDecoder.h"

namespace platform {

// The decoder of an engine built without video codecs: no file opens, so movies end at once.
class NullVideoDecoder final : public VideoDecoder {
public:
    std::unique_ptr<VideoFile> open(FileHandle& file, VideoPixels pixels) override { return nullptr; }
};

} // namespace platform
