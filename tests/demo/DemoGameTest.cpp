// The demo game played from its title to the stars and back, headless through the player, with
// a fixed script of clicks: the scenes it reaches, what its scripts counted, what it wrote to its
// INI file and what the screen showed.
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
    std::vector<std::string> seen;
    std::vector<std::string> digests;
    const int exitCode = session.play(demoClicks(), kDemoPumps, [&](int pump) {
        const auto look = looks.find(pump);
        if (look == looks.end())
            return;
        seen.push_back(state(look->second));
        digests.push_back(hex(session.screenDigest()));
    });
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(seen, (std::vector<std::string>{
                        "TITLE VISITS=1 WINKS=1 CHIME^ISPLAYING()=TRUE",
                        "MEADOW OPENED=3,1,2 BLOOMED=3 COLOUR=FLY FANFARE^ISPLAYING()=TRUE",
                        "POND JUMPS=5 NAME=FLY5 FROG^ISPLAYING(\"SIT\")=TRUE",
                        "SKY LITSTARS=2,5,1,4,3 LIT=5 SUNG=3 WHOOSH^ISPLAYING()=TRUE",
                        "SKY METEORS=1 SUNG=5",
                        "TITLE VISITS=2 WINKS=0",
                    }));
    // The screens at those pumps. The pictures are made anew at every build, so a change to the
    // maker, the scripts or the drawing changes these: look at the frames before taking new ones.
    EXPECT_EQ(digests, (std::vector<std::string>{"8ea19a70c6c43245", "d3b620dd29c6ebed", "d479c96086c7e827", "29f3d36b514cf4ac",
                                                  "35e8f96f8d0aa499", "6dbc75b26407addd"}));
    // The visits and each scene's visits and seconds, as the game left them at the end.
    EXPECT_EQ(session.ini("GAME", "VISITS"), "2");
    const std::pair<const char*, const char*> played[] = {{"TITLE", "2"}, {"MEADOW", "1"}, {"POND", "1"}, {"SKY", "1"}};
    for (const auto& [scene, times] : played)
        EXPECT_EQ(session.ini(scene, "Played"), times) << scene;
    EXPECT_EQ(session.ini("SKY", "Time"), "16");
}

} // namespace
