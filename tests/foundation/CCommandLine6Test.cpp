#include "foundation/CCommandLine6.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

std::string text(const CXString& value)
{
    return value.c_str();
}

TEST(CCommandLine6, EmptyLineGivesTheDefaults)
{
    CCommandLine6 line("");
    EXPECT_EQ(line.getNoArgs(), 0);
    EXPECT_TRUE(line.isMusicEnabled());
    EXPECT_TRUE(line.isSoundEnabled());
    EXPECT_EQ(line.getResolution().cx, 800);
    EXPECT_EQ(line.getResolution().cy, 600);
    EXPECT_FALSE(line.isWindowMode());
    EXPECT_FALSE(line.isServer());
    EXPECT_EQ(text(line.getServer()), CCommandLine6::DefaultServer);
    EXPECT_EQ(text(line.getPath()), "");
    EXPECT_FALSE(line.isToPack());
    EXPECT_FALSE(line.isGame());
    EXPECT_EQ(line.getDelay(), 0);
    EXPECT_FALSE(line.isSecondaryDisplayEnabled());
    EXPECT_FALSE(line.isParameter("anything"));
    EXPECT_EQ(text(line.getParameter("anything")), "");
}

// Each switch read alone, in both forms; the accessor tells whether it took effect.
TEST(CCommandLine6, EverySwitchInBothForms)
{
    struct Switch {
        const char* word;
        std::function<bool(const CCommandLine6&)> given;
    };
    const Switch switches[] = {
        {"nomusic", [](const CCommandLine6& l) { return !l.isMusicEnabled(); }},
        {"nosound", [](const CCommandLine6& l) { return !l.isSoundEnabled(); }},
        {"window", [](const CCommandLine6& l) { return l.isWindowMode(); }},
        {"noframe", [](const CCommandLine6& l) { return l.isNoFrame(); }},
        {"pf", [](const CCommandLine6& l) { return l.isPageFlippingEnabled(); }},
        {"vmem", [](const CCommandLine6& l) { return l.isVMem(); }},
        {"nogfx", [](const CCommandLine6& l) { return l.isGFXEnabled(); }},
        {"bigfile", [](const CCommandLine6& l) { return l.isCreateBigFile(); }},
        {"code", [](const CCommandLine6& l) { return l.isToCode(); }},
        {"decode", [](const CCommandLine6& l) { return l.isToDecode(); }},
        {"remove", [](const CCommandLine6& l) { return l.isToRemove(); }},
        {"2bin", [](const CCommandLine6& l) { return l.is2Bin(); }},
        {"forceCNV", [](const CCommandLine6& l) { return l.isForceCNV(); }},
        {"debug", [](const CCommandLine6& l) { return l.isDebugMode(); }},
        {"log", [](const CCommandLine6& l) { return l.isLogEnabled(); }},
        {"cheat", [](const CCommandLine6& l) { return l.isCheatMode(); }},
        {"wyrtomelak", [](const CCommandLine6& l) { return l.isCheatMode(); }},
        {"client", [](const CCommandLine6& l) { return l.isClient(); }},
        {"server", [](const CCommandLine6& l) { return l.isServer(); }},
        {"params", [](const CCommandLine6& l) { return l.isRunWithParams(); }},
    };
    for (const Switch& s : switches) {
        for (const char* prefix : {"-", "/"}) {
            const std::string word = std::string(prefix) + s.word;
            EXPECT_TRUE(s.given(CCommandLine6(word.c_str()))) << word;
            EXPECT_TRUE(CCommandLine6(word.c_str()).isParameter(s.word)) << word;
        }
        EXPECT_FALSE(s.given(CCommandLine6(s.word))) << "bare " << s.word;
        EXPECT_FALSE(s.given(CCommandLine6(""))) << s.word;
    }
    EXPECT_FALSE(CCommandLine6("-forcecnv").isForceCNV());
    EXPECT_FALSE(CCommandLine6("-hdd").isHdd());
}

