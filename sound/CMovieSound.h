#pragma once

#include "platform/AudioBuffer.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

// The sound track of a movie through the process's audio device: a ring of two seconds that
// plays on by itself while the movie's decoder thread writes each piece of sound where its time
// falls, at most one ring ahead of the play cursor. Where the cursor passed, the ring is silenced,
// so a track that runs dry (or a picture stream the decoder is behind on) leaves silence, never
// an echo of the last lap. Positions follow the ring's own running time, so the sound stays with
// the pictures when it had to wait or skip. Without a sound device, or for a track the mixer does
// not take, everything is silently passed over. Safe from the movie's two threads.
class CMovieSound {
public:
    static constexpr uint32_t RING_MS = 2000;

    explicit CMovieSound(const platform::AudioFormat& format);
    ~CMovieSound();
    CMovieSound(const CMovieSound&) = delete;
    CMovieSound& operator=(const CMovieSound&) = delete;

    bool isAudible() const { return buffer_ != nullptr; }
    // A silent ring whose first frame plays the time; it plays from now unless told to wait.
    void start(int64_t timeUs, bool playing);
    // Holds the ring where it is, and lets it play on.
    void hold();
    void release();
    void stop();
    // Writes the frames (interleaved, of the track's format) that start at the time, as far as
    // the ring reaches; frames the cursor already passed are dropped. The number taken, dropped
    // ones included: fewer than given when the ring is full.
    size_t write(int64_t timeUs, const int16_t* samples, size_t frames);
    // Follows the play cursor and silences what it passed.
    void update();

private:
    void updateLocked();
    // Ring frames [from, to) of the track's time line become silence.
    void silence(int64_t from, int64_t to);
    void copyIn(int64_t at, const int16_t* samples, size_t frames);
    // Milliseconds the ring has played since it started.
    uint32_t runningMs() const;

    std::mutex mutex_;
    std::unique_ptr<platform::AudioBuffer> buffer_;
    uint32_t rate_ = 0;
    uint32_t blockAlign_ = 0;
    int64_t ringFrames_ = 0;
    int64_t originUs_ = 0;
    // Frames of the time line: where the cursor is, how far silenced, where writing went on.
    int64_t playedFrames_ = 0;
    int64_t clearedFrames_ = 0;
    int64_t writtenFrames_ = 0;
    bool started_ = false;
    bool running_ = false;
    uint32_t runStartTick_ = 0;
    uint32_t runMs_ = 0;
};
