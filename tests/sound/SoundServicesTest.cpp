#include "SoundWindowFixture.h"

#include "foundation/CMElement.h"
#include "foundation/CXRandom.h"
#include "graphics/CPlayableObserver.h"
#include "sound/CMusicLoopLink.h"
#include "sound/CRandomSound.h"

#include <thread>

namespace {

using namespace soundtest;

// Raises nothing: counts the loops the window's turn hands to the scripts.
struct SceneLoops : CMusicLoopLink {
    SceneLoops() { install(this); }
    ~SceneLoops() override { install(nullptr); }
    void onMusicLooped() override { ++loops; }
    int loops = 0;
};

struct Ends : CPlayableObserver {
    bool onPlayableFinished(CPlayable*) override
    {
        ++count;
        return false;
    }
    int count = 0;
};

class SoundServicesTest : public SoundWindowFixture {
protected:
    std::string effect(const std::string& name, const std::vector<int16_t>& values)
    {
        return put("Wavs/" + name, wave({.data = samples(values)}));
    }
};

TEST_F(SoundServicesTest, TheWindowOpensTheDeviceAndReleasesItWhenItGoes)
{
    EXPECT_TRUE(audio_.isOpen());
    window_.reset();
    EXPECT_FALSE(audio_.isOpen());
}

TEST_F(SoundServicesTest, MusicStartsThroughTheWindowLoopsIntoTheSceneAndIsNotRestartedWhenAlreadyPlaying)
{
    SceneLoops scene;
    const std::vector<int16_t> data = ramp(4000);
    put("Music.wav", wave({.data = samples(data)}));
    window_->StartMusic("Music.wav", true);
    EXPECT_TRUE(window_->isMusicPlaying());
    std::vector<int16_t> out = turns(1000);
    window_->StartMusic("MUSIC.WAV", true);
    const std::vector<int16_t> more = turns(1000);
    out.insert(out.end(), more.begin(), more.end());
    EXPECT_EQ(out, repeated(data, out.size())) << "one piece, without a restart";
    EXPECT_EQ(scene.loops, 6) << "passes begun within 3.2 s of half-second data";
    window_->StopMusic();
    EXPECT_FALSE(window_->isMusicPlaying());
    EXPECT_EQ(turns(100), std::vector<int16_t>(800, 0));
}

TEST_F(SoundServicesTest, AFrameSoundListIsARandomSetWhoseNamesAreEachTakenIntoTheEffectsFolderOnce)
{
    effect("a.wav", std::vector<int16_t>(80, 100));
    effect("b.wav", std::vector<int16_t>(80, 200));
    std::unique_ptr<CPlayable> made(CFrameSoundFactory::sound(window_.get(), "a.wav;b.wav;T:\\Wavs\\a.wav"));
    auto* set = dynamic_cast<CRandomSound*>(made.get());
    ASSERT_NE(set, nullptr);
    ASSERT_EQ(set->getCount(), 3);
    EXPECT_STREQ(set->getSound(0)->getFileName().c_str(), "T:\\Wavs\\a.wav");
    EXPECT_STREQ(set->getSound(1)->getFileName().c_str(), "T:\\Wavs\\b.wav");
    EXPECT_STREQ(set->getSound(2)->getFileName().c_str(), "T:\\Wavs\\a.wav");
    EXPECT_TRUE(set->getSound(1)->isLoaded()) << "frame sounds load at once";

    std::unique_ptr<CPlayable> single(CFrameSoundFactory::sound(window_.get(), "b.wav"));
    EXPECT_STREQ(single->getFileName().c_str(), "T:\\Wavs\\b.wav");
    EXPECT_EQ(single->getType(), CSound4::TYPE);
}

TEST_F(SoundServicesTest, ARandomSetPlaysOneOfItsSoundsPerPlayAndPassesVolumeToAll)
{
    effect("a.wav", std::vector<int16_t>(80, 1000));
    effect("b.wav", std::vector<int16_t>(80, 2000));
    CRandomSound set(window_.get(), "a.wav;b.wav", false, false);
    Ends ends;
    set.addNotifier(&ends);
    set.setVolume(-600);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(set.getSound(i)->getVolume(), -600);
    set.setVolume(0);
    CXRandom::seed(7);
    std::vector<int> picked;
    for (int round = 0; round < 8; ++round) {
        set.play();
        EXPECT_TRUE(set.isPlaying());
        const int16_t first = turns(20)[0];
        ASSERT_TRUE(first == 1000 || first == 2000) << first;
        picked.push_back(first);
        EXPECT_EQ(set.getCurrent()->getFileName().c_str()[8], first == 1000 ? 'a' : 'b');
    }
    EXPECT_NE(std::count(picked.begin(), picked.end(), 1000), 0);
    EXPECT_NE(std::count(picked.begin(), picked.end(), 2000), 0);
    EXPECT_EQ(ends.count, 0) << "the set itself reports nothing";
    EXPECT_EQ(set.getStatus(), 0);

    CRandomSound one(window_.get(), "a.wav", false, true);
    one.play();
    EXPECT_EQ(turns(10)[0], 1000);
    CRandomSound none(window_.get(), "", false, true);
    none.play();
    none.Stop();
    EXPECT_FALSE(none.isPlaying());
    EXPECT_EQ(none.getCurrent(), nullptr);
}

TEST_F(SoundServicesTest, AStreamedFrameSoundWaitsForItsPlayAndEndsWithItsData)
{
    const std::vector<int16_t> data = ramp(2000);
    effect("long.wav", data);
    std::unique_ptr<CPlayable> stream(CFrameSoundFactory::stream(window_.get(), "long.wav"));
    ASSERT_NE(stream, nullptr);
    EXPECT_FALSE(stream->isPlaying());
    EXPECT_EQ(turns(50), std::vector<int16_t>(400, 0));
    stream->play();
    EXPECT_TRUE(stream->isPlaying());
    std::vector<int16_t> out = turns(400);
    EXPECT_FALSE(stream->isPlaying());
    std::vector<int16_t> expected = data;
    expected.resize(out.size(), 0);
    EXPECT_EQ(out, expected);
}

TEST_F(SoundServicesTest, ADefinitionElementNamesItsFileInTheEffectsFolderAndItsFlags)
{
    effect("door.wav", ramp(80));
    CMElement element("DOOR");
    element.addProperty("FILENAME", "door.wav");
    element.addProperty("PRELOAD", "TRUE");
    element.addProperty("LOOP", "TRUE");
    element.addProperty("FLUSHAFTERPLAYED", "TRUE");
    CSound4 sound(window_.get(), &element);
    EXPECT_STREQ(sound.getFileName().c_str(), "T:\\Wavs\\door.wav");
    EXPECT_TRUE(sound.isLoaded());
    EXPECT_TRUE(sound.getLoop());
    EXPECT_EQ(sound.getType(), 0);
    EXPECT_EQ(manager_.getCount(), 0) << "this form joins no manager";
    sound.play();
    turns(30);
    EXPECT_TRUE(sound.isLoaded()) << "its end is never reported, so it is not flushed either";
}

} // namespace
