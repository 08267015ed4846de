#include "SequenceFixture.h"

#include "sound/CAnimoEventPlayable.h"
#include "sound/CMultimediaSequenceCreator.h"
#include "sound/CSequencedPlayable.h"

namespace {

using namespace soundtest;

// "+name" when a playable of the tree starts, "-name" when it finishes, in the order heard.
struct ElementLog : CPlayableObserver {
    bool onPlayableStarted(CPlayable* playable) override { return add("+", playable); }
    bool onPlayableFinished(CPlayable* playable) override { return add("-", playable); }
    bool add(const char* what, CPlayable* playable)
    {
        text += (text.empty() ? "" : " ") + std::string(what) + playable->getName().c_str();
        return false;
    }
    std::string take() { return std::exchange(text, std::string()); }
    std::string text;
};

class CSequencedPlayableTest : public SequenceFixture {
protected:
    void SetUp() override
    {
        SequenceFixture::SetUp();
        writeSpeech("Wavs/one.wav", 100);
        writeSpeech("Wavs/two.wav", 300);
        writeSpeech("Wavs/three.wav", 200);
        writeAnimation("walk.ann", {"stand", "walk"});
    }
    // The sequence of a file; every playable of it is heard by the log.
    std::unique_ptr<CSequencedPlayable> load(const std::string& text)
    {
        put("seq.seq", text);
        CPlayable* root = CMultimediaSequenceCreator::load(window_.get(), "T:\\seq.seq", resources_.get(), &log_);
        EXPECT_NE(CSequencedPlayable::asSequence(root), nullptr);
        return std::unique_ptr<CSequencedPlayable>(CSequencedPlayable::asSequence(root));
    }
    static std::string sound(const std::string& name, const std::string& more = "")
    {
        return "NAME=" + name + "\n" + name + ":FILENAME=" + name + ".wav\n" + name + ":TYPE=SIMPLE\n" + more + name + ":ADD=seq\n";
    }

