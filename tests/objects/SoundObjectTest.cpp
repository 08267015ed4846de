// SOUND objects in a live scene: their signals as the sound plays, stops, pauses and resumes; the
// scripts' volume and panning scales; one sound per file shared by a scene's objects and given up
// by its last user; the stored record.
#include "MediaScene.h"
#include "sound/SoundFixture.h"

#include "objects/CMC_Sound.h"
#include "sound/CSceneMediaLink.h"
#include "sound/CSound4.h"

#include <algorithm>
#include <memory>

using namespace objectstest;

namespace {

const std::string kFinished = behaviour("FINISHED", "LOG^ADD(\"finished|\");");

class SoundObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writeSound("BEEP.WAV", 100);
        writeSound("LONG.WAV", 1000);
    }
    // A 16-bit mono sound at the device's rate, rising 1, 2, 3 ... so it comes out as it is.
    void writeSound(const std::string& name, int ms)
    {
        writeFile(gameFolder + "Wavs/" + name, soundtest::wave({.data = soundtest::samples(soundtest::ramp(8 * ms))}));
    }
    CMC_Sound* sound(const std::string& name) { return dynamic_cast<CMC_Sound*>(object(name)); }
    static std::weak_ptr<const void> lifeOf(CSound4* sound) { return sound->lifetime(); }
    static void destroy(CMC_Object* object) { CMC_Object::destroy(object); }
    // Runs the lines, separated by ";", and a turn 16 ms later after each "|".
    void script(const std::string& steps)
    {
        size_t start = 0;
        while (start < steps.size()) {
            size_t end = steps.find(';', start);
            std::string step = steps.substr(start, end == std::string::npos ? std::string::npos : end - start);
            if (step == "|")
                turn();
            else
                run(step);
            start = end == std::string::npos ? steps.size() : end + 1;
        }
    }
};

