// Movies on the manual clock over a scripted video, so their decoder thread, frame queue, clock and
// sound ring run without any codec: pictures at their times, the end reported once, loops, pause,
// inactivity, seeks, the sound in the mixer's output, and movies without a file.
#include "MovieFixture.h"

#include "graphics/CPlayableObserver.h"
#include "graphics/CRefreshScreen.h"
#include "platform/NullVideoDecoder.h"

#include <vector>

using namespace soundtest;

namespace {

class Recorder : public CPlayableObserver {
public:
    bool onPlayableStarted(CPlayable*) override { return note("S"); }
    bool onPlayableTick(CPlayable*) override { return note("t"); }
    bool onPlayableFinished(CPlayable*) override { return note("F"); }
    std::string take() { return std::exchange(log_, ""); }

private:
    bool note(const char* what)
    {
        log_ += what;
        return false;
    }
    std::string log_;
};

// After `ms` more milliseconds: the picture shown and what the observers heard meanwhile.
struct Step {
    uint32_t ms;
    int shown;
    const char* heard;
};

class Movie : public MovieFixture {
protected:
    std::unique_ptr<CMovie> playing(VideoLayout layout)
    {
        scripted.layout = std::move(layout);
        std::unique_ptr<CMovie> made = movie(video());
        made->addNotifier(&recorder);
        made->play();
        EXPECT_EQ(recorder.take(), "S");
        return made;
    }
    void walk(CMovie& made, const std::vector<Step>& steps)
    {
        uint32_t at = 0;
        for (const Step& s : steps) {
            at += s.ms;
            SCOPED_TRACE("at " + std::to_string(at) + " ms");
            step(made, s.ms);
            EXPECT_EQ(shown(made), s.shown);
            EXPECT_EQ(recorder.take(), s.heard);
        }
    }
    // What the mixer played since the last call.
    std::vector<int16_t> played()
    {
        audio_.mixUntilNow();
        return audio_.takeCapture();
    }
    // The track from sample `first` on, `count` samples.
    static std::vector<int16_t> track(int64_t first, size_t count)
    {
        std::vector<int16_t> samples(count);
        for (size_t i = 0; i < count; ++i)
            samples[i] = soundSample(first + int64_t(i));
        return samples;
    }

