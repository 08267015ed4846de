#include "SequenceFixture.h"

#include "foundation/CMElement.h"
#include "foundation/CMElements.h"
#include "graphics/CImage.h"
#include "sound/CAnimoEventPlayable.h"
#include "sound/CMElementCreator.h"
#include "sound/CMultimediaSequenceCreator.h"
#include "sound/CSequencedPlayable.h"
#include "sound/CSpeakingAnimation.h"
#include "sound/CTreeSequenceElements.h"

namespace {

using namespace soundtest;

// A tree as text: a sequence as "name{mode: children}" (S, R or P; "!" after a child that does not
// wait), a sound as "name~", an animation event as "name@event", a speaking animation as
// "name%prefix", an animation as "name#".
std::string shape(CPlayable* playable)
{
    if (playable == nullptr)
        return "null";
    std::string out = playable->getName().c_str();
    switch (playable->getType()) {
    case CSequencedPlayable::TYPE: {
        auto* sequence = CSequencedPlayable::asSequence(playable);
        out += std::string("{") + "?SRP"[std::clamp(sequence->getMode(), 0, 3)] + ":";
        for (int i = 0; i < sequence->getChildrenCount(); ++i)
            out += " " + shape(sequence->getChild(i)) + (sequence->getChild(i)->getWaitMode() ? "" : "!");
        return out + "}";
    }
    case CSound4::TYPE:
        return out + "~";
    case CAnimoEventPlayable::TYPE:
        return out + "@" + std::to_string(static_cast<CAnimoEventPlayable*>(playable)->getEvent());
    case CSpeakingAnimation::TYPE:
        return out + "%" + dynamic_cast<CSpeakingAnimation*>(playable)->getFileName().c_str();
    default:
        return out + "#";
    }
}

class SequenceFileTest : public SequenceFixture {
protected:
    void SetUp() override
    {
        SequenceFixture::SetUp();
        writeAnimation("walk.ann", {"stand", "walk", "turn", "sit"});
        writeSpeech("Wavs/s.wav", 100);
    }
    // The tree of a file with that text.
    CPlayable* load(const std::string& fileName, const std::string& text)
    {
        put(fileName, text);
        return CMultimediaSequenceCreator::load(window_.get(), GameFolder::gamePath(fileName).c_str(), resources_.get(), &log_);
    }

