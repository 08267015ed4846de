#include "SequenceFixture.h"

#include "sound/CSpeakingAnimation.h"

namespace {

using namespace soundtest;

const std::vector<std::string> kEvents = {"P_START", "P_1", "P_2", "P_END", "Q_1", "1", "2"};
constexpr int kSpeechMs = 450;

class CSpeakingAnimationTest : public SequenceFixture {
protected:
    void SetUp() override
    {
        SequenceFixture::SetUp();
        talk_ = writeAnimation("talk.ann", kEvents);
        mute_ = writeAnimation("mute.ann", {});
        speech_ = writeSpeech("speech.wav", kSpeechMs);
    }
    std::unique_ptr<CSpeakingAnimation> talker(const std::string& animation, const std::string& speech,
                                               const char* prefix, bool starting, bool ending)
    {
        auto made = std::make_unique<CSpeakingAnimation>(window_.get(), resources_.get());
        made->setPrefix(prefix);
        made->setStarting(starting);
        made->setEnding(ending);
        made->setAnimation(animation.c_str());
        made->apply(speech.c_str());
        return made;
    }
    // Every entry of the log, a run of events of the talking set written once as "talk".
    static std::string collapsed(const PlayLog& log, const std::set<std::string>& talking)
    {
        std::string out;
        std::string last;
        for (const std::string& entry : log.entries) {
            const std::string shown = talking.count(entry) != 0 ? "talk" : entry;
            if (shown == "talk" && last == "talk")
                continue;
            out += (out.empty() ? "" : " ") + shown;
            last = shown;
        }
        return out;
    }