TEST(CCommandLine6, ValuesOfOptions)
{
    struct Case {
        const char* line;
        int width, height;
        const char* path;
        const char* game;
        const char* packDir;
        const char* packFile;
        int delay;
    };
    const Case cases[] = {
        {"-res 1024 768", 1024, 768, "", "", "", "", 0},
        {"-res 1024", 1024, 600, "", "", "", "", 0},
        {"/res 640 480", 640, 480, "", "", "", "", 0},
        {"-RES 1024 768", 800, 600, "", "", "", "", 0},
        {"-res", 800, 600, "", "", "", "", 0},
        {"-res 800 800", 800, 800, "", "", "", "", 0},
        // The height is the word after the width, even when an earlier word equals the width.
        {"-delay 1024 -res 1024 768", 1024, 768, "", "", "", "", 1024},
        {"-path one", 800, 600, "one", "", "", "", 0},
        {"-path one -game two -pack", 800, 600, "two", "two", "two", "two.pik", 0},
        {"-path one -game two -pack -file three.pik", 800, 600, "two", "two", "two", "three.pik", 0},
        {"-pack -path one", 800, 600, "one", "", "one", "one.pik", 0},
        {"-path one -file x.pik", 800, 600, "one", "", "", "", 0},
        {"-game", 800, 600, "", "", "", "", 0},
        {"-delay 2", 800, 600, "", "", "", "", 2},
        {"-delay 0", 800, 600, "", "", "", "", 0},
        {"-delay x", 800, 600, "", "", "", "", 0},
        {"  -path   spaced   ", 800, 600, "spaced", "", "", "", 0},
        {"-path\tx", 800, 600, "", "", "", "", 0},
    };
    for (const Case& c : cases) {
        CCommandLine6 line(c.line);
        EXPECT_EQ(line.getResolution().cx, c.width) << c.line;
        EXPECT_EQ(line.getResolution().cy, c.height) << c.line;
        EXPECT_EQ(text(line.getPath()), c.path) << c.line;
        EXPECT_EQ(line.isGame(), c.game[0] != '\0') << c.line;
        EXPECT_EQ(text(line.getPackDir()), c.packDir) << c.line;
        EXPECT_EQ(line.isToPack(), c.packDir[0] != '\0') << c.line;
        EXPECT_EQ(text(line.getPackFile()), c.packFile) << c.line;
        EXPECT_EQ(line.getDelay(), c.delay) << c.line;
        EXPECT_EQ(line.isSecondaryDisplayEnabled(), c.delay > 0) << c.line;
    }
}

TEST(CCommandLine6, ServerPlayerAndTextsReadOnRequest)
{
    CCommandLine6 withServer("-server host -player Bob -fullname My_Big_Game -version 1.2.3");
    EXPECT_TRUE(withServer.isServer());
    EXPECT_EQ(text(withServer.getServer()), "host");
    EXPECT_EQ(text(withServer.getPlayer()), "Bob");
    EXPECT_EQ(text(withServer.getFullName()), "My Big Game");
    EXPECT_EQ(text(withServer.getVersion()), "1.2.3");

    CCommandLine6 serverLast("-window -server");
    EXPECT_TRUE(serverLast.isServer());
    EXPECT_EQ(text(serverLast.getServer()), "");
    EXPECT_EQ(text(serverLast.getFullName()), "");
}

TEST(CCommandLine6, GenericParameters)
{
    CCommandLine6 line("x install /uninstall -game Tale -tail");
    EXPECT_EQ(line.getNoArgs(), 6);
    EXPECT_FALSE(line.isParameter("install"));
    EXPECT_EQ(text(line.getParameter("install")), "");
    EXPECT_TRUE(line.isParameter("uninstall"));
    EXPECT_EQ(text(line.getParameter("uninstall")), "-game");
    EXPECT_EQ(text(line.getParameter("game")), "Tale");
    EXPECT_TRUE(line.isParameter("tail"));
    EXPECT_EQ(text(line.getParameter("tail")), "");
    EXPECT_FALSE(line.isParameter("Game"));
    // A bare word equal to the name comes first, so its follower is the value.
    CCommandLine6 bare("player x -player Bob");
    EXPECT_EQ(text(bare.getParameter("player")), "x");
}

TEST(CCommandLine6, SettersChangeTheirFields)
{
    CCommandLine6 line("-path old");
    line.setAsWindow();
    line.setAsShowDbg();
    line.setAsHdd();
    line.setPath("new");
    EXPECT_TRUE(line.isWindowMode());
    EXPECT_TRUE(line.isDebugMode());
    EXPECT_FALSE(line.isHdd());
    EXPECT_EQ(text(line.getPath()), "new");
    CCommandLine6 other("");
    other.runInWindow();
    EXPECT_TRUE(other.isWindowMode());
}

} // namespace
