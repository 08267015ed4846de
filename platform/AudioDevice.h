#pragma once

#include "platform/AudioBuffer.h"

#include <memory>

namespace platform {

// The sound output of the process: buffers of PCM that one mixer plays together. Opening is the
// engine's business (the window opens it once); without a sound card it does not open and no
// buffer can be made, so the game runs silently.
class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Starts the output; true when it runs (also when it already did). Main thread.
    virtual bool open() = 0;
    // Stops the output. Buffers still alive stay valid but silent.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    // A silent, stopped buffer at full volume, centred, at its own frequency; null while the
    // device is not open, for a format that is not valid or for a size outside 4 bytes to
    // 256 MB. The device must outlive its buffers.
    virtual std::unique_ptr<AudioBuffer> createBuffer(const AudioFormat& format, uint32_t bytes) = 0;
};

// The audio device of the process (SDL's default output unless one was installed).
AudioDevice& audio();
// Installs an audio device for the whole process (tests); null restores the real one.
void setAudio(AudioDevice* replacement);

} // namespace platform
