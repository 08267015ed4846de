#include "platform/AtomicFile.h"
#include "platform/DriveMap.h"
#include "platform/IniFileProfile.h"

#include "TempFolder.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

using platform::IniFileProfile;

class IniTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drives_.set('C', "/", platform::DriveType::Fixed);
        platform::setDrives(&drives_);
    }
    void TearDown() override { platform::setDrives(nullptr); }

    std::string file(const std::string& name) const { return root_.path() + "\\" + name; }

    TempFolder root_;
    platform::DriveMap drives_;
    IniFileProfile ini_{root_.path() + "/config"};
};

TEST_F(IniTest, ReadsTheWayWindowsDoes)
{
    root_.write("game.ini",
                "\xEF\xBB\xBF"
                "orphan=no section\r\n"
                "; comment=not a key\r\n"
                "[Main]\r\n"
                "  Title  =  Moja Gra  \r\n"
                "Quoted=\"  spaced  \"\r\n"
                "Single='x'\r\n"
                "Mismatched=\"x'\r\n"
                "Empty=\r\n"
                "Equals=a=b\r\n"
                "Title=second, ignored\r\n"
                "just a line\r\n"
                "[ Other ]\n"
                "key=other\n"
                "[main]\r\n"
                "Late=found in a repeated section\r\n"
                "[Stat\xA3]\r\n"
                "Time=1\r\n");
    struct Case {
        const char* section;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"MAIN", "title", "Moja Gra"},
        {"Main", "Quoted", "  spaced  "},
        {"Main", "Single", "x"},
        {"Main", "Mismatched", "\"x'"},
        {"Main", "Empty", ""},
        {"Main", "Equals", "a=b"},
        {"main", "Late", "found in a repeated section"},
        {"other", "KEY", "other"},
        {"stat\xB3", "time", "1"},           // Polish letters compare regardless of case
        {"Main", "; comment", "<default>"},
        {"Main", "just a line", "<default>"},
        {"", "orphan", "<default>"},
        {"Main", "missing", "<default>"},
        {"Missing", "Title", "<default>"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini_.getString(file("GAME.INI"), c.section, c.key, "<default>"), c.expected) << c.section << "/" << c.key;
    EXPECT_EQ(ini_.getString(file("none.ini"), "Main", "Title", "fallback   "), "fallback");
}

TEST_F(IniTest, IntegersReadTheirLeadingNumber)
{
    root_.write("n.ini", "[S]\nneg=-5\nmixed=12abc\nword=abc\nempty=\nplus= +7 \nwrap=4294967297\n");
    struct Case {
        const char* key;
        int expected;
    };
    const Case cases[] = {{"neg", -5}, {"mixed", 12}, {"word", 0}, {"empty", 99}, {"plus", 7}, {"wrap", 1}, {"missing", 99}};
    for (const auto& c : cases)
        EXPECT_EQ(ini_.getInt(file("n.ini"), "S", c.key, 99), c.expected) << c.key;
}

TEST_F(IniTest, WritesCreateFileAndSectionsAndSurviveAReload)
{
    EXPECT_TRUE(ini_.writeString(file("save.ini"), "PLAYER", "NAME", "Anna"));
    EXPECT_TRUE(ini_.writeString(file("save.ini"), "scene1", "Time", "-5"));
    EXPECT_TRUE(ini_.writeString(file("save.ini"), "player", "name", "Ola"));
    EXPECT_TRUE(ini_.writeString(file("save.ini"), "Player", "Score", "10"));
    EXPECT_EQ(root_.read("save.ini"), "[PLAYER]\r\nNAME=Ola\r\nScore=10\r\n\r\n[scene1]\r\nTime=-5\r\n");

    IniFileProfile reloaded(root_.path());
    EXPECT_EQ(reloaded.getString(file("SAVE.INI"), "player", "NAME", ""), "Ola");
    EXPECT_EQ(reloaded.getInt(file("save.ini"), "SCENE1", "time", 0), -5);
    EXPECT_FALSE(ini_.writeString(root_.path() + "\\missing\\x.ini", "S", "k", "v")); // no such folder
}

TEST_F(IniTest, EditsKeepTheRestOfTheFile)
{
    root_.write("keep.ini", "; header\n[A]\nx=1\n\n; about B\n[B]\ny=2\n");
    EXPECT_TRUE(ini_.writeString(file("keep.ini"), "a", "z", "3"));
    EXPECT_TRUE(ini_.writeString(file("keep.ini"), "B", "Y", " 20 "));
    EXPECT_EQ(root_.read("keep.ini"), "; header\n[A]\nx=1\nz=3\n\n; about B\n[B]\ny= 20 \n");
    EXPECT_EQ(ini_.getString(file("keep.ini"), "B", "y", ""), "20");

    EXPECT_TRUE(ini_.deleteKey(file("keep.ini"), "A", "X"));
    EXPECT_FALSE(ini_.deleteKey(file("keep.ini"), "A", "x"));
    EXPECT_TRUE(ini_.deleteSection(file("keep.ini"), "b"));
    EXPECT_FALSE(ini_.deleteSection(file("keep.ini"), "b"));
    EXPECT_EQ(root_.read("keep.ini"), "; header\n[A]\nz=3\n\n; about B\n");
}

