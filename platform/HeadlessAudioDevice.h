#pragma once

#include "platform/AudioDevice.h"
#include "platform/ClockedMixer.h"

#include <cstdint>
#include <vector>

namespace platform {

// An audio device without a sound card for tests: the real mixer, run by the clock (ClockedMixer),
// so sounds end and loop exactly as they would with SDL; the output can be captured.
class HeadlessAudioDevice final : public AudioDevice {
public:
    // A null clock is the process clock of the moment (clock()).
    explicit HeadlessAudioDevice(uint32_t outputRate = 44100, uint16_t outputChannels = 2, Clock* clock = nullptr);

    bool open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    std::unique_ptr<AudioBuffer> createBuffer(const AudioFormat& format, uint32_t bytes) override;

    // A machine without a sound card: open() fails.
    void setAvailable(bool available) { available_ = available; }
    // Mixes everything due by the clock now.
    void mixUntilNow() { mixer_.locked([] {}); }
    void startCapture() { mixer_.startCapture(); }
    std::vector<int16_t> takeCapture() { return mixer_.takeCapture(); }

private:
    ClockedMixer mixer_;
    bool available_ = true;
    bool open_ = false;
};

} // namespace platform
