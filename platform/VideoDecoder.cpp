#include "platform/VideoDecoder.h"

#include "platform/NullVideoDecoder.h"
#include "platform/ServiceSlot.h"

#ifdef TAMZORA_WITH_FFMPEG
#include "platform/FfmpegVideoDecoder.h"
#endif

namespace platform {

namespace {

#ifdef TAMZORA_WITH_FFMPEG
using BuiltInDecoder = FfmpegVideoDecoder;
#else
using BuiltInDecoder = NullVideoDecoder;
#endif

VideoDecoder& builtInDecoder()
{
    static BuiltInDecoder instance;
    return instance;
}

constinit ServiceSlot<VideoDecoder> slot(builtInDecoder);
} // namespace

VideoDecoder& videoDecoder()
{
    return slot.get();
}

void setVideoDecoder(VideoDecoder* replacement)
{
    slot.set(replacement);
}

bool videoCodecsBuilt()
{
#ifdef TAMZORA_WITH_FFMPEG
    return true;
#else
    return false;
#endif
}

} // namespace platform