    PlayLog log_;
};

TEST_F(SequenceFileTest, FilesReadWithEveryQuirkOfTheFormat)
{
    const std::string simple = "NAME=c\nc:FILENAME=s.wav\nc:TYPE=SIMPLE\n";
    struct Case {
        const char* note;
        const char* file;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"entries linked in file order, in their modes and wait flags", "seq.seq",
         "# a comment line\nNAME=seq\nseq:TYPE=SEQUENCE\nNAME=p\np:TYPE=SEQUENCE\np:MODE=PARAMETER\np:ADD=seq\n"
         "NAME=a\na:FILENAME=walk.ann\na:EVENT=WALK\na:TYPE=SIMPLE\na:ADD=p\nNAME=b\nb:FILENAME=walk.ann\nb:EVENT=3\n"
         "b:TYPE=SIMPLE\nb:ADD=p\n" + simple + "c:WAIT=FALSE\nc:ADD=seq\nNAME=r\nr:TYPE=SEQUENCE\nr:MODE=RANDOM\nr:ADD=seq\n",
         "seq{S: p{P: a@1 b@3} c~! r{R:}}"},
        {"no entry named after the file", "seq.seq", "NAME=other\nother:TYPE=SEQUENCE\n", "null"},
        {"names are compared with their letter case", "seq.seq", "NAME=SEQ\nSEQ:TYPE=SEQUENCE\n", "null"},
        {"ADD without a value, with ROOT or with an undeclared name", "seq.seq",
         "NAME=seq\nseq:TYPE=SEQUENCE\n" + simple + "c:ADD\nc:ADD=ROOT\nc:ADD=ghost\n", "seq{S:}"},
        {"WAIT 3, MODE random and STARTING yes are ignored", "seq.seq",
         "NAME=seq\nseq:TYPE=SEQUENCE\nseq:MODE=random\nNAME=t\nt:TYPE=SPEAKING\nt:STARTING=yes\n" + simple +
             "c:WAIT=3\nc:ADD=seq\nt:ADD=seq\n",
         "seq{S: c~ t%}"},
        {"FILENAME and EVENT after TYPE", "seq.seq",
         "NAME=seq\nseq:TYPE=SEQUENCE\nNAME=a\na:TYPE=SIMPLE\na:FILENAME=walk.ann\na:EVENT=2\na:ADD=seq\n", "seq{S:}"},
        {"blanks and colons for equals signs", "seq.seq", "NAME seq\nseq:TYPE:SEQUENCE\nseq MODE RANDOM\n", "seq{R:}"},
        {"keys and kinds with their letter case", "seq.seq", "NAME=seq\nseq:type=SEQUENCE\nseq:TYPE=Sequence\n", "null"},
        {"an entry called NAME takes later declarations as its properties", "NAME.seq",
         "NAME=NAME\nNAME=TYPE SEQUENCE\nNAME=MODE PARAMETER\n", "NAME{P:}"},
        {"a second TYPE makes a new playable", "seq.seq",
         "NAME=seq\nseq:TYPE=SEQUENCE\n" + simple + "c:ADD=seq\nseq:TYPE=SEQUENCE\nseq:MODE=RANDOM\n", "seq{R:}"},
        {"a child held by two sequences", "seq.seq",
         "NAME=seq\nseq:TYPE=SEQUENCE\nNAME=a\na:TYPE=SEQUENCE\nNAME=b\nb:TYPE=SEQUENCE\nNAME=c\nc:TYPE=SEQUENCE\n"
         "c:ADD=a\nc:ADD=b\na:ADD=seq\nb:ADD=seq\nNAME=lost\nlost:TYPE=SEQUENCE\nc:ADD=lost\n",
         "seq{S: a{S: c{S:}} b{S: c{S:}}}"},
        {"links that would close a loop are refused", "seq.seq",
         "NAME=seq\nseq:TYPE=SEQUENCE\nNAME=a\na:TYPE=SEQUENCE\na:ADD=seq\nseq:ADD=a\nseq:ADD=seq\na:ADD=a\n", "seq{S: a{S:}}"},
        {"an extension in small letters, a kind that makes nothing", "seq.seq",
         "NAME=seq\nseq:TYPE=SEQUENCE\nNAME=w\nw:FILENAME=s.WAV\nw:TYPE=SIMPLE\nw:ADD=seq\nNAME=x\nx:FILENAME=s.txt\n"
         "x:TYPE=SIMPLE\nx:ADD=seq\nNAME=y\ny:TYPE=OTHER\ny:ADD=seq\n",
         "seq{S: w~}"},
    };
    for (const Case& c : cases) {
        // Each file shares nothing with the one before: a sound's wait flag is the shared sound's.
        resources_->flush();
        std::unique_ptr<CPlayable> root(load(c.file, c.text));
        EXPECT_EQ(shape(root.get()), c.expected) << c.note;
        if (root != nullptr) {
            EXPECT_EQ(root->getFileName(), CXString(GameFolder::gamePath(c.file).c_str())) << c.note;
        }
    }
    EXPECT_EQ(shape(CMultimediaSequenceCreator::load(window_.get(), "T:\\missing.seq", resources_.get(), &log_)), "null");
}