    std::string talk_;
    std::string mute_;
    std::string speech_;
};

TEST_F(CSpeakingAnimationTest, TalksWhileTheSpeechPlaysBetweenItsOpeningAndClosingEvents)
{
    struct Case {
        const char* prefix;
        bool starting;
        bool ending;
        bool speech;
        bool mute;
        std::set<std::string> talking;
        std::string expected;
    };
    const Case cases[] = {
        {"P", true, true, true, false, {"P_1", "P_2"}, "start P_START talk P_END finish"},
        {"P", true, false, true, false, {"P_1", "P_2"}, "start P_START talk finish"},
        {"P", false, true, true, false, {"P_1", "P_2"}, "start talk P_END finish"},
        {"P", false, false, true, false, {"P_1", "P_2"}, "start talk finish"},
        // Neither START nor END nor STOP is in the animation: only the digit events talk.
        {"", true, true, true, false, {"1", "2"}, "start talk finish"},
        {"Q", true, true, true, false, {"Q_1"}, "start talk finish"},
        // A speech that cannot play: the end comes before any talking.
        {"P", true, true, false, false, {"P_1", "P_2"}, "start P_START finish"},
        {"P", false, true, false, false, {"P_1", "P_2"}, "start finish"},
        // Nothing to show: the speech alone, and its end.
        {"P", true, true, true, true, {}, "start finish"},
    };
    for (const Case& c : cases) {
        const std::string label = std::string("prefix '") + c.prefix + "' starting " + std::to_string(c.starting) +
            " ending " + std::to_string(c.ending) + (c.speech ? "" : " no speech") + (c.mute ? " mute" : "");
        auto speaking = talker(c.mute ? mute_ : talk_, c.speech ? speech_ : GameFolder::gamePath("missing.wav"),
                               c.prefix, c.starting, c.ending);
        PlayLog log;
        speaking->addNotifier(&log);
        speaking->getAnimation()->addNotifier(&log);
        speaking->play();
        const int ms = turnsUntilFinished(log, 3000);
        turns(500);

        EXPECT_EQ(collapsed(log, c.talking), c.expected) << label;
        EXPECT_EQ(log.finishes, 1) << label;
        EXPECT_EQ(ms >= kSpeechMs, c.speech) << label << ": finished after " << ms << " ms";
        std::set<std::string> shown(log.entries.begin(), log.entries.end());
        for (int frame : log.frames)
            EXPECT_EQ(shown.count(eventOfFrame(kEvents, frame)), 1u) << label << ": frame " << frame;
        EXPECT_FALSE(speaking->isPlaying()) << label;
        speaking->getAnimation()->removeNotifier(&log);
    }
}

TEST_F(CSpeakingAnimationTest, FileAnimationsAreSharedAndStandAtTheirPriorityExceptThePixelPlaceholder)
{
    auto first = talker(talk_, speech_, "P", false, false);
    auto second = talker(talk_, speech_, "P", false, false);
    EXPECT_EQ(first->getAnimation(), second->getAnimation());
    EXPECT_EQ(first->getSound(), second->getSound());
    EXPECT_EQ(screenPriorityOf(first->getAnimation()), CSpeakingAnimation::PRIORITY);

    for (const char* name : {"PIXEL.ANN", "pixel.ann", "Pixel.Ann"}) {
        auto silent = talker(name, speech_, "P", false, false);
        ASSERT_NE(silent->getAnimation(), nullptr) << name;
        EXPECT_EQ(screenPriorityOf(silent->getAnimation()), -1) << name;
    }
}

TEST_F(CSpeakingAnimationTest, DrivesAnAnimoObjectsAnimationAndSpeaksWithASoundObjectsSound)
{
    TestScene scene;
    CAnimo hero(window_.get(), talk_.c_str());
    CAnimo other(window_.get(), talk_.c_str());
    CSound4 line(window_.get(), speech_.c_str(), false, true);
    PlayLog soundObject;
    line.addNotifier(&soundObject);
    MediaObject* animo = scene.add("HERO", script::TYPE_ANIMO, &hero);
    scene.add("LINE", script::TYPE_SOUND, &line);

    auto speaking = talker("HERO", "LINE", "P", true, true);
    EXPECT_EQ(speaking->getAnimation(), &hero);
    EXPECT_EQ(speaking->getSound(), &line);
    EXPECT_EQ(animo->borrowers, std::vector<CPlayable*>{speaking.get()});
    EXPECT_EQ(screenPriorityOf(&hero), -1) << "an ANIMO's animation is shown by its object";

    PlayLog log;
    speaking->addNotifier(&log);
    hero.addNotifier(&log);
    speaking->play();
    turnsUntilFinished(log, 3000);
    EXPECT_EQ(log.finishes, 1);
    EXPECT_EQ(log.entries.front(), "start");
    EXPECT_EQ(log.entries[1], "P_START");
    EXPECT_EQ(soundObject.entries, (std::vector<std::string>{"start", "finish"})) << "the SOUND object still hears its sound";

    // The object loads another file, then lets its animation go.
    scene.lend(animo, &other);
    EXPECT_EQ(speaking->getAnimation(), &other);
    scene.lend(animo, nullptr);
    EXPECT_EQ(speaking->getAnimation(), nullptr);
    speaking->play();
    EXPECT_FALSE(speaking->isPlaying());

    // Another name ends the loan; so does the end of the speaking animation.
    scene.lend(animo, &hero);
    speaking->setAnimation("HERO");
    speaking->setAnimation(talk_.c_str());
    EXPECT_TRUE(animo->borrowers.empty());
    speaking->setAnimation("HERO");
    speaking.reset();
    EXPECT_TRUE(animo->borrowers.empty());
}

TEST_F(CSpeakingAnimationTest, NothingDanglesWhenItOrItsMediaGoWhileItTalks)
{
    PlayLog log;
    auto speaking = talker(talk_, speech_, "P", true, true);
    speaking->addNotifier(&log);
    speaking->play();
    turns(250);
    speaking.reset();
    turns(800);
    EXPECT_EQ(log.finishes, 0);

    // The manager lets the shared media go under a talking one.
    auto orphaned = talker(talk_, speech_, "P", true, true);
    orphaned->play();
    turns(250);
    resources_->flush();
    turns(100);
    EXPECT_EQ(orphaned->getAnimation(), nullptr);
    orphaned->stop(true);
    orphaned->play();
    turns(100);
    orphaned.reset();

    // Without a manager the media are its own, and go with it.
    CSpeakingAnimation own(window_.get(), nullptr);
    own.setAnimation(talk_.c_str());
    own.apply(speech_.c_str());
    own.play();
    turns(250);
    EXPECT_TRUE(own.isPlaying());
    own.setAnimation(talk_.c_str());
    own.apply(speech_.c_str());
}

} // namespace
