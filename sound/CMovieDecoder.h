#pragma once

#include "platform/Thread.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

class CMovieClock;
class CMovieFrameQueue;
class CMovieSound;

namespace platform {
class VideoFile;
struct VideoPiece;
}

// The decoder thread of a movie: reads the video file piece by piece, converts each picture into
// a buffer of the frame queue and writes the sound into the sound ring, both on the movie's time
// line, and marks the end. The time line runs on through loops: a jump back in the file moves
// later pieces on by the time that was played. It is stopped by its flag and joined; while it
// runs, only it touches the file.
class CMovieDecoder {
public:
    // The loop end that loops the whole file.
    static constexpr int64_t WHOLE_FILE = -1;

    CMovieDecoder(platform::VideoFile& file, CMovieFrameQueue& queue, CMovieSound& sound, const CMovieClock& clock,
                  int pitchBytes);
    ~CMovieDecoder();
    CMovieDecoder(const CMovieDecoder&) = delete;
    CMovieDecoder& operator=(const CMovieDecoder&) = delete;

    // Starts the thread reading from the time of the file, which is also that of the time line:
    // pictures that end before it and sound before it are passed over.
    void start(int64_t fromUs);
    void stop();
    // In microseconds of the file: with an end of WHOLE_FILE the file plays again from its start
    // when it ends; with an end after the start, reading jumps back to the start when a picture
    // reaches the end; otherwise the file plays once. Taken at once, also while running.
    void setLoop(int64_t startUs, int64_t endUs);

private:
    void run(platform::Thread& self);
    // One step; false when nothing could be done until time moves on.
    bool step();
    void takePicture(const platform::VideoPiece& piece);
    bool deliverPicture();
    void takeSound(const platform::VideoPiece& piece);
    bool flushSound();
    void reachEnd();
    // Reading goes on from the file time; the time line goes on from where the file reached.
    void jumpTo(int64_t fileUs, int64_t passEndUs);
    bool loopRangeSet(int64_t& startUs, int64_t& endUs) const;

    platform::VideoFile& file_;
    CMovieFrameQueue& queue_;
    CMovieSound& sound_;
    const CMovieClock& clock_;
    const int pitchBytes_;
    const int soundRate_;
    const int soundChannels_;
    std::atomic<int64_t> loopStartUs_{0};
    std::atomic<int64_t> loopEndUs_{0};

    // The thread's own, set before it starts.
    bool fileRead_ = false;
    int64_t offsetUs_ = 0;
    int64_t floorUs_ = 0;
    int64_t pictureEndUs_ = 0;
    int picturesSinceJump_ = 0;
    bool pictureWaiting_ = false;
    int64_t pictureTimeUs_ = 0;
    std::vector<int16_t> soundWaiting_;
    size_t soundTaken_ = 0;
    int64_t soundTimeUs_ = 0;
    bool ended_ = false;

    platform::Thread thread_;
};
