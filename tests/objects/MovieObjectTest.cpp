// MOVIE objects in a live scene over a scripted video (no codec needed): the definition's file,
// priority and position, the signals as the movie plays, every method, and a movie without a
// video.
#include "MediaScene.h"
#include "sound/MovieTurn.h"
#include "sound/ScriptedVideo.h"

#include "graphics/CRefreshScreen.h"
#include "objects/CMC_Movie.h"
#include "platform/NullVideoDecoder.h"
#include "sound/CMovie.h"

using namespace objectstest;

namespace {

class MovieObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        platform::setVideoDecoder(&scripted);
        writeFile(gameFolder + "Dane/MOVIE.AVI", "scripted");
    }
    void TearDown() override
    {
        MediaScene::TearDown();
        platform::setVideoDecoder(nullptr);
    }
    bool startWithMovie(std::initializer_list<std::string> properties)
    {
        std::vector<std::string> all{"FILENAME=MOVIE.AVI", "ONSTARTED=" + logs("started"), "ONFRAMEUPDATED=" + logs("frame"),
                                     "ONFINISHED=" + logs("finished")};
        all.insert(all.end(), properties.begin(), properties.end());
        std::string definition = declared("MV", "MOVIE");
        for (const std::string& property : all)
            definition += "MV:" + property + "\n";
        return startWith(definition);
    }
    CMovie* movie(const std::string& name = "MV")
    {
        auto* owner = dynamic_cast<CMC_Movie*>(object(name));
        return owner != nullptr ? owner->getMovie() : nullptr;
    }
    // A turn `ms` later, once the movie's decoder read as far as it can (see MovieTurn.h).
    void step(uint32_t ms) { soundtest::movieTurn(*movie(), clock, ms, [&] { turn(0); }); }
    // The picture the movie shows (the scripted pixel value less one).
    int shown() { return reinterpret_cast<const uint16_t*>(movie()->GetDataPtr())[0] - 1; }
    // The log after `ms` more, then emptied.
    std::string after(uint32_t ms)
    {
        step(ms);
        std::string text = log();
        clearLog();
        return text;
    }

    soundtest::ScriptedDecoder scripted;
};

TEST_F(MovieObject, TheDefinitionPlacesTheMovieAndItsSignalsFollowItsPlay)
{
    scripted.layout = soundtest::regularLayout(3, 40);
    scripted.layout.width = 30;
    scripted.layout.height = 20;
    ASSERT_TRUE(startWithMovie({"PRIORITY=5", "POSITION=100,50"}));
    CRefreshScreen* screen = window()->GetRefreshScreenInterface();
    EXPECT_EQ(screen->GetPriority(movie()), 5);
    EXPECT_EQ(movie()->GetPosition().x, 100);
    EXPECT_EQ(movie()->GetPosition().y, 50);
    EXPECT_EQ(movie()->Width(), 30);
    run("MV^PLAY()");
    EXPECT_EQ(log(), "started|");
    EXPECT_EQ(run("MV^ISPLAYING()"), "TRUE");
    clearLog();
    EXPECT_EQ(after(0), "frame|");
    EXPECT_EQ(after(40), "frame|");
    EXPECT_EQ(after(0), "");
    // Drawn onto the screen where it stands, the turn after it changed.
    const platform::DisplaySurface* shownOn = display.primary();
    const auto at = [&](int x, int y) {
        return reinterpret_cast<const uint16_t*>(shownOn->pixels() + size_t(y) * size_t(shownOn->pitchBytes()))[x];
    };
    EXPECT_EQ(at(100, 50), 2);
    EXPECT_EQ(at(129, 69), 2);
    EXPECT_EQ(after(40), "frame|");
    EXPECT_EQ(after(40), "finished|");
    EXPECT_EQ(after(100), "");
    EXPECT_EQ(run("MV^ISPLAYING()"), "FALSE");
}

TEST_F(MovieObject, ANegativePriorityKeepsItOffTheScreen)
{
    ASSERT_TRUE(startWithMovie({"PRIORITY=-1"}));
    EXPECT_EQ(window()->GetRefreshScreenInterface()->GetPriority(movie()), -1);
    run("MV^PLAY()");
    step(0);
    step(0);
    EXPECT_EQ(shown(), 0);
    EXPECT_NE(reinterpret_cast<const uint16_t*>(display.primary()->pixels())[0], 1);
}

TEST_F(MovieObject, EveryMethodReachesTheMovie)
{
    scripted.layout = soundtest::regularLayout(50, 40);
    ASSERT_TRUE(startWithMovie({}));
    struct Case {
        const char* what;
        const char* beforePlay;
        std::vector<const char*> lines;
        uint32_t ms;
        int shown;
        const char* log;
        const char* playing;
    };
    const Case cases[] = {
        {"a stop is reported as the end", "", {"MV^STOP()"}, 40, 0, "started|frame|finished|", "FALSE"},
        {"... unless asked not to", "", {"MV^STOP(FALSE)"}, 40, 0, "started|frame|", "FALSE"},
        {"a pause holds the picture", "", {"MV^PAUSE()"}, 200, 0, "started|frame|", "FALSE"},
        {"a resume goes on", "", {"MV^PAUSE()", "MV^RESUME()"}, 40, 1, "started|frame|frame|", "TRUE"},
        {"SEEK takes milliseconds", "", {"MV^SEEK(1500)"}, 0, 37, "started|frame|frame|", "TRUE"},
        // 200 ms on, with 80 to 160 looped, is 120 ms into the video.
        {"SETLOOP takes a range", "MV^SETLOOP(80, 160)", {}, 200, 3, "started|frame|frame|", "TRUE"},
        {"SETLOOP alone loops the whole video", "", {"MV^SETLOOP()", "MV^SEEK(1990)"}, 50, 1, "started|frame|frame|", "TRUE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearLog();
        run(c.beforePlay);
        run("MV^PLAY()");
        step(0);
        for (const char* line : c.lines)
            run(line);
        step(c.ms);
        EXPECT_EQ(shown(), c.shown);
        EXPECT_EQ(log(), c.log);
        EXPECT_EQ(run("MV^ISPLAYING()"), c.playing);
        run("MV^STOP(FALSE)");
        run("MV^SETLOOP(0, 0)");
    }
    run("MV^SETPOSITION(10, 20)");
    EXPECT_EQ(movie()->GetPosition().x, 10);
    EXPECT_EQ(movie()->GetPosition().y, 20);
    EXPECT_EQ(run("MV^LOAD(\"MOVIE.AVI\")"), "TRUE");
}

TEST_F(MovieObject, WithoutAVideoLoadAnswersFalseAndPlayEndsAtOnce)
{
    platform::NullVideoDecoder none;
    platform::setVideoDecoder(&none);
    ASSERT_TRUE(startWithMovie({}));
    EXPECT_EQ(run("MV^LOAD(\"MOVIE.AVI\")"), "FALSE");
    EXPECT_EQ(run("MV^LOAD(\"NOTHERE.AVI\")"), "FALSE");
    run("MV^PLAY()");
    EXPECT_EQ(log(), "finished|");
    EXPECT_EQ(run("MV^ISPLAYING()"), "FALSE");
    run("MV^SEEK(100)");
    run("MV^PAUSE()");
    run("MV^RESUME()");
    turns(3);
    EXPECT_EQ(log(), "finished|");
}

} // namespace
