#include "foundation/CConfig.h"

#include "platform/DriveMap.h"
#include "platform/IniFileProfile.h"
#include "platform/TempFolder.h"

#include <gtest/gtest.h>

namespace {

class CConfigTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        drives_.set('C', "/", platform::DriveType::Fixed);
        platform::setDrives(&drives_);
        platform::setProfileIni(&ini_);
    }
    void TearDown() override
    {
        platform::setProfileIni(nullptr);
        platform::setDrives(nullptr);
    }

    CXString file(const char* name) const { return CXString((root_.path() + "\\" + name).c_str()); }

    TempFolder root_;
    platform::DriveMap drives_;
    platform::IniFileProfile ini_{root_.path() + "/config"};
};

TEST_F(CConfigTest, ReadsAWindowsWrittenFile)
{
    root_.write("game.ini",
                "[Main]\r\n"
                "Title = Moja Gra\r\n"
                "Count = 12abc\r\n"
                "Word = abc\r\n"
                "Negative = -40\r\n"
                "[PLAYER]\r\n"
                "name = Ania\r\n");
    const CConfig config(file("game.ini"));
    EXPECT_STREQ(config.GetString("MAIN", "TITLE").c_str(), "Moja Gra");
    EXPECT_STREQ(config.GetString("player", "NAME").c_str(), "Ania");
    EXPECT_EQ(config.GetInt("main", "count"), 12);
    EXPECT_EQ(config.GetInt("Main", "Word"), 0);
    EXPECT_EQ(config.GetInt("Main", "Negative"), -40);
    EXPECT_STREQ(config.GetString("Main", "Missing").c_str(), "");
    EXPECT_EQ(config.GetInt("Other", "Count"), 0);
}

TEST_F(CConfigTest, MissingFileReadsAsNothing)
{
    const CConfig config(file("absent.ini"));
    EXPECT_STREQ(config.GetString("Main", "Title").c_str(), "");
    EXPECT_EQ(config.GetInt("Main", "Title"), 0);
}

TEST_F(CConfigTest, WritesAreSeenAtOnceByEveryObjectOnTheFile)
{
    const CConfig writer(file("save.ini"));
    const CConfig reader(file("save.ini"));
    writer.PutInt("Scene1", "Played", -5);
    EXPECT_STREQ(reader.GetString("scene1", "played").c_str(), "-5");
    EXPECT_EQ(reader.GetInt("SCENE1", "PLAYED"), -5);
    writer.PutString("Scene1", "Name", "Za\xBF\xF3\xB3\xE6");
    EXPECT_STREQ(reader.GetString("Scene1", "Name").c_str(), "Za\xBF\xF3\xB3\xE6");
    writer.PutInt("Scene1", "Played", 7);
    EXPECT_EQ(reader.GetInt("Scene1", "Played"), 7);
}

TEST_F(CConfigTest, MissingKeyNeverGivesAStaleValue)
{
    root_.write("game.ini", "[Main]\r\nTitle=first\r\n");
    const CConfig config(file("game.ini"));
    EXPECT_STREQ(config.GetString("Main", "Title").c_str(), "first");
    EXPECT_STREQ(config.GetString("Main", "Other").c_str(), "");
}

TEST_F(CConfigTest, LongValueIsCutToTheReadBuffer)
{
    root_.write("long.ini", "[Main]\r\nText=" + std::string(12000, 'x') + "\r\n");
    const CConfig config(file("long.ini"));
    EXPECT_EQ(config.GetString("Main", "Text").getLength(), 10239);
}

} // namespace