    ElementLog log_;
};

TEST_F(CSequencedPlayableTest, ChildrenThatDoNotWaitStartWithTheNextAndTheRestOneAfterAnother)
{
    auto seq = load("NAME=seq\nseq:TYPE=SEQUENCE\n" + sound("one", "one:WAIT=FALSE\n") + sound("two") + sound("three"));
    seq->play();
    EXPECT_EQ(log_.take(), "+seq +one +two");
    EXPECT_EQ(seq->getPlaying()->getName(), CXString("two"));
    EXPECT_EQ(seq->getLastPlayedEvent(CXString()), CXString("two"));
    turns(200);
    EXPECT_EQ(log_.take(), "-one") << "the first child's end changes nothing";
    turns(200);
    EXPECT_EQ(log_.take(), "+three -two");
    turns(300);
    EXPECT_EQ(log_.take(), "-seq -three");
    EXPECT_FALSE(seq->isPlaying());
    EXPECT_EQ(seq->getPlaying(), nullptr);

    // All children that do not wait start at once.
    auto together = load("NAME=seq\nseq:TYPE=SEQUENCE\n" + sound("one", "one:WAIT=FALSE\n") + sound("two", "two:WAIT=FALSE\n") +
                         sound("three", "three:WAIT=FALSE\n"));
    together->play();
    EXPECT_EQ(log_.take(), "+seq +one +two +three");
}

TEST_F(CSequencedPlayableTest, ParametersNameTheChildThatPlaysAndPassTheRestOn)
{
    auto seq = load("NAME=seq\nseq:TYPE=SEQUENCE\nseq:MODE=PARAMETER\n" + sound("one") + sound("two") + "seq:SEQEVENT=GO 2x\n");
    const struct {
        const char* parameter;
        const char* started;
        const char* passed;
    } cases[] = {{"2x", "+seq +two", "x"}, {"2", "+seq +two", ""}, {"0", "+seq", nullptr}, {"~", "+seq", nullptr}};
    for (const auto& c : cases) {
        seq->stop(false);
        log_.take();
        seq->setParameter("GO", c.parameter);
        seq->play("GO");
        EXPECT_EQ(log_.take(), c.started) << c.parameter;
        if (c.passed != nullptr)
            EXPECT_EQ(seq->getChild(1)->getParam(), CXString(c.passed)) << c.parameter;
        else
            EXPECT_EQ(seq->getPlaying(), nullptr) << c.parameter;
    }
    // Playing GO would reach the second child.
    seq->setParameter("GO", "2x");
    EXPECT_EQ(seq->get("GO"), seq->getChild(1));

    auto empty = load("NAME=seq\nseq:TYPE=SEQUENCE\nseq:MODE=RANDOM\n");
    empty->play();
    EXPECT_EQ(log_.take(), "+seq") << "a RANDOM sequence without children only starts";
    EXPECT_FALSE(empty->isPlaying());
}

TEST_F(CSequencedPlayableTest, AChildThatEndsWhileTheSequenceIsPausedIsFollowedAfterTheResume)
{
    auto seq = load("NAME=seq\nseq:TYPE=SEQUENCE\n" + sound("one") + sound("two"));
    seq->play();
    turns(50);
    seq->pause();
    EXPECT_TRUE(seq->isPaused());
    seq->getChild(0)->stop(true);
    turns(200);
    EXPECT_EQ(log_.take(), "+seq +one -one") << "the end report is ignored while paused";
    seq->resume();
    turns(100);
    EXPECT_EQ(log_.take(), "+two") << "the next check starts the following child";
    turns(400);
    EXPECT_EQ(log_.take(), "-seq -two");
}

TEST_F(CSequencedPlayableTest, AnimationEventsPlayTheirEventAndAreCheckedEveryTenthOfASecond)
{
    auto seq = load("NAME=seq\nseq:TYPE=SEQUENCE\nNAME=a\na:FILENAME=walk.ann\na:EVENT=WALK\na:TYPE=SIMPLE\na:ADD=seq\n"
                    "NAME=b\nb:FILENAME=walk.ann\nb:EVENT=7\nb:TYPE=SIMPLE\nb:ADD=seq\n" + sound("one"));
    auto* walk = static_cast<CAnimoEventPlayable*>(seq->getChild(0));
    PlayLog frames;
    walk->getAnimation()->addNotifier(&frames);
    seq->play();
    turns(300);
    // The sequence hears a child's end before the log does.
    EXPECT_EQ(log_.take(), "+seq +a +b -a +one") << "an event that cannot play is passed over at the next check";
    EXPECT_EQ(frames.entries, std::vector<std::string>{"walk"});
    EXPECT_EQ(frames.frames, (std::set<int>{2, 3}));
    std::unique_ptr<CXArray> animations(seq->getAllAnimations());
    EXPECT_EQ(animations->getSize(), 1);
    EXPECT_EQ(seq->getBoundingBox(1), walk->getAnimation()->GetBoundingBox());
    walk->getAnimation()->removeNotifier(&frames);
}

TEST_F(CSequencedPlayableTest, SeekingStartsTheChildAskedForAlone)
{
    auto seq = load("NAME=seq\nseq:TYPE=SEQUENCE\n" + sound("one") + sound("two") + sound("three"));
    const std::pair<int, int> seeks[] = {{2, 2}, {CPlayable::SeekPrevious, 1}, {CPlayable::SeekNext, 2}, {CPlayable::SeekNext, -1},
                                         {-1, 0}, {-2, 2}};
    for (auto [code, current] : seeks) {
        seq->seek(code);
        EXPECT_EQ(seq->getCurrent(), current) << code;
        EXPECT_EQ(seq->getChild(current) != nullptr && seq->getChild(current)->isPlaying(), current >= 0) << code;
    }
    turns(500);
    EXPECT_EQ(log_.take(), "+three +two +three +one +three -one -two -seq -three")
        << "only the end of the child started last reaches the sequence";
}

TEST_F(CSequencedPlayableTest, AChildHeldByTwoSequencesGoesWithTheLast)
{
    auto* shared = new CSequencedPlayable(window_.get());
    auto first = std::make_unique<CSequencedPlayable>(window_.get());
    auto second = std::make_unique<CSequencedPlayable>(window_.get());
    first->addChild(shared);
    second->addChild(shared);
    EXPECT_EQ(shared->getParentsNo(), 2);
    CPlayableRef<CPlayable> alive(shared);
    first.reset();
    ASSERT_TRUE(alive);
    EXPECT_EQ(shared->getParentsNo(), 1);
    second.reset();
    EXPECT_FALSE(alive);
}

TEST_F(CSequencedPlayableTest, TreesGoCleanlyWhilePlayingAndAfterTheirMediaWent)
{
    const std::string text = "NAME=seq\nseq:TYPE=SEQUENCE\nNAME=a\na:FILENAME=walk.ann\na:EVENT=WALK\na:TYPE=SIMPLE\na:ADD=seq\n" +
        sound("one") + "NAME=t\nt:TYPE=SPEAKING\nt:ANIMOFN=walk.ann\nt:WAVFN=two\nt:ADD=seq\n";
    auto seq = load(text);
    seq->play();
    turns(150);
    seq.reset();
    turns(500);

    auto orphaned = load(text);
    orphaned->play();
    turns(50);
    resources_->flush();
    turns(500);
    orphaned->stop(true);
    orphaned->play();
    orphaned.reset();

    // Without a manager the tree's media are its own.
    put("seq.seq", text);
    std::unique_ptr<CPlayable> own(CMultimediaSequenceCreator::load(window_.get(), "T:\\seq.seq", nullptr, nullptr));
    own->play();
    turns(800);
    EXPECT_FALSE(own->isPlaying());
}

} // namespace