    Recorder recorder;
};

TEST_F(Movie, PicturesShowAtTheirTimesAndTheEndIsReportedOnce)
{
    std::unique_ptr<CMovie> made = playing(regularLayout(5, 40));
    EXPECT_TRUE(made->isPlaying());
    walk(*made, {{0, 0, "t"}, {39, 0, ""}, {1, 1, "t"}, {40, 2, "t"}, {79, 3, "t"}, {1, 4, "t"}, {39, 4, ""}, {1, 4, "F"},
                 {500, 4, ""}});
    EXPECT_FALSE(made->isPlaying());
    // A late turn shows the newest picture due, once.
    made->play();
    walk(*made, {{100, 2, "St"}, {100, 4, "tF"}});
}

TEST_F(Movie, LoopRangesJumpBackAndTheWholeVideoLoopsFromItsStart)
{
    struct Case {
        const char* what;
        int64_t from, to;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {"a range", 80, 160, {{0, 0, "t"}, {80, 2, "t"}, {40, 3, "t"}, {40, 2, "t"}, {40, 3, "t"}, {40, 2, "t"}}},
        // A turn long after the last shows the picture due then, a lap on.
        {"the whole video", 0, -1, {{0, 0, "t"}, {160, 4, "t"}, {40, 0, "t"}, {40, 1, "t"}, {200, 1, "t"}, {40, 2, "t"}}},
        {"a range beyond the end", 80, 400, {{0, 0, "t"}, {200, 4, "tF"}}},
        {"an end before the start", 120, 80, {{0, 0, "t"}, {200, 4, "tF"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        scripted.layout = regularLayout(5, 40);
        std::unique_ptr<CMovie> made = movie(video());
        made->addNotifier(&recorder);
        made->setRange(c.from, c.to);
        made->play();
        recorder.take();
        walk(*made, c.steps);
    }
}

TEST_F(Movie, PauseHoldsThePictureAndInactivityHoldsItWhileTimeGoesOn)
{
    std::unique_ptr<CMovie> made = playing(regularLayout(20, 40));
    walk(*made, {{0, 0, "t"}, {40, 1, "t"}});
    made->pause();
    EXPECT_FALSE(made->isPlaying());
    walk(*made, {{200, 1, ""}});
    made->resume();
    EXPECT_TRUE(made->isPlaying());
    walk(*made, {{39, 1, ""}, {1, 2, "t"}});
    window_->OnActivateApp(false);
    walk(*made, {{200, 2, ""}});
    window_->OnActivateApp(true);
    walk(*made, {{0, 7, "t"}, {40, 8, "t"}});
}

TEST_F(Movie, SeeksLandOnThePictureOfTheirTime)
{
    std::unique_ptr<CMovie> made = playing(regularLayout(50, 40));
    walk(*made, {{0, 0, "t"}});
    // 1.5 s falls inside picture 37 (1480 to 1520 ms).
    made->seekTime(15000000);
    walk(*made, {{0, 37, "t"}, {19, 37, ""}, {1, 38, "t"}});
    made->pause();
    made->seekTime(4000000);
    walk(*made, {{0, 10, "t"}, {100, 10, ""}});
    made->resume();
    made->seekTime(-5);
    walk(*made, {{0, 0, "t"}});
    // Past the end the video is over at once.
    made->seekTime(30000000);
    walk(*made, {{0, 0, "F"}});
    EXPECT_GE(scripted.seeks, 3);
}

TEST_F(Movie, TheMixerPlaysTheTrackWithThePictures)
{
    std::unique_ptr<CMovie> made = playing(regularLayout(10, 40, kRate));
    for (int i = 0; i < 30; ++i)
        step(*made, 10);
    EXPECT_EQ(played(), track(0, 2400));
    // Sought to 200 ms, the track goes on from there.
    made->seekTime(2000000);
    for (int i = 0; i < 10; ++i)
        step(*made, 10);
    EXPECT_EQ(played(), track(1600, 800));
    // Paused, nothing plays; resumed, it goes on where it was.
    made->pause();
    step(*made, 100);
    EXPECT_EQ(played(), std::vector<int16_t>(800, 0));
    made->resume();
    step(*made, 50);
    EXPECT_EQ(played(), track(2400, 400));
}

TEST_F(Movie, TheWholeVideoLoopsWithItsSound)
{
    scripted.layout = regularLayout(5, 40, kRate);
    std::unique_ptr<CMovie> made = movie(video());
    made->setRange(0, -1);
    made->play();
    for (int i = 0; i < 50; ++i)
        step(*made, 10);
    std::vector<int16_t> expected = track(0, 1600);
    for (size_t pass : {1600, 800}) {
        const std::vector<int16_t> again = track(0, pass);
        expected.insert(expected.end(), again.begin(), again.end());
    }
    EXPECT_EQ(played(), expected);
}

TEST_F(Movie, WithoutAVideoLoadFailsAndPlayEndsAtOnce)
{
    platform::NullVideoDecoder none;
    struct Case {
        const char* what;
        std::string path;
        bool noCodecs;
        int error;
    };
    const Case cases[] = {
        {"no file name", "", false, CMovie::ERROR_NOT_FOUND},
        {"a file that is not there", "T:\\missing.avi", false, CMovie::ERROR_NOT_FOUND},
        {"a file no decoder takes", video(), true, CMovie::ERROR_NOT_PLAYABLE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        platform::setVideoDecoder(c.noCodecs ? static_cast<platform::VideoDecoder*>(&none) : &scripted);
        CMovie made(window_.get());
        made.addNotifier(&recorder);
        EXPECT_FALSE(made.load(c.path.c_str()));
        EXPECT_EQ(made.LastError(), c.error);
        made.play();
        EXPECT_EQ(recorder.take(), "F");
        EXPECT_FALSE(made.isPlaying());
        step(made, 100);
        EXPECT_EQ(recorder.take(), "");
    }
    CMovie empty(window_.get());
    empty.addNotifier(&recorder);
    empty.play();
    EXPECT_EQ(recorder.take(), "F");
}

TEST_F(Movie, ItsSurfaceHasTheVideosSizeAndIsDrawnWhereItStands)
{
    scripted.layout = regularLayout(5, 40);
    scripted.layout.width = 30;
    scripted.layout.height = 20;
    std::unique_ptr<CMovie> made = movie(video());
    EXPECT_EQ(made->Width(), 30);
    EXPECT_EQ(made->Height(), 20);
    made->SetPosition(100, 50);
    window_->GetRefreshScreenInterface()->put(made.get(), 0);
    made->play();
    step(*made, 40);
    step(*made, 0);
    const platform::DisplaySurface* screen = display_.primary();
    const auto at = [&](int x, int y) {
        return reinterpret_cast<const uint16_t*>(screen->pixels() + size_t(y) * size_t(screen->pitchBytes()))[x];
    };
    EXPECT_EQ(at(100, 50), 2);
    EXPECT_EQ(at(129, 69), 2);
    EXPECT_NE(at(130, 69), 2);
    EXPECT_NE(at(99, 50), 2);
}

TEST_F(Movie, StopEndsTheThreadAndReportsTheEndOnlyWhenAsked)
{
    std::unique_ptr<CMovie> made = playing(regularLayout(50, 40, kRate));
    walk(*made, {{40, 1, "t"}});
    made->stop(false);
    walk(*made, {{200, 1, ""}});
    EXPECT_FALSE(made->isPlaying());
    made->play();
    made->stop(true);
    EXPECT_EQ(recorder.take(), "SF");
    played();
    step(*made, 100);
    EXPECT_EQ(played(), std::vector<int16_t>(800, 0));
}

// The number a real video's picture shows along its top (see AviBytes.h).
int numberShown(CMovie& made)
{
    int number = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if ((MovieFixture::pixel(made, bit * 8 + 4, 4) >> 5 & 63) > 32)
            number |= 1 << bit;
    }
    return number;
}

TEST_F(Movie, AVideoFilePlaysItsPicturesAndSoundThroughTheBuiltInDecoder)
{
    if (!platform::videoCodecsBuilt())
        GTEST_SKIP() << "built without FFmpeg";
    useBuiltInDecoder();
    std::unique_ptr<CMovie> made = movie(video(aviBytes({.frames = 50, .jpeg = true, .soundRate = kRate})));
    ASSERT_TRUE(made->hasStream());
    EXPECT_EQ(made->Width(), 64);
    made->play();
    for (int ms = 0; ms <= 300; ms += 10) {
        SCOPED_TRACE(ms);
        step(*made, ms == 0 ? 0 : 10);
        EXPECT_EQ(numberShown(*made), ms / 40);
    }
    EXPECT_EQ(played(), track(0, 2400));
    made->seekTime(15000000);
    step(*made, 0);
    EXPECT_EQ(numberShown(*made), 37);
    for (int i = 0; i < 10; ++i)
        step(*made, 10);
    EXPECT_EQ(numberShown(*made), 40);
    EXPECT_EQ(played(), track(12000, 800));
}

} // namespace
