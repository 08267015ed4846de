#include "platform/AudioBuffer.h"

namespace platform {

bool AudioFormat::isValid() const
{
    return (channels == 1 || channels == 2) && (bitsPerSample == 8 || bitsPerSample == 16)
        && samplesPerSec >= AudioBuffer::FREQUENCY_MIN && samplesPerSec <= AudioBuffer::FREQUENCY_MAX
        && blockAlign == channels * bitsPerSample / 8 && avgBytesPerSec == samplesPerSec * blockAlign;
}

} // namespace platform
