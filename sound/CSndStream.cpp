#include "sound/CSndStream.h"

#include "platform/AudioBuffer.h"
#include "platform/DebugOutput.h"
#include "platform/TimerService.h"
#include "sound/CMusicLoopLink.h"
#include "sound/CStreamedWAV.h"

#include <algorithm>
#include <cstring>

CSndStream::CSndStream(CWindow* window) : window_(window) {}

CSndStream::CSndStream(CWindow* window, const CXString& path) : window_(window)
{
    Open(path);
}

CSndStream::~CSndStream()
{
    stopTimer();
    Close();
}

bool CSndStream::Open(const CXString& path)
{
    Close();
    reader_ = std::make_unique<CStreamedWAV>(window_, path, &format_);
    buffer_ = nullptr;
    if (reader_->LastError() != 0) {
        setErrorCode(reader_->LastError());
        reader_.reset();
        return false;
    }
    buffer_ = reader_->getBuffer();
    bufferSize_ = reader_->getBufferSize();
    foundEnd_ = false;
    donePlaying_ = false;
    bytesRemaining_ = 0;
    if (buffer_ != nullptr)
        initialFill();
    opened_ = true;
    return true;
}

void CSndStream::Play(bool loop)
{
    if (buffer_ == nullptr)
        return;
    stopTimer();
    looped_ = loop;
    if (shortFill_)
        continueShortFill();
    buffer_->setPosition(0);
    playing_ = true;
    timerId_ = platform::timers().add(REFILL_MS, [this] { refill(); });
    buffer_->play(true);
}

void CSndStream::Pause()
{
    if (buffer_ == nullptr)
        return;
    donePlaying_ = true;
    stopTimer();
    stopBuffer();
}

void CSndStream::Stop()
{
    Pause();
}

void CSndStream::Resume(bool loop)
{
    if (buffer_ == nullptr)
        return;
    stopTimer();
    const int position = reader_->getPosition();
    foundEnd_ = false;
    donePlaying_ = false;
    bytesRemaining_ = 0;
    reader_->setPosition(position > 2 * bufferSize_ ? position - 2 * bufferSize_ : 0);
    initialFill();
    Play(loop);
}

void CSndStream::Close()
{
    if (buffer_ == nullptr || !opened_)
        return;
    donePlaying_ = true;
    stopTimer();
    stopBuffer();
    reader_.reset();
    buffer_ = nullptr;
    opened_ = false;
}

bool CSndStream::IsPlaying() const
{
    return playing_ && !donePlaying_;
}

void CSndStream::setVolume(int volume)
{
    if (buffer_)
        buffer_->setVolume(volume);
}

void CSndStream::setPan(int pan)
{
    if (buffer_)
        buffer_->setPan(pan);
}

void CSndStream::setFreq(int frequency)
{
    if (buffer_ && frequency >= 0)
        buffer_->setFrequency(static_cast<uint32_t>(frequency));
}

int CSndStream::getVolume() const
{
    return buffer_ ? buffer_->volume() : 0;
}

void CSndStream::stopTimer()
{
    if (timerId_ == 0)
        return;
    platform::timers().remove(timerId_);
    timerId_ = 0;
}

void CSndStream::stopBuffer()
{
    if (!playing_)
        return;
    playing_ = false;
    buffer_->stop();
}

void CSndStream::fillSilence(uint8_t* piece, uint32_t bytes) const
{
    std::memset(piece, format_.bitsPerSample == 8 ? 0x80 : 0, bytes);
}

void CSndStream::initialFill()
{
    platform::AudioLock locked;
    if (!buffer_->lock(0, static_cast<uint32_t>(bufferSize_), locked))
        return;
    fillSilence(locked.first, locked.firstBytes);
    shortFillBytes_ = reader_->Read(bufferSize_, locked.first);
    shortFill_ = shortFillBytes_ < bufferSize_;
    buffer_->unlock(locked);
    nextWriteOffset_ = 0;
}

void CSndStream::continueShortFill()
{
    shortFill_ = false;
    if (!looped_) {
        foundEnd_ = true;
        bytesRemaining_ = shortFillBytes_;
        return;
    }
    platform::AudioLock locked;
    const uint32_t rest = static_cast<uint32_t>(bufferSize_ - shortFillBytes_);
    if (!buffer_->lock(static_cast<uint32_t>(shortFillBytes_), rest, locked))
        return;
    fillPiece(locked.first, locked.firstBytes);
    buffer_->unlock(locked);
}

void CSndStream::refill()
{
    const int cursor = static_cast<int>(buffer_->playCursor());
    if (cursor == nextWriteOffset_)
        return;
    const int distance = cursor - nextWriteOffset_ + (cursor < nextWriteOffset_ ? bufferSize_ : 0);
    platform::AudioLock locked;
    if (!buffer_->lock(static_cast<uint32_t>(nextWriteOffset_), static_cast<uint32_t>(distance), locked)) {
        platform::debugOutput().write("TimeFunc() could not lock DirectSoundBuffer\n");
        return;
    }
    if (foundEnd_ || donePlaying_) {
        // Silence behind the cursor; after the end, until the data still queued ahead has played.
        fillSilence(locked.first, locked.firstBytes);
        if (locked.second)
            fillSilence(locked.second, locked.secondBytes);
        bytesRemaining_ = std::max(0, bytesRemaining_ - distance);
        if (foundEnd_ && bytesRemaining_ == 0)
            donePlaying_ = true;
    } else {
        uint32_t data = fillPiece(locked.first, locked.firstBytes);
        if (locked.second)
            data += fillPiece(locked.second, locked.secondBytes);
        if (foundEnd_)
            bytesRemaining_ = bufferSize_ - distance + static_cast<int>(data);
    }
    buffer_->unlock(locked);
    nextWriteOffset_ = (nextWriteOffset_ + distance) % bufferSize_;
}

uint32_t CSndStream::fillPiece(uint8_t* piece, uint32_t bytes)
{
    uint32_t filled = static_cast<uint32_t>(reader_->Read(static_cast<int>(bytes), piece));
    while (filled < bytes && looped_) {
        reader_->StartRead();
        const int more = reader_->Read(static_cast<int>(bytes - filled), piece + filled);
        if (more <= 0)
            break; // no data at all: silence, never a spin
        filled += static_cast<uint32_t>(more);
        CMusicLoopLink::post();
    }
    if (filled < bytes) {
        fillSilence(piece + filled, bytes - filled);
        foundEnd_ = !looped_;
    }
    return filled;
}