TEST_F(IniTest, UntouchedLinesKeepTheirOwnEnds)
{
    root_.write("mixed.ini", "[A]\r\nx=1\ny=2\r\nstray=\r\r\n; last");
    EXPECT_TRUE(ini_.writeString(file("mixed.ini"), "A", "z", "3"));
    EXPECT_EQ(root_.read("mixed.ini"), "[A]\r\nx=1\ny=2\r\nstray=\r\r\nz=3\r\n; last");
    EXPECT_EQ(ini_.getString(file("mixed.ini"), "A", "stray", "d"), "");
    EXPECT_TRUE(ini_.writeString(file("mixed.ini"), "B", "k", "v"));
    EXPECT_EQ(root_.read("mixed.ini"), "[A]\r\nx=1\ny=2\r\nstray=\r\r\nz=3\r\n; last\r\n\r\n[B]\r\nk=v\r\n");
}

TEST_F(IniTest, WritersOfOneFileLoseNoUpdate)
{
    // Two objects stand for two processes: each reads, changes and writes the file on its own.
    constexpr int kWrites = 40;
    auto writer = [this](const char* prefix) {
        IniFileProfile ini(root_.path());
        for (int i = 0; i < kWrites; ++i)
            ini.writeString(file("shared.ini"), "S", prefix + std::to_string(i), "v");
    };
    std::thread first(writer, "a");
    std::thread second(writer, "b");
    first.join();
    second.join();
    for (const char* prefix : {"a", "b"})
        for (int i = 0; i < kWrites; ++i)
            EXPECT_EQ(ini_.getString(file("shared.ini"), "S", prefix + std::to_string(i), "lost"), "v") << prefix << i;
}

TEST_F(IniTest, LongValuesAreCutAtTheBufferSize)
{
    const std::string longValue(20000, 'v');
    EXPECT_TRUE(ini_.writeString(file("long.ini"), "S", "k", longValue));
    EXPECT_EQ(ini_.getString(file("long.ini"), "S", "k", ""), longValue.substr(0, IniFileProfile::kMaxValueLength));
}

TEST_F(IniTest, RefusesWritesThatWouldReadBackAsOtherLines)
{
    struct Case {
        const char* section;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {"S", "k", "two\nlines"}, {"S", "k", "cr\r"}, {"S]", "k", "v"},   {"S\n[T", "k", "v"},
        {"S", "k=x", "v"},        {"S", "[T]", "v"},  {"S", " ;k", "v"},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(ini_.writeString(file("safe.ini"), c.section, c.key, c.value)) << c.section << "/" << c.key;
    EXPECT_FALSE(std::filesystem::exists(root_ / "safe.ini"));
}

TEST_F(IniTest, CrashBetweenWriteAndRenameLosesNothing)
{
    ASSERT_TRUE(ini_.writeString(file("c.ini"), "S", "k", "old"));
    platform::AtomicFile::simulateCrashBeforeRename(true);
    EXPECT_FALSE(ini_.writeString(file("c.ini"), "S", "k", "new"));
    platform::AtomicFile::simulateCrashBeforeRename(false);
    IniFileProfile afterRestart(root_.path());
    EXPECT_EQ(afterRestart.getString(file("c.ini"), "S", "k", ""), "old");
}

TEST_F(IniTest, BareNamesLiveInTheConfigFolderAndPathsResolveCaseInsensitively)
{
    EXPECT_TRUE(ini_.writeString("Tamzora.ini", "MAIN", "TITLE", "Gra"));
    EXPECT_EQ(root_.read("config/Tamzora.ini"), "[MAIN]\r\nTITLE=Gra\r\n");
    root_.write("dane/gra.ini", "[S]\nk=v\n");
    EXPECT_EQ(ini_.getString(file("DANE\\GRA.INI"), "s", "K", ""), "v");
    EXPECT_TRUE(ini_.writeString(file("Dane\\Gra.Ini"), "S", "k", "w"));
    EXPECT_EQ(root_.read("dane/gra.ini"), "[S]\nk=w\n");
    EXPECT_EQ(ini_.getString("", "S", "k", "d"), "d");
    EXPECT_FALSE(ini_.writeString("", "S", "k", "v"));
}

} // namespace
