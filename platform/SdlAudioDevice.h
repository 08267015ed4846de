#pragma once

#include "platform/AudioDevice.h"
#include "platform/AudioMixer.h"

#include <cstdint>

namespace platform {

// The sound card through SDL: SDL's audio thread pulls blocks of signed 16-bit stereo from our
// mixer. Opened and closed on the main thread; buffers may be used from any thread.
class SdlAudioDevice final : public AudioDevice {
public:
    SdlAudioDevice();
    ~SdlAudioDevice() override;

    bool open() override;
    void close() override;
    bool isOpen() const override { return device_ != 0; }
    std::unique_ptr<AudioBuffer> createBuffer(const AudioFormat& format, uint32_t bytes) override;

private:
    static void fill(void* device, uint8_t* stream, int length);

    AudioMixer mixer_;
    uint32_t device_ = 0;
};

} // namespace platform
