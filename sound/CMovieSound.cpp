#include "sound/CMovieSound.h"

#include "platform/AudioDevice.h"
#include "platform/Clock.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

// A piece within this many frames of where the last one ended goes on from there, so rounding in
// the timestamps leaves neither gaps nor overlaps.
constexpr int64_t kContinuationMs = 10;

int64_t floorDiv(int64_t value, int64_t divisor)
{
    const int64_t quotient = value / divisor;
    return value % divisor < 0 ? quotient - 1 : quotient;
}

} // namespace

CMovieSound::CMovieSound(const platform::AudioFormat& format)
{
    if (!format.isValid() || format.bitsPerSample != 16)
        return;
    rate_ = format.samplesPerSec;
    blockAlign_ = format.blockAlign;
    ringFrames_ = int64_t{rate_} * RING_MS / 1000;
    buffer_ = platform::audio().createBuffer(format, static_cast<uint32_t>(ringFrames_ * blockAlign_));
}

CMovieSound::~CMovieSound()
{
    stop();
}

void CMovieSound::start(int64_t timeUs, bool playing)
{
    std::lock_guard lock(mutex_);
    if (buffer_ == nullptr)
        return;
    buffer_->stop();
    buffer_->setPosition(0);
    originUs_ = timeUs;
    playedFrames_ = clearedFrames_ = writtenFrames_ = 0;
    silence(0, ringFrames_);
    started_ = true;
    running_ = false;
    runMs_ = 0;
    if (playing) {
        runStartTick_ = platform::clock().tickMs();
        running_ = true;
        buffer_->play(true);
    }
}

void CMovieSound::hold()
{
    std::lock_guard lock(mutex_);
    if (!running_)
        return;
    buffer_->stop();
    runMs_ = runningMs();
    running_ = false;
}

void CMovieSound::release()
{
    std::lock_guard lock(mutex_);
    if (!started_ || running_)
        return;
    runStartTick_ = platform::clock().tickMs();
    running_ = true;
    buffer_->play(true);
}

void CMovieSound::stop()
{
    std::lock_guard lock(mutex_);
    if (buffer_ != nullptr)
        buffer_->stop();
    started_ = running_ = false;
}

uint32_t CMovieSound::runningMs() const
{
    return running_ ? runMs_ + (platform::clock().tickMs() - runStartTick_) : runMs_;
}

void CMovieSound::update()
{
    std::lock_guard lock(mutex_);
    updateLocked();
}

void CMovieSound::updateLocked()
{
    if (!started_)
        return;
    const int64_t cursor = buffer_->playCursor() / blockAlign_;
    // The cursor tells where in the ring; the running time tells which lap.
    const int64_t estimate = int64_t{runningMs()} * rate_ / 1000;
    const int64_t played = floorDiv(estimate - cursor + ringFrames_ / 2, ringFrames_) * ringFrames_ + cursor;
    playedFrames_ = std::max(playedFrames_, played);
    silence(clearedFrames_, playedFrames_);
    clearedFrames_ = std::max(clearedFrames_, playedFrames_);
}

size_t CMovieSound::write(int64_t timeUs, const int16_t* samples, size_t frames)
{
    std::lock_guard lock(mutex_);
    if (!started_ || frames == 0)
        return frames;
    updateLocked();
    int64_t at = (timeUs - originUs_) * rate_ / 1000000;
    if (std::abs(at - writtenFrames_) <= int64_t{rate_} * kContinuationMs / 1000)
        at = writtenFrames_;
    const auto count = static_cast<int64_t>(frames);
    const int64_t dropped = std::clamp<int64_t>(playedFrames_ - at, 0, count);
    const int64_t fits = std::clamp<int64_t>(playedFrames_ + ringFrames_ - (at + dropped), 0, count - dropped);
    copyIn(at + dropped, samples + dropped * (blockAlign_ / 2), static_cast<size_t>(fits));
    writtenFrames_ = at + dropped + fits;
    return static_cast<size_t>(dropped + fits);
}

void CMovieSound::copyIn(int64_t at, const int16_t* samples, size_t frames)
{
    platform::AudioLock locked;
    if (frames == 0 || !buffer_->lock(static_cast<uint32_t>(at % ringFrames_) * blockAlign_,
                                      static_cast<uint32_t>(frames) * blockAlign_, locked))
        return;
    std::memcpy(locked.first, samples, locked.firstBytes);
    if (locked.second != nullptr)
        std::memcpy(locked.second, reinterpret_cast<const uint8_t*>(samples) + locked.firstBytes, locked.secondBytes);
    buffer_->unlock(locked);
}

void CMovieSound::silence(int64_t from, int64_t to)
{
    const int64_t frames = std::min(to - from, ringFrames_);
    platform::AudioLock locked;
    if (frames <= 0 || !buffer_->lock(static_cast<uint32_t>(from % ringFrames_) * blockAlign_,
                                      static_cast<uint32_t>(frames) * blockAlign_, locked))
        return;
    std::memset(locked.first, 0, locked.firstBytes);
    if (locked.second != nullptr)
        std::memset(locked.second, 0, locked.secondBytes);
    buffer_->unlock(locked);
}
