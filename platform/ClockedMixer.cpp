#include "platform/ClockedMixer.h"

#include <algorithm>

namespace platform {

ClockedMixer::ClockedMixer(uint32_t outputRate, uint16_t outputChannels, Clock* clock)
    : AudioMixer(outputRate, outputChannels), clock_(clock)
{
}

uint32_t ClockedMixer::tick() const
{
    return (clock_ ? *clock_ : platform::clock()).tickMs();
}

void ClockedMixer::start()
{
    locked([this] {
        if (running_)
            return;
        running_ = true;
        lastTick_ = tick();
        elapsedMs_ = 0;
        framesMixed_ = 0;
    });
}

void ClockedMixer::stop()
{
    locked([this] { running_ = false; });
}

void ClockedMixer::startCapture()
{
    locked([this] {
        capturing_ = true;
        captured_.clear();
    });
}

std::vector<int16_t> ClockedMixer::takeCapture()
{
    std::vector<int16_t> taken;
    locked([&] { taken.swap(captured_); });
    return taken;
}

void ClockedMixer::pace()
{
    if (!running_)
        return;
    const uint32_t now = tick();
    elapsedMs_ += static_cast<uint32_t>(now - lastTick_);
    lastTick_ = now;
    // Counted from the start, so whole milliseconds never drift from the rate.
    const uint64_t due = elapsedMs_ * outputRate() / 1000;
    constexpr uint64_t kBlock = 4096;
    while (framesMixed_ < due) {
        const uint32_t frames = static_cast<uint32_t>(std::min(due - framesMixed_, kBlock));
        block_.resize(size_t(frames) * outputChannels());
        mixLocked(block_.data(), frames);
        if (capturing_)
            captured_.insert(captured_.end(), block_.begin(), block_.end());
        framesMixed_ += frames;
    }
}

} // namespace platform
