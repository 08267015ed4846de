#pragma once

#include "platform/AudioMixer.h"
#include "platform/Clock.h"

#include <cstdint>
#include <vector>

namespace platform {

// A mixer run by the clock instead of a sound card: before every operation it mixes the output
// frames that the clock says are due since it started, so sounds end, loop and move their cursors
// when they would with a sound card. What it mixes can be kept for comparison.
class ClockedMixer final : public AudioMixer {
public:
    // A null clock is the process clock of the moment (clock()).
    ClockedMixer(uint32_t outputRate, uint16_t outputChannels, Clock* clock);

    // Output starts at the clock's present time; nothing is due before.
    void start();
    void stop();
    // From now on every mixed frame is kept (interleaved samples), until taken.
    void startCapture();
    std::vector<int16_t> takeCapture();

protected:
    void pace() override;

private:
    uint32_t tick() const;

    Clock* clock_;
    bool running_ = false;
    bool capturing_ = false;
    std::vector<int16_t> block_;
    std::vector<int16_t> captured_;
    uint32_t lastTick_ = 0;
    uint64_t elapsedMs_ = 0;
    uint64_t framesMixed_ = 0;
};

} // namespace platform
