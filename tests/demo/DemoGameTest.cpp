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
    EXPECT_EQ(played.digests, (std::vector<std::string>{"55e17c37b703141c", "d3b620dd29c6ebed", "d479c96086c7e827", "2a00e5d09407065f",
                                                  "bfe37788c76d0c33", "29d4457bbd733ca8"}));
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
    // the owl's events during and after its speech, the painting signed, back at the title.
    const std::map<int, std::vector<std::string>> looks = {
        {810, {"OPENING^ISRUNNING(\"PAPER\")", "PAPER^GETOPACITY()"}},
        {2350, {"INKED", "INK", "POEM^GETWORDAT(INKED^GET(0))", "PAPER^GETOPACITY()"}},
        {3000, {"PLAYERNAME", "HELLO"}},
        {4700, {"HOG^GETPOSITIONX()", "HOG^GETPOSITIONY()", "HOG^GETEVENTNAME()"}},
        {6000, {"SAID", "OWL^GETEVENTNAME()", "SPEECH^ISPLAYING()"}},
        {7900, {"SAID", "OWL^GETEVENTNAME()"}},
        {10000, {"DABS", "BRUSH", "SIGNED", "CNV^GETNUMVISIBLEPIXELS()"}},
        {11900, {"VISITS", "PLAYERNAME"}},
    };
    DemoSession session;
    session.keys = studioKeys();
    const Played played = play(session, studioClicks(), kStudioPumps, looks, "act2");
    EXPECT_EQ(played.exitCode, 0);
    EXPECT_EQ(played.seen, (std::vector<std::string>{
                        "LETTERS OPENING^ISRUNNING(\"PAPER\")=TRUE PAPER^GETOPACITY()=40",
                        // The second click on "come" paints it again; the click beside the poem
                        // finds no word.
                        "LETTERS INKED=0,4,19,19 INK=0 POEM^GETWORDAT(INKED^GET(0))=Click PAPER^GETOPACITY()=255",
                        "LETTERS PLAYERNAME=Ja\x9c HELLO=<B>Ja\x9c<B>, welcome to the studio!",
                        "GARDEN HOG^GETPOSITIONX()=148 HOG^GETPOSITIONY()=451 HOG^GETEVENTNAME()=LEFT",
                        // The owl talks while its speech plays; the click on it meanwhile starts
                        // nothing.
                        "GARDEN SAID=IDLE,START,1TALK,1TALK OWL^GETEVENTNAME()=1TALK SPEECH^ISPLAYING()=TRUE",
                        "GARDEN SAID=IDLE,START,1TALK,1TALK,1TALK,1TALK,END,IDLE,IDLE OWL^GETEVENTNAME()=IDLE",
                        "EASEL DABS=4 BRUSH=DOT3 SIGNED=TRUE CNV^GETNUMVISIBLEPIXELS()=3561",
                        "TITLE VISITS=2 PLAYERNAME=Ja\x9c",
                    }));
    // Look at the frames (TAMZORA_DEMO_FRAMES) before taking new digests.
    EXPECT_EQ(played.digests, (std::vector<std::string>{"f03cdc038ad6b2ea", "390ff1a8da98a1cf", "ada02a0646f430a1", "8ba9ef98a9ecdb59",
                                                  "ce6e116da34e1f2c", "8ba9ef98a9ecdb59", "ac1904d1bb54523a", "2bef01bf8ce9a779"}));
    // The name typed, Polish letter and all, as the INI file keeps it.
    EXPECT_EQ(session.ini("GAME", "PLAYERNAME"), "Ja\x9c");
}

} // namespace
