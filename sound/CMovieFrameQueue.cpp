#include "sound/CMovieFrameQueue.h"

#include <chrono>

CMovieFrameQueue::CMovieFrameQueue(size_t bufferBytes)
    : buffers_(BUFFERS, std::vector<uint8_t>(bufferBytes)), free_(BUFFERS, true)
{
}

void CMovieFrameQueue::clear()
{
    std::lock_guard lock(mutex_);
    queued_.clear();
    free_.assign(BUFFERS, true);
    ended_ = false;
}

int CMovieFrameQueue::bufferIndexOf(const uint8_t* pixels) const
{
    for (int i = 0; i < BUFFERS; ++i) {
        if (buffers_[size_t(i)].data() == pixels)
            return i;
    }
    return -1;
}

uint8_t* CMovieFrameQueue::freeBuffer(int64_t nowUs)
{
    std::lock_guard lock(mutex_);
    for (int i = 0; i < BUFFERS; ++i) {
        if (free_[size_t(i)]) {
            free_[size_t(i)] = false;
            return buffers_[size_t(i)].data();
        }
    }
    if (queued_.size() < 2 || queued_[1].timeUs > nowUs)
        return nullptr;
    const int oldest = queued_.front().buffer;
    queued_.pop_front();
    return buffers_[size_t(oldest)].data();
}

void CMovieFrameQueue::push(uint8_t* buffer, int64_t timeUs)
{
    std::lock_guard lock(mutex_);
    const int index = bufferIndexOf(buffer);
    if (index >= 0)
        queued_.push_back(Queued{index, timeUs});
}

void CMovieFrameQueue::pushEnd(int64_t timeUs)
{
    std::lock_guard lock(mutex_);
    ended_ = true;
    endUs_ = timeUs;
}

uint64_t CMovieFrameQueue::beginPass()
{
    std::lock_guard lock(mutex_);
    return kicks_;
}

void CMovieFrameQueue::waitForWork(uint64_t pass, uint32_t ms)
{
    std::unique_lock lock(mutex_);
    if (kicks_ != pass)
        return;
    idlePass_ = pass;
    decoderIdle_.notify_all();
    wakeDecoder_.wait_for(lock, std::chrono::milliseconds(ms), [&] { return kicks_ != pass; });
}

void CMovieFrameQueue::decoderStarted()
{
    std::lock_guard lock(mutex_);
    decoderRunning_ = true;
    idlePass_ = ~uint64_t{0};
}

void CMovieFrameQueue::decoderEnded()
{
    std::lock_guard lock(mutex_);
    decoderRunning_ = false;
    decoderIdle_.notify_all();
}

bool CMovieFrameQueue::takeDue(int64_t nowUs, const std::function<void(const uint8_t*)>& show)
{
    std::lock_guard lock(mutex_);
    size_t due = 0;
    while (due < queued_.size() && queued_[due].timeUs <= nowUs)
        ++due;
    if (due == 0)
        return false;
    show(buffers_[size_t(queued_[due - 1].buffer)].data());
    for (size_t i = 0; i < due; ++i) {
        free_[size_t(queued_.front().buffer)] = true;
        queued_.pop_front();
    }
    kickLocked();
    return true;
}

bool CMovieFrameQueue::endDue(int64_t nowUs)
{
    std::lock_guard lock(mutex_);
    return ended_ && queued_.empty() && endUs_ <= nowUs;
}

void CMovieFrameQueue::kick()
{
    std::lock_guard lock(mutex_);
    kickLocked();
}

void CMovieFrameQueue::kickLocked()
{
    ++kicks_;
    wakeDecoder_.notify_all();
}

void CMovieFrameQueue::settle()
{
    std::unique_lock lock(mutex_);
    kickLocked();
    const uint64_t pass = kicks_;
    decoderIdle_.wait(lock, [&] { return !decoderRunning_ || idlePass_ == pass; });
}