TEST_F(SoundObject, SignalsFollowPlayingStoppingPausingAndResuming)
{
    ASSERT_TRUE(startWith(declared("SND", "SOUND",
                                   {"FILENAME=LONG.WAV", "ONSTARTED=" + logs("started"), "ONFINISHED=" + logs("finished"),
                                    "ONRESUMED=" + logs("resumed")}) +
                          declared("BEEP", "SOUND", {"FILENAME=BEEP.WAV", "ONFINISHED=" + logs("beep")})));
    struct Case {
        const char* what;
        const char* steps;
        const char* log;
        const char* playing;
    };
    const Case cases[] = {
        {"a play is heard at once", "SND^PLAY()", "started|", "TRUE"},
        {"a stop is reported as the end at the next turn", "SND^PLAY();SND^STOP()", "started|", "FALSE"},
        {"... which comes then", "SND^PLAY();SND^STOP();|", "started|finished|", "FALSE"},
        {"a silent stop is not", "SND^PLAY();SND^STOP(FALSE);|;|", "started|", "FALSE"},
        {"playing on after a pause resumes", "SND^PLAY();SND^PAUSE();|;SND^RESUME()", "started|resumed|", "TRUE"},
        {"a pause is never an end", "SND^PLAY();SND^PAUSE();|;|", "started|", "FALSE"},
        {"resuming what is not paused does nothing", "SND^PLAY();SND^STOP(FALSE);|;SND^RESUME()", "started|", "FALSE"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        script(c.steps);
        EXPECT_EQ(log(), c.log);
        EXPECT_EQ(run("SND^ISPLAYING()"), c.playing);
        script("SND^STOP(FALSE);|");
        clearLog();
    }

    // A sound that runs out is reported in the turn after its end.
    run("BEEP^PLAY()");
    turn(90);
    EXPECT_EQ(log(), "");
    turn(20);
    EXPECT_EQ(log(), "beep|");
}

TEST_F(SoundObject, VolumeAndPanningFollowTheScriptsScalesWithinTheDevicesRange)
{
    ASSERT_TRUE(startWith(declared("SND", "SOUND", {"FILENAME=BEEP.WAV", "PRELOAD=TRUE"})));
    CSound4* played = sound("SND")->getSound();
    struct Case {
        int value;
        int volume;
        int panning;
    };
    const Case cases[] = {
        {800, 0, 800},          {400, -1600, 0},       {26, -3096, -748},   {25, -10000, -750},  {0, -10000, -800},
        {900, 0, 1000},         {1950, 0, 10000},      {-1150, -10000, -10000}, {-1149, -10000, -3098},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        run("SND^SETVOLUME(" + std::to_string(c.value) + ")");
        run("SND^SETPAN(" + std::to_string(c.value) + ")");
        EXPECT_EQ(played->getVolume(), c.volume);
        EXPECT_EQ(played->getPanning(), c.panning);
    }
    run("SND^SETFREQ(11025)");
    EXPECT_EQ(played->getFrequency(), 11025);

    // Above 800 is full volume, which the device takes: the samples come out as they are.
    run("SND^SETFREQ(8000)");
    run("SND^SETPAN(400)");
    run("SND^SETVOLUME(400)");
    run("SND^SETVOLUME(900)");
    audio.startCapture();
    run("SND^PLAY()");
    turn(50);
    audio.mixUntilNow();
    std::vector<int16_t> out = audio.takeCapture();
    out.erase(out.begin(), std::find_if(out.begin(), out.end(), [](int16_t sample) { return sample != 0; }));
    ASSERT_GE(out.size(), 100u);
    out.resize(100);
    EXPECT_EQ(out, soundtest::ramp(100));
}

TEST_F(SoundObject, ObjectsOfOneFileShareOneSoundAndItsSignals)
{
    ASSERT_TRUE(startWith(declared("A", "SOUND", {"FILENAME=beep.wav", "ONSTARTED=" + logs("a"), "ONFINISHED=" + logs("a-end")}) +
                          declared("B", "SOUND", {"FILENAME=BEEP.WAV", "ONSTARTED=" + logs("b"), "ONFINISHED=" + logs("b-end")}) +
                          declared("C", "SOUND", {"FILENAME=LONG.WAV"})));
    CSound4* shared = sound("A")->getSound();
    EXPECT_EQ(sound("B")->getSound(), shared);
    EXPECT_NE(sound("C")->getSound(), shared);
    // Sequences find the sound by its object's name.
    EXPECT_EQ(CSceneMediaLink::installed()->findSound(window(), "B"), shared);
    EXPECT_EQ(CSceneMediaLink::installed()->findSound(window(), "LOG"), nullptr);

    run("A^PLAY()");
    EXPECT_EQ(run("B^ISPLAYING()"), "TRUE");
    run("B^STOP()");
    EXPECT_EQ(run("A^ISPLAYING()"), "FALSE");
    turn();
    EXPECT_EQ(log(), "a|b|a-end|b-end|");
}

TEST_F(SoundObject, TheLastUserOfASharedSoundDeletesItAndNobodyGoneHearsIt)
{
    ASSERT_TRUE(startWith(declared("A", "SOUND", {"FILENAME=BEEP.WAV", "ONSTARTED=" + logs("a")}) +
                          declared("B", "SOUND", {"FILENAME=BEEP.WAV", "ONSTARTED=" + logs("b")}) +
                          declared("C", "SOUND", {"FILENAME=BEEP.WAV", "ONSTARTED=" + logs("c")})));
    std::weak_ptr<const void> life = lifeOf(sound("A")->getSound());
    // Done gives the use back and stops hearing; the deletion after it gives nothing more back.
    sound("A")->done(false);
    destroy(sound("A"));
    // Deleted without done, the object gives its use back then.
    destroy(sound("B"));
    EXPECT_FALSE(life.expired());
    run("C^PLAY()");
    turn(200);
    EXPECT_EQ(log(), "c|");
    destroy(sound("C"));
    EXPECT_TRUE(life.expired());
}

TEST_F(SoundObject, SoundsOutsideScenesAreTheirObjectsOwn)
{
    writeScript("E", declared("OWN", "SOUND", {"FILENAME=BEEP.WAV"}));
    ASSERT_TRUE(startWith(declared("A", "SOUND", {"FILENAME=BEEP.WAV"})));
    ASSERT_NE(sound("OWN"), nullptr);
    EXPECT_NE(sound("OWN")->getSound(), sound("A")->getSound());
    std::weak_ptr<const void> life = lifeOf(sound("OWN")->getSound());
    sound("OWN")->done(false);
    EXPECT_FALSE(life.expired());
    destroy(sound("OWN"));
    EXPECT_TRUE(life.expired());
}

TEST_F(SoundObject, ASoundWhoseObjectEndsInItsOwnSignalIsGivenUpAfterwards)
{
    writeFile("Dane/PART.CNV", declared("SND", "SOUND", {"FILENAME=BEEP.WAV", "ONFINISHED={CNVLOADER^RELEASE(\"PART.CNV\");}"}));
    ASSERT_TRUE(startWith(""));
    run("CNVLOADER^LOAD(\"PART.CNV\")");
    CMC_ObjectRef owner(sound("SND"));
    ASSERT_TRUE(owner.isAlive());
    std::weak_ptr<const void> life = lifeOf(sound("SND")->getSound());
    run("SND^PLAY()");
    turn(200);
    EXPECT_FALSE(owner.isAlive());
    EXPECT_FALSE(life.expired());
    turn(10000);
    EXPECT_TRUE(life.expired());
}

TEST_F(SoundObject, MissingFilesPlayNothingAndLoadTakesANameAsItIs)
{
    ASSERT_TRUE(startWith(declared("SND", "SOUND", {"FILENAME=NONE.WAV", "ONSTARTED=" + logs("started")}) +
                          declared("BARE", "SOUND", {"ONSTARTED=" + logs("bare")})));
    run("SND^PLAY()");
    run("BARE^PLAY()");
    EXPECT_EQ(run("SND^ISPLAYING()"), "FALSE");
    EXPECT_EQ(log(), "");
    // Not looked for in the sound folder.
    EXPECT_EQ(run("SND^LOAD(\"BEEP.WAV\")"), "FALSE");
    EXPECT_EQ(run("SND^LOAD(\"T:\\Wavs\\BEEP.WAV\")"), "TRUE");
    run("SND^PLAY()");
    EXPECT_EQ(log(), "started|");
}

TEST_F(SoundObject, ASoundComesBackFromItsRecordWithItsPath)
{
    ASSERT_TRUE(startWith(declared("SND", "SOUND", {"FILENAME=BEEP.WAV", "PRELOAD=TRUE", "FLUSHAFTERPLAYED=TRUE",
                                                    "ONFINISHED=FINISHED"}) +
                          kFinished));
    std::string path = apptest::text(sound("SND")->getSound()->getFileName());
    EXPECT_TRUE(path.ends_with("Wavs\\BEEP.WAV")) << path;
    std::string bytes = stored(sound("SND"));
    EXPECT_TRUE(bytes.ends_with(soundtest::le32(uint32_t(path.size())) + path + "\x01\x01")) << bytes;

    // Read back in a scene that never had the object, beside another user of the file.
    stop();
    ASSERT_TRUE(startWith(declared("OTHER", "SOUND", {"FILENAME=beep.wav"}) + kFinished));
    auto* copy = dynamic_cast<CMC_Sound*>(restored("SOUND", bytes));
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(apptest::text(copy->getName()), "SND");
    EXPECT_EQ(copy->getSound(), sound("OTHER")->getSound());
    run("SND^PLAY()");
    turn(200);
    EXPECT_EQ(log(), "finished|");
}

} // namespace