TEST_F(SequenceFileTest, SimpleEntriesPlayAnAnimosAnimationOrSharedFilesAndSpeakingEntriesFindTheirMedia)
{
    TestScene scene;
    CAnimo hero(window_.get(), "walk.ann");
    MediaObject* animo = scene.add("HERO.WAV", script::TYPE_ANIMO, &hero);
    CSound4 line(window_.get(), GameFolder::gamePath("Wavs/s.wav").c_str(), false, false);
    scene.add("LINE", script::TYPE_SOUND, &line);
    scene.add("NOTASOUND", script::TYPE_ANIMO, &hero);

    std::unique_ptr<CPlayable> root(load("seq.seq",
                                         "NAME=seq\nseq:TYPE=SEQUENCE\n"
                                         "NAME=h\nh:FILENAME=HERO.WAV\nh:EVENT=TURN\nh:TYPE=SIMPLE\nh:ADD=seq\n"
                                         "NAME=a\na:FILENAME=walk.ann\na:EVENT=SIT\na:TYPE=SIMPLE\na:ADD=seq\n"
                                         "NAME=b\nb:FILENAME=walk.ann\nb:EVENT=3\nb:TYPE=SIMPLE\nb:SHOW\nb:ADD=seq\n"
                                         "NAME=s\ns:FILENAME=s.wav\ns:TYPE=SIMPLE\n"
                                         "NAME=t1\nt1:TYPE=SPEAKING\nt1:ANIMOFN=HERO.WAV\nt1:WAVFN=s\nt1:PREFIX=P\nt1:ADD=seq\n"
                                         "NAME=t2\nt2:TYPE=SPEAKING\nt2:ANIMOFN=walk.ann\nt2:WAVFN=LINE\nt2:ADD=seq\n"
                                         "NAME=t3\nt3:TYPE=SPEAKING\nt3:WAVFN=NOTASOUND\nt3:HIDE\nt3:ADD=seq\n"
                                         "seq:SHOW\nseq:HIDE\n"));
    auto* sequence = CSequencedPlayable::asSequence(root.get());
    ASSERT_NE(sequence, nullptr);
    ASSERT_EQ(shape(root.get()), "seq{S: h@2 a@3 b@3 t1% t2% t3%T:\\Wavs\\NOTASOUND}");
    auto* onHero = static_cast<CAnimoEventPlayable*>(sequence->getChild(0));
    auto* first = static_cast<CAnimoEventPlayable*>(sequence->getChild(1));
    auto* second = static_cast<CAnimoEventPlayable*>(sequence->getChild(2));
    auto* talker = static_cast<CSpeakingAnimation*>(sequence->getChild(3));
    EXPECT_EQ(onHero->getAnimation(), &hero) << "an ANIMO of that name, whatever the extension";
    EXPECT_EQ(first->getAnimation(), second->getAnimation()) << "one animation of the file, shared";
    EXPECT_EQ(screenPriorityOf(first->getAnimation()), CTreeSequenceElements::PRIORITY);
    EXPECT_EQ(talker->getAnimation(), &hero);
    EXPECT_EQ(animo->borrowers, (std::vector<CPlayable*>{onHero, talker}));
    EXPECT_EQ(talker->getSound(), resources_->get("T:\\Wavs\\s.wav")) << "the entry's sound";
    EXPECT_EQ(static_cast<CSpeakingAnimation*>(sequence->getChild(4))->getSound(), &line);
    EXPECT_FALSE(sequence->getChild(5)->isVisible()) << "HIDE on a speaking entry";
    EXPECT_TRUE(sequence->isVisible()) << "SHOW and HIDE do nothing to a sequence";

    std::unique_ptr<CXArray> animations(sequence->getAllAnimations());
    EXPECT_EQ(animations->getSize(), 2);
    std::unique_ptr<CXArray> events(sequence->getAllOfType(CAnimoEventPlayable::TYPE));
    EXPECT_EQ(events->getSize(), 3);
    root.reset();
    EXPECT_TRUE(animo->borrowers.empty()) << "the tree's playables leave the object with it";
}

TEST_F(SequenceFileTest, ElementTreesAreBuiltAnewForEveryNamedChild)
{
    CMElements elements(true);
    CMElement missing("missing");
    auto element = [&](const char* name, const char* type) {
        auto* made = new CMElement(name);
        made->addProperty("TYPE", type);
        made->addProperty("FILENAME", "walk.ann");
        made->addProperty("VISIBLE", "TRUE");
        elements.add(made);
    };
    // Child elements are the list's own, named again.
    auto children = [&](const char* name, std::initializer_list<const char*> names) {
        for (const char* child : names)
            elements.get(name)->addChild(elements.contains(child) ? elements.get(child) : &missing);
    };
    for (const char* name : {"root", "inner", "loop"})
        element(name, "SEQUENCE");
    element("walker", "ANIMO");
    element("picture", "IMAGE");
    children("root", {"walker", "inner", "missing", "picture"});
    children("inner", {"walker", "walker"});
    children("loop", {"loop", "loop"});

    std::unique_ptr<CPlayable> root(CMultimediaSequenceCreator::create(window_.get(), &elements, "root"));
    EXPECT_EQ(shape(root.get()), "root{S: walker# inner{S: walker# walker#}}");
    EXPECT_TRUE(CSequencedPlayable::asSequence(root.get())->getChild(0)->isVisible());
    EXPECT_EQ(CMultimediaSequenceCreator::create(window_.get(), &elements, "nobody"), nullptr);
    EXPECT_EQ(CMultimediaSequenceCreator::create(window_.get(), &elements, "picture"), nullptr);
    std::unique_ptr<CXObject> picture(CMElementCreator::createObject(window_.get(), elements.get("picture")));
    EXPECT_NE(dynamic_cast<CImage*>(picture.get()), nullptr);
    EXPECT_EQ(CMElementCreator::createObject(window_.get(), elements.get("walker")), nullptr);
    // Names that loop make a bounded tree.
    std::unique_ptr<CPlayable> loop(CMultimediaSequenceCreator::create(window_.get(), &elements, "loop"));
    std::unique_ptr<CXArray> all(CSequencedPlayable::asSequence(loop.get())->getAllOfType(2));
    EXPECT_EQ(all->getSize(), 0);
}

