#include "MediaScene.h"
#include "sound/SoundFixture.h"

#include "foundation/CFile.h"
#include "foundation/CFile_Stream.h"
#include "foundation/CXArchive.h"
#include "script/CMC_CreationChain.h"
#include "graphics/CAnimo6.h"
#include "objects/CMC_Sequence.h"
#include "objects/CMC_Sequence_Runner.h"
#include "objects/CSceneMedia.h"
#include "objects/CSceneResources.h"
#include "sound/CAnimoEventPlayable.h"
#include "sound/CMultimediaSequenceCreator.h"
#include "sound/CSpeakingAnimation.h"
#include "sound/CSequencedPlayable.h"

namespace {

using namespace objectstest;
using apptest::text;
using graphicstest::AnimationEvent;

// TALK: the sound INTRO, HERO's WALK (an ANIMO's animation), the sound OUTRO; its event WALK
// carries the template "xxx".
const char kTalk[] = "NAME=TALK\nTALK:TYPE=SEQUENCE\nTALK:SEQEVENT=WALK xxx\n"
                     "NAME=INTRO\nINTRO:FILENAME=intro.wav\nINTRO:TYPE=SIMPLE\nINTRO:ADD=TALK\n"
                     "NAME=STEP\nSTEP:FILENAME=HERO\nSTEP:EVENT=walk\nSTEP:TYPE=SIMPLE\nSTEP:ADD=TALK\n"
                     "NAME=OUTRO\nOUTRO:FILENAME=outro.wav\nOUTRO:TYPE=SIMPLE\nOUTRO:ADD=TALK\n";

class SequenceObject : public MediaScene {
protected:
    void SetUp() override
    {
        MediaScene::SetUp();
        writeSound("intro.wav", 200);
        writeSound("outro.wav", 100);
        writeAnimation("HERO.ANN", animationOf(3, 0, 0, {AnimationEvent("STAND", {{0}}), AnimationEvent("WALK", {{0}, {1}, {2}})}));
        writeSequence("TALK.SEQ", kTalk);
    }
    void writeSound(const std::string& name, int ms)
    {
        writeFile(gameFolder + "Wavs/" + name, soundtest::wave({.data = soundtest::samples(soundtest::ramp(8 * ms))}));
    }
    void writeSequence(const std::string& name, const std::string& text) { writeFile(gameFolder + "Dane/" + name, text); }
    static std::string hero() { return declared("HERO", "ANIMO", {"FILENAME=HERO.ANN", "TOCANVAS=TRUE", "VISIBLE=TRUE"}); }
    static std::string sequenceObject(const std::string& name, const std::string& file, std::vector<std::string> properties = {})
    {
        std::string text = declared(name, "SEQUENCE", {"FILENAME=" + file});
        for (const std::string& property : properties)
            text += name + ":" + property + "\n";
        return text;
    }
    CMC_Sequence* sequence(const std::string& name) { return dynamic_cast<CMC_Sequence*>(object(name)); }
    CSequencedPlayable* tree(const std::string& name)
    {
        CMC_Sequence* owner = sequence(name);
        return owner != nullptr ? CSequencedPlayable::asSequence(owner->getSequence()) : nullptr;
    }
    // Turns of 20 ms until the sequence stops, two seconds at most.
    void playOut(const std::string& name)
    {
        for (int i = 0; i < 100 && run(name + "^ISPLAYING()") == "TRUE"; ++i)
            turn(20);
    }
};

TEST_F(SequenceObject, PlaysItsFileWithSignalsForTheWholeAndOnlySpecificOnesForElements)
{
    ASSERT_TRUE(startWith(hero() + sequenceObject("SEQ", "TALK.SEQ",
                                                  {"ONSTARTED=" + logs("started"), "ONFINISHED=" + logs("finished"),
                                                   "ONFINISHED^INTRO=" + logs("intro"), "ONSTARTED^OUTRO=" + logs("outro")}) +
                          declared("HERO", "ANIMO", {"ONSTARTED^WALK=" + logs("hero")})));
    EXPECT_EQ(run("SEQ^GETPLAYING()"), "");
    EXPECT_EQ(run("SEQ^ISPLAYING()"), "FALSE");
    auto* step = static_cast<CAnimoEventPlayable*>(tree("SEQ")->getChild(1));
    EXPECT_EQ(step->getAnimation(), static_cast<CAnimo*>(animo("HERO")->getAnimo())) << "the ANIMO's own animation";

    run("SEQ^PLAY(\"GO\")");
    EXPECT_EQ(run("SEQ^GETPLAYING()"), "INTRO");
    EXPECT_EQ(run("SEQ^GETEVENTNAME()"), "GO");
    EXPECT_EQ(run("SEQ^GETEVENTNAME(\"TALK\")"), "INTRO");
    playOut("SEQ");
    EXPECT_EQ(log(), "started|hero|intro|outro|finished|");
    EXPECT_EQ(run("SEQ^GETPLAYING()"), "");
}

TEST_F(SequenceObject, PlayFillsTheEventsTemplateFromAnArrayOrTakesTheTextGiven)
{
    ASSERT_TRUE(startWith(hero() + sequenceObject("SEQ", "TALK.SEQ") + declared("ARR", "ARRAY")));
    for (const char* line : {"ARR^ADD(3)", "ARR^ADD(9)", "ARR^ADD(34)"})
        run(line);
    const struct {
        const char* line;
        const char* parameter;
    } rows[] = {
        {"SEQ^PLAY(\"WALK\", \"ARR\")", "4AZ"},
        {"SEQ^PLAY(\"WALK\", \"xy\")", "xy"},
        // An object that is no array is taken as text.
        {"SEQ^PLAY(\"WALK\", \"LOG\")", "LOG"},
    };
    for (const auto& row : rows) {
        tree("SEQ")->setParameter("WALK", "xxx");
        run(row.line);
        EXPECT_EQ(text(tree("SEQ")->getParameter(CXString("WALK"))), row.parameter) << row.line;
    }
    run("SEQ^STOP(FALSE)");
    EXPECT_EQ(run("SEQ^ISPLAYING()"), "FALSE");
}

TEST_F(SequenceObject, SoundSettingsFollowTheScriptScale)
{
    ASSERT_TRUE(startWith(hero() + sequenceObject("SEQ", "TALK.SEQ")));
    const struct {
        const char* line;
        int volume;
        int panning;
        int frequency;
    } rows[] = {
        {"SEQ^SETVOLUME(800)", 0, 0, 0},      {"SEQ^SETVOLUME(26)", -3096, 0, 0},    {"SEQ^SETVOLUME(25)", -10000, 0, 0},
        {"SEQ^SETPAN(0)", -10000, -800, 0},   {"SEQ^SETPAN(1950)", -10000, 10000, 0}, {"SEQ^SETPAN(400)", -10000, 0, 0},
        {"SEQ^SETFREQ(22050)", -10000, 0, 22050},
    };
    for (const auto& row : rows) {
        run(row.line);
        CSequencedPlayable* played = tree("SEQ");
        EXPECT_EQ(played->getVolume(), row.volume) << row.line;
        EXPECT_EQ(played->getPanning(), row.panning) << row.line;
        EXPECT_EQ(played->getFrequency(), row.frequency) << row.line;
    }
    run("SEQ^PLAY(\"GO\")");
    EXPECT_EQ(tree("SEQ")->getChild(0)->getFrequency(), 22050) << "the child started takes the settings";
}

TEST_F(SequenceObject, AMissingFileIsTriedAgainAtEachCallButNeverInsideItsOwnInit)
{
    ASSERT_TRUE(startWith(sequenceObject("GONE", "MISSING.SEQ", {"ONINIT={GONE^PLAY(\"GO\");LOG^ADD(\"init|\");}"}) +
                          sequenceObject("SEQ", "TALK.SEQ", {"ONINIT=" + logs("seq")})));
    EXPECT_EQ(log(), "init|seq|");
    EXPECT_EQ(run("GONE^ISPLAYING()"), "none");
    EXPECT_EQ(log(), "init|seq|init|");

    // Let go with its scene's unload, the tree is read again when asked for.
    sequence("SEQ")->done(true);
    EXPECT_NE(tree("SEQ"), nullptr);
    EXPECT_EQ(log(), "init|seq|init|seq|");
}

TEST_F(SequenceObject, TheSceneListsPlayingSequencesAndResumesThoseNamed)
{
    ASSERT_TRUE(startWith(hero() + sequenceObject("SEQ", "TALK.SEQ") + sequenceObject("IDLE", "TALK.SEQ") +
                          declared("NAMES", "ARRAY")));
    run("SEQ^PLAY(\"GO\")");
    run("S^GETPLAYINGSEQ(NAMES)");
    EXPECT_EQ(run("NAMES^GETSIZE()"), "1");
    EXPECT_EQ(run("NAMES^GET(0)"), "SEQ");
    run("SEQ^PAUSE()");
    EXPECT_TRUE(tree("SEQ")->isPaused());
    run("S^RESUMESEQONLY(NAMES)");
    EXPECT_FALSE(tree("SEQ")->isPaused());
}

TEST_F(SequenceObject, EndsCleanlyFromItsOwnSignalAndWithItsScene)
{
    writeSound("long.wav", 1000);
    writeSequence("OTHER.SEQ", "NAME=OTHER\nOTHER:TYPE=SEQUENCE\nNAME=LONG\nLONG:FILENAME=long.wav\nLONG:TYPE=SIMPLE\n"
                               "LONG:ADD=OTHER\nNAME=STEP\nSTEP:FILENAME=HERO\nSTEP:EVENT=WALK\nSTEP:TYPE=SIMPLE\nSTEP:ADD=OTHER\n");
    // HERO's WALK does not wait: it still plays when INTRO's end removes SEQ.
    writeSequence("RACE.SEQ", "NAME=RACE\nRACE:TYPE=SEQUENCE\nNAME=STEP\nSTEP:FILENAME=HERO\nSTEP:EVENT=WALK\n"
                              "STEP:TYPE=SIMPLE\nSTEP:WAIT=FALSE\nSTEP:ADD=RACE\nNAME=INTRO\nINTRO:FILENAME=intro.wav\n"
                              "INTRO:TYPE=SIMPLE\nINTRO:ADD=RACE\n");
    writeAnimation("HERO.ANN", animationOf(3, 0, 0, {AnimationEvent("WALK", {{0}, {1}, {2}, {0}, {1}, {2}})}));
    ASSERT_TRUE(startWith(hero() + sequenceObject("SEQ", "RACE.SEQ", {"ONFINISHED^INTRO={S^REMOVE(SEQ);}"}) +
                          sequenceObject("OTHER", "OTHER.SEQ")));
    CMC_ObjectRef removed(sequence("SEQ"));
    run("SEQ^PLAY(\"GO\")");
    run("OTHER^PLAY(\"GO\")");
    turns(30, 20);
    EXPECT_FALSE(removed.isAlive());
    EXPECT_EQ(run("OTHER^GETPLAYING()"), "LONG");
    // The tree that went borrowed HERO's animation too.
    run("HERO^PLAY(\"WALK\")");
    turns(100, 20);
    EXPECT_EQ(run("OTHER^ISPLAYING()"), "FALSE");
    run("OTHER^PLAY(\"GO\")");
    stop();
}

TEST_F(SequenceObject, KeepsItsFileNameInTheSceneRecordAndBorrowsAnimationsOnlyFromAnimos)
{
    ASSERT_TRUE(startWith(hero() + sequenceObject("SEQ", "TALK.SEQ") + declared("NOTANIMO", "STRING")));
    {
        CFile file(nullptr, "T:\\record.bin", CFile::UPDATE | CFile::BINARY);
        CXArchive archive(&file, true);
        sequence("SEQ")->serialize(&archive);
    }
    std::string bytes = folder.temp.read("record.bin");
    EXPECT_EQ(bytes.substr(bytes.size() - 12), std::string("\x08\0\0\0TALK.SEQ", 12));
    CMC_Object* made = CMC_CreationChain::createEmpty("SEQUENCE", liveScene());
    auto* restored = dynamic_cast<CMC_Sequence*>(made);
    ASSERT_NE(restored, nullptr);
    CFile_Stream stream(bytes.data(), static_cast<int>(bytes.size()));
    CXArchive archive(&stream, false);
    restored->serialize(&archive);
    EXPECT_EQ(text(restored->getName()), "SEQ");
    EXPECT_EQ(text(restored->getFileName()), "TALK.SEQ");
    EXPECT_NE(CSequencedPlayable::asSequence(restored->getSequence()), nullptr);
    CMC_Object::destroy(restored);

    // A speaking entry talks with HERO's animation until HERO lets it go.
    writeSequence("SPEAK.SEQ", "NAME=SPEAK\nSPEAK:TYPE=SEQUENCE\nNAME=T\nT:TYPE=SPEAKING\nT:ANIMOFN=HERO\nT:ADD=SPEAK\n"
                               "NAME=U\nU:TYPE=SPEAKING\nU:ANIMOFN=NOTANIMO\nU:ADD=SPEAK\n");
    std::unique_ptr<CPlayable> speak(CMultimediaSequenceCreator::load(window(), "SPEAK.SEQ", CSceneResources::defaultManager(), nullptr));
    auto* talkers = CSequencedPlayable::asSequence(speak.get());
    ASSERT_NE(talkers, nullptr);
    auto* hero = static_cast<CSpeakingAnimation*>(talkers->getChild(0));
    auto* other = static_cast<CSpeakingAnimation*>(talkers->getChild(1));
    EXPECT_EQ(hero->getAnimation(), static_cast<CAnimo*>(animo("HERO")->getAnimo()));
    EXPECT_NE(other->getAnimation(), nullptr);
    EXPECT_NE(other->getAnimation(), hero->getAnimation()) << "a STRING of that name is no ANIMO";
    animo("HERO")->done(true);
    EXPECT_EQ(hero->getAnimation(), nullptr);
    speak.reset();

    CSceneMedia media;
    EXPECT_EQ(media.findAnimo(window(), "HERO"), nullptr) << "an ANIMO without an animation lends none";
    EXPECT_EQ(media.findAnimo(window(), "NOTANIMO"), nullptr);
    EXPECT_EQ(media.getAnimo(object("NOTANIMO")), nullptr);
    EXPECT_EQ(CSceneMedia::liveScene(window()), liveScene());
}

} // namespace
