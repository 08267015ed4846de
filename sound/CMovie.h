#pragma once

#include "foundation/CTimerNotificator.h"
#include "graphics/CDirectDrawSurface.h"
#include "graphics/CPlayable.h"

#include <cstdint>
#include <memory>

class CFile;
class CMovieClock;
class CMovieDecoder;
class CMovieFrameQueue;
class CMovieSound;

namespace platform {
class VideoFile;
}

// A video file played into an off-screen surface of the video's own size, which the screen draws
// like any picture, with its sound through the mixer. It is a playable: observers hear "started"
// when it plays, "tick" for each new picture shown and "finished" at its end or when stopped.
//
// A decoder thread (CMovieDecoder) reads ahead into a few converted pictures and the sound ring;
// a window timer on the main thread takes, every turn, the newest picture due by the movie's
// clock into the surface, invalidates it and tells the observers, and reports the end. Turns run
// only while the application is active, so no pictures change while it is not; the clock and the
// sound go on, and the picture catches up when the application comes back. Pausing holds the
// clock, the sound and the picture.
//
// Loops: a range in milliseconds of the video; its end -1 loops the whole video (from its start),
// an end after its start jumps back to the start when the video reaches the end, anything else
// plays once. Seeks take 100-nanosecond units.
class CMovie : public CDirectDrawSurface, public CPlayable, public CTimerNotificator {
public:
    // The error codes of a file that was not found, or that holds no video that decodes.
    static constexpr int ERROR_NOT_FOUND = 2000;
    static constexpr int ERROR_NOT_PLAYABLE = 2001;

    // A movie without a file: it plays nothing and ends at once.
    explicit CMovie(CWindow* window);
    CMovie(CWindow* window, const CXString& file);
    ~CMovie() override;

    // Stops, lets the file it had go and opens this one; false (without a file then) when it is
    // not found or holds nothing to show.
    bool openFile(const CXString& file);
    bool load(const CXString& file) { return openFile(file); }
    void releaseStream();
    bool hasStream() const;
    // While it plays or is paused, plays on from the time (100-nanosecond units, below 0 the start):
    // the picture of that time shows at the next turn.
    void seekTime(int64_t time);
    void setRange(int64_t startMs, int64_t endMs);

    using CGraphicsObject::getWindow;
    using CFileResolver::getFileName;
    // The event name means nothing to a movie: it plays from the start.
    void play(const CXString& event) override { play(); }
    // From the start; without a file it reports "finished" at once.
    void play() override;
    // Ends playing; "finished" when asked, also when it did not play.
    void stop(bool notify) override;
    void pause() override;
    void resume() override;
    void seek(int position) override { seekTime(position); }
    bool isVisible() const override { return CGraphicsObject::isVisible(); }
    using CGraphicsObject::setPosition;

    // Draws the part within its clipping rectangle (the whole without one) onto its target.
    void Redraw() override;
    // The main thread's turn: the due picture and the end.
    void onTimer(int id) override;

    // Blocks until the decoder thread has read as far as it can by the clock as it stands (tests
    // and benchmarks step the clock with it; waited for both before and after the clock moves, the
    // turn that follows finds it with nothing to do).
    void waitForDecoder();

private:
    bool attachVideo(std::unique_ptr<CFile> file, std::unique_ptr<platform::VideoFile> video);
    void createVideoSurface(int width, int height);
    // Reading, sound and clock start again from the time.
    void restartAt(int64_t timeUs);
    void showDuePicture();
    void startTimer();
    void stopTimer();

    std::unique_ptr<CFile> file_;
    std::unique_ptr<platform::VideoFile> video_;
    std::unique_ptr<CMovieFrameQueue> queue_;
    std::unique_ptr<CMovieSound> sound_;
    std::unique_ptr<CMovieClock> clock_;
    std::unique_ptr<CMovieDecoder> decoder_;
    int timerId_ = 0;
    int64_t loopStartUs_ = 0;
    int64_t loopEndUs_ = 0;
};