// Nesting levels below a playable, along its first children.
int depthOf(CPlayable* playable)
{
    CSequencedPlayable* sequence = CSequencedPlayable::asSequence(playable);
    return sequence != nullptr && sequence->getChildrenCount() > 0 ? 1 + depthOf(sequence->getChild(0)) : 0;
}

std::string numbered(const char* letter, int number)
{
    return std::string(letter).append(std::to_string(number));
}

TEST_F(SequenceFileTest, HostileFilesMakeBoundedTrees)
{
    std::string chain = "NAME=seq\nseq:TYPE=SEQUENCE\n";
    for (int i = 1; i <= 100; ++i) {
        const std::string name = numbered("e", i);
        const std::string parent = i == 1 ? "seq" : numbered("e", i - 1);
        chain += "NAME=" + name + "\n" + name + ":TYPE=SEQUENCE\n" + name + ":ADD=" + parent + "\n";
    }
    std::unique_ptr<CPlayable> deep(load("seq.seq", chain));
    EXPECT_EQ(depthOf(deep.get()), CTreeSequenceElements::MAX_DEPTH);

    // Each level holds the next twice, none waiting: every way down would be played.
    std::string diamonds = "NAME=seq\nseq:TYPE=SEQUENCE\n" + std::string("NAME=s\ns:FILENAME=s.wav\ns:TYPE=SIMPLE\n");
    for (int i = 40; i >= 1; --i) {
        const std::string name = numbered("d", i);
        const std::string below = i == 40 ? "s" : numbered("d", i + 1);
        diamonds += "NAME=" + name + "\n" + name + ":TYPE=SEQUENCE\n" + below + ":WAIT=FALSE\n" + below + ":ADD=" + name +
            "\n" + below + ":ADD=" + name + "\n";
    }
    diamonds += "d1:ADD=seq\n";
    std::unique_ptr<CPlayable> wide(load("seq.seq", diamonds));
    EXPECT_GT(depthOf(wide.get()), 5);
    wide->play();
    turns(200);
}

TEST_F(SequenceFileTest, ALoaderObjectDeletesOnlyTheResultItOwns)
{
    put("snd.seq", "NAME=snd\nsnd:FILENAME=s.wav\nsnd:TYPE=SIMPLE\n");
    CPlayableRef<CPlayable> shared;
    {
        CMultimediaSequenceCreator made(window_.get(), "T:\\snd.seq", resources_.get(), nullptr, false);
        EXPECT_EQ(shape(made.getPlayable()), "snd~");
        shared = made.getPlayable();
    }
    EXPECT_TRUE(shared) << "the sound is the manager's";
    put("seq.seq", "NAME=seq\nseq:TYPE=SEQUENCE\n");
    CPlayableRef<CPlayable> owned;
    {
        CMultimediaSequenceCreator made(window_.get(), "T:\\seq.seq", resources_.get(), nullptr, false);
        owned = made.getPlayable();
    }
    EXPECT_FALSE(owned);
}

TEST_F(SequenceFileTest, ChildIndicesHaveOneCharacterEach)
{
    const std::pair<int, char> codes[] = {{0, '1'}, {8, '9'}, {9, 'A'}, {34, 'Z'}, {35, 'a'}, {36, 'b'}, {65, '\x7f'},
                                          {66, '0'}, {-1, '0'}};
    for (auto [index, code] : codes) {
        EXPECT_EQ(CMultimediaSequenceCreator::getParameter(index), code) << index;
        EXPECT_EQ(CSequencedPlayable::childIndexOf(code), index >= 0 && index <= 65 ? index : -1) << index;
    }
    EXPECT_EQ(CSequencedPlayable::childIndexOf('~'), 64);
    EXPECT_LT(CSequencedPlayable::childIndexOf('\xe9'), 0);
    EXPECT_FALSE(CMultimediaSequenceCreator::save(nullptr, "T:\\out.seq"));
}

} // namespace
