// The demo game played headless through the player with fixed scripts of clicks and keys: the
// first act from its title to the stars and back, the second act in the studio, and both started
// from the compiled form of the game. The tests check the scenes reached, what the scripts
// counted, what the game wrote to its INI file and what the screen showed.
#include "DemoScript.h"

#include <gtest/gtest.h>

#include <cstdio>

using namespace demotest;

namespace {

// What the game shows and holds at a pump: the live scene, then each variable's text, or what a
// line holding "^" gives.
std::string state(const std::vector<std::string>& names)
{
    std::string text = DemoSession::sceneName();
    for (const std::string& name : names)
        text += " " + name + "=" + (name.find('^') != std::string::npos ? DemoSession::ask(name) : DemoSession::valueOf(name));
    return text;
}

std::string hex(uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

// What a play noted at the pumps it looked at: the state and the screen's digest.
struct Played {
    int exitCode;
    std::vector<std::string> seen;
    std::vector<std::string> digests;
};

// Plays the clicks (and the session's keys) for the pumps, noting at each pump of `looks` the
// state of those names; the frames are kept as "<label>-<pump>".
Played play(DemoSession& session, const std::vector<Click>& clicks, int pumps, const std::map<int, std::vector<std::string>>& looks,
            const std::string& label)
{
    Played played;
    played.exitCode = session.play(clicks, pumps, [&](int pump) {
        const auto look = looks.find(pump);
        if (look == looks.end())
            return;
        played.seen.push_back(state(look->second));
        played.digests.push_back(hex(session.screenDigest()));
        session.keepScreen(label + "-" + std::to_string(pump));
    });
    return played;
}

TEST(DemoGame, PlaysFromTheTitleThroughBothEpisodesAndBackCountingWhatHappened)
{
    // At these pumps the test notes the state and a digest of the screen.
    const std::map<int, std::vector<std::string>> looks = {
        {1500, {"VISITS", "WINKS", "CHIME^ISPLAYING()"}},
        {4600, {"OPENED", "BLOOMED", "COLOUR", "FANFARE^ISPLAYING()"}},
        {12800, {"JUMPS", "NAME", "FROG^ISPLAYING(\"SIT\")"}},
        {17500, {"LITSTARS", "LIT", "SUNG", "WHOOSH^ISPLAYING()"}},
        {27300, {"METEORS", "SUNG"}},
        {29800, {"VISITS", "WINKS"}},
    };
    DemoSession session;
    const Played played = play(session, demoClicks(), kDemoPumps, looks, "act1");
    EXPECT_EQ(played.exitCode, 0);
    EXPECT_EQ(played.seen, (std::vector<std::string>{
                        "TITLE VISITS=1 WINKS=1 CHIME^ISPLAYING()=TRUE",
                        "MEADOW OPENED=3,1,2 BLOOMED=3 COLOUR=FLY FANFARE^ISPLAYING()=TRUE",
                        "POND JUMPS=5 NAME=FLY5 FROG^ISPLAYING(\"SIT\")=TRUE",
                        "SKY LITSTARS=2,5,1,4,3 LIT=5 SUNG=3 WHOOSH^ISPLAYING()=TRUE",
                        "SKY METEORS=1 SUNG=5",
                        "TITLE VISITS=2 WINKS=0",
                    }));
    // The screens at those pumps. The pictures are made anew at every build, so a change to the
    // maker, the scripts or the drawing changes these: look at the frames before taking new ones
    // (TAMZORA_DEMO_FRAMES names a folder the test writes them to).
    EXPECT_EQ(played.digests, (std::vector<std::string>{"55e17c37b703141c", "d3b620dd29c6ebed", "d479c96086c7e827", "29f3d36b514cf4ac",
                                                  "35e8f96f8d0aa499", "29d4457bbd733ca8"}));
    // The visits and each scene's visits and seconds, as the game left them at the end.
    EXPECT_EQ(session.ini("GAME", "VISITS"), "2");
    const std::pair<const char*, const char*> visitsOfScenes[] = {{"TITLE", "2"}, {"MEADOW", "1"}, {"POND", "1"}, {"SKY", "1"}};
    for (const auto& [scene, times] : visitsOfScenes)
        EXPECT_EQ(session.ini(scene, "Played"), times) << scene;
    EXPECT_EQ(session.ini("SKY", "Time"), "16");
}

TEST(DemoGame, PlaysTheStudioTypingANameTalkingAndPainting)
{
    // The fade as the letters open, the words painted, the name, the hedgehog moved by the keys,
    // the owl's events during and after its speech, the painting with its stickers from the
    // board, signed, and back at the title.
    const std::map<int, std::vector<std::string>> looks = {
        {840, {"OPENING^ISRUNNING(\"PAPER\")", "PAPER^GETOPACITY()"}},
        {2350, {"INKED", "INK", "POEM^GETWORDAT(INKED^GET(0))", "PAPER^GETOPACITY()"}},
        {3000, {"PLAYERNAME", "HELLO"}},
        {4700, {"HOG^GETPOSITIONX()", "HOG^GETPOSITIONY()", "HOG^GETEVENTNAME()"}},
        {6000, {"SAID", "OWL^GETEVENTNAME()", "SPEECH^ISPLAYING()"}},
        {7900, {"SAID", "OWL^GETEVENTNAME()"}},
        {10000, {"DABS", "BRUSH", "BOARD^GETALIASATCELL(1,2)", "SIGNED", "CNV^GETNUMVISIBLEPIXELS()"}},
        {11900, {"VISITS", "PLAYERNAME"}},
    };
    DemoSession session;
    session.keys = studioKeys();
    const Played played = play(session, studioClicks(), kStudioPumps, looks, "act2");
    EXPECT_EQ(played.exitCode, 0);
    EXPECT_EQ(played.seen, (std::vector<std::string>{
                        "LETTERS OPENING^ISRUNNING(\"PAPER\")=TRUE PAPER^GETOPACITY()=110",
                        // The second click on "come" paints it again; the click beside the poem
                        // finds no word.
                        "LETTERS INKED=0,4,19,19 INK=0 POEM^GETWORDAT(INKED^GET(0))=Click PAPER^GETOPACITY()=255",
                        "LETTERS PLAYERNAME=Ja\x9c HELLO=<B>Ja\x9c<B>, welcome to the studio!",
                        "GARDEN HOG^GETPOSITIONX()=148 HOG^GETPOSITIONY()=451 HOG^GETEVENTNAME()=LEFT",
                        // The owl talks while its speech plays; the click on it meanwhile starts
                        // nothing.
                        "GARDEN SAID=IDLE,START,1TALK,1TALK OWL^GETEVENTNAME()=1TALK SPEECH^ISPLAYING()=TRUE",
                        "GARDEN SAID=IDLE,START,1TALK,1TALK,1TALK,1TALK,END,IDLE,IDLE OWL^GETEVENTNAME()=IDLE",
                        "EASEL DABS=6 BRUSH=STICK4 BOARD^GETALIASATCELL(1,2)=STICK6 SIGNED=TRUE CNV^GETNUMVISIBLEPIXELS()=6384",
                        "TITLE VISITS=2 PLAYERNAME=Ja\x9c",
                    }));
    // Look at the frames (TAMZORA_DEMO_FRAMES) before taking new digests.
    EXPECT_EQ(played.digests, (std::vector<std::string>{"2a3aeeb4ebd6700a", "390ff1a8da98a1cf", "ada02a0646f430a1", "5652b13b0b2b475b",
                                                  "ce6e116da34e1f2c", "8ba9ef98a9ecdb59", "883c914e48ed586c", "2bef01bf8ce9a779"}));
    // The name typed, Polish letter and all, as the INI file keeps it.
    EXPECT_EQ(session.ini("GAME", "PLAYERNAME"), "Ja\x9c");
}

// The first scene of each act as it is reached: the title, and after GAME^GOTO the studio's
// letters; at each its objects, and at the letters the height of the studio's font.
std::vector<std::string> firstScenes(DemoSession& session)
{
    std::vector<std::string> seen;
    const auto note = [&](const char* text) { seen.push_back(DemoSession::sceneName() + " " + DemoSession::ask(text) + " " + DemoSession::objectsOfScene()); };
    session.play({}, 600, [&](int pump) {
        if (pump == 200) {
            note("STUDIOBUTTON^GETNAME()");
            DemoSession::ask("GAME^GOTO(\"STUDIO\")");
        }
        if (pump == 500)
            note("LETTERING^GETHEIGHT()");
    });
    return seen;
}

TEST(DemoGame, StartsFromItsCompiledFormAtTheFirstSceneOfEachActWithItsObjects)
{
    DemoSession session;
    const std::vector<std::string> fromScripts = firstScenes(session);
    ASSERT_EQ(fromScripts.size(), 2u);
    EXPECT_TRUE(fromScripts[0].starts_with("TITLE STUDIOBUTTON ")) << fromScripts[0];
    EXPECT_TRUE(fromScripts[1].starts_with("LETTERS 28 ")) << fromScripts[1];

    session.options = {"-window", "-2bin"};
    EXPECT_EQ(session.play({}, 50, [](int) {}), 0);
    for (const char* written : {"Dane/application.bin", "Dane/TITLE.bin", "Dane/LETTERS.bin", "Dane/STUDIO.bin"})
        EXPECT_FALSE(session.file(written).empty()) << written;
    session.options = {"-window"};
    const std::vector<std::string> compiled = firstScenes(session);
    ASSERT_EQ(compiled.size(), 2u);
    EXPECT_EQ(compiled[0], fromScripts[0]);
    // A compiled FONT record names no font file: its fonts have no letters, and texts show none.
    std::string lettersWithoutFonts = fromScripts[1];
    lettersWithoutFonts.replace(0, std::string("LETTERS 28").size(), "LETTERS 0");
    EXPECT_EQ(compiled[1], lettersWithoutFonts);
}

} // namespace
