#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <vector>

// The converted pictures a movie's decoder thread hands to the main thread: a few buffers of one
// picture each, queued in the decoder's order with the time each one shows at, then the time the
// movie ends once the decoder got there. Times are those of the movie's clock.
//
// It also paces the decoder: the thread waits here when it has nothing to do, and wakes when a
// buffer is given back, when it is kicked, or after a while to look after the sound.
class CMovieFrameQueue {
public:
    static constexpr int BUFFERS = 4;

    // Buffers of that many bytes each.
    explicit CMovieFrameQueue(size_t bufferBytes);

    // Every buffer free and no end; the decoder must not be running.
    void clear();

    // ---- the decoder's side -------------------------------------------------------------------
    // A buffer to convert the next picture into. When all are queued and the two oldest are both
    // due by now, the oldest is given up for it (the main thread would pass over it anyway). Null
    // when there is none.
    uint8_t* freeBuffer(int64_t nowUs);
    void push(uint8_t* buffer, int64_t timeUs);
    void pushEnd(int64_t timeUs);
    // A pass of the decoder begins; the number to wait with.
    uint64_t beginPass();
    // The decoder found nothing to do in its pass: it waits up to ms milliseconds of real time,
    // or until a buffer comes back or it is kicked.
    void waitForWork(uint64_t pass, uint32_t ms);
    void decoderStarted();
    void decoderEnded();

    // ---- the main thread's side ---------------------------------------------------------------
    // The newest queued picture due by now is shown (`show` gets its pixels, under the queue's
    // lock) and it and the older ones are given back; false when none is due.
    bool takeDue(int64_t nowUs, const std::function<void(const uint8_t*)>& show);
    // Every picture was taken and the end is due.
    bool endDue(int64_t nowUs);
    // Wakes the decoder for another pass.
    void kick();
    // Kicks the decoder and waits until it has done a whole pass and found nothing more to do
    // before time moves on (or it ended): tests and benchmarks step with it.
    void settle();

private:
    struct Queued {
        int buffer;
        int64_t timeUs;
    };

    int bufferIndexOf(const uint8_t* pixels) const;
    void kickLocked();

    std::mutex mutex_;
    std::condition_variable wakeDecoder_;
    std::condition_variable decoderIdle_;
    std::vector<std::vector<uint8_t>> buffers_;
    std::vector<bool> free_;
    std::deque<Queued> queued_;
    bool ended_ = false;
    int64_t endUs_ = 0;
    uint64_t kicks_ = 0;
    uint64_t idlePass_ = ~uint64_t{0};
    bool decoderRunning_ = false;
};
