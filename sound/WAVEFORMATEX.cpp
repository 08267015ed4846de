#include "sound/WAVEFORMATEX.h"

#include "foundation/LittleEndian.h"
#include "platform/AudioDevice.h"

#include <algorithm>
#include <cstring>

WAVEFORMATEX WAVEFORMATEX::fromBytes(const uint8_t* bytes, int count)
{
    uint8_t record[SIZE] = {};
    std::memcpy(record, bytes, static_cast<size_t>(std::clamp(count, 0, SIZE)));
    WAVEFORMATEX format;
    format.formatTag = foundation::loadLE16(record);
    format.channels = foundation::loadLE16(record + 2);
    format.samplesPerSec = foundation::loadLE32(record + 4);
    format.avgBytesPerSec = foundation::loadLE32(record + 8);
    format.blockAlign = foundation::loadLE16(record + 12);
    format.bitsPerSample = foundation::loadLE16(record + 14);
    format.extraSize = foundation::loadLE16(record + 16);
    return format;
}

std::unique_ptr<platform::AudioBuffer> WAVEFORMATEX::createBuffer(uint32_t bytes) const
{
    if (formatTag != PCM)
        return nullptr;
    const platform::AudioFormat format{channels, samplesPerSec, avgBytesPerSec, blockAlign, bitsPerSample};
    return platform::audio().createBuffer(format, bytes);
}
