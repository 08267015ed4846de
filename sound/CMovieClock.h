#pragma once

#include <cstdint>
#include <mutex>

// Where a playing movie is in its own time, in microseconds: it runs with the engine clock from
// where it was started or set and holds while paused. Read by the movie's decoder thread too.
class CMovieClock {
public:
    // Running from the time on.
    void start(int64_t timeUs);
    // The time becomes this one; a held clock stays held.
    void set(int64_t timeUs);
    void hold();
    void release();
    int64_t now() const;
    bool isRunning() const;

private:
    int64_t nowLocked() const;

    mutable std::mutex mutex_;
    int64_t originUs_ = 0;
    uint32_t originTick_ = 0;
    bool running_ = false;
};
