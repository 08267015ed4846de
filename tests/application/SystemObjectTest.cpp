// The SYSTEM object's methods in a live headless game, under a calendar the test sets.
#include "GameHost.h"

#include "application/CMC_System.h"
#include "application/CWebInstallLink.h"
#include "foundation/CapturedDebugOutput.h"

#include <utility>

using namespace apptest;

namespace {

// Sunday, 15 January 2012, 09:05:07 UTC.
constexpr int64_t kSundayInJanuary = 1326618307;
// Saturday, 29 December 2012, 23:59:59 UTC.
constexpr int64_t kLastSecondOfASaturday = 1356825599;

using Row = std::pair<std::string, std::string>;

class SystemObject : public GameHost {
protected:
    void TearDown() override
    {
        CWebInstallLink::install(nullptr);
        GameHost::TearDown();
    }

    // Each line's value, in order.
    void check(std::initializer_list<Row> rows)
    {
        for (const Row& row : rows)
            EXPECT_EQ(run(row.first), row.second) << row.first;
    }
};

TEST_F(SystemObject, DatesAndTimesReadTheCalendarAsUtc)
{
    ASSERT_TRUE(startScene(""));
    clock.setWallClock(kSundayInJanuary);
    check({
        {"SYSTEM^GETDATE()", "120115"},
        {"SYSTEM^GETDATESTRING()", "15/Styczen/2012"},
        {"SYSTEM^GETDAY()", "15"},
        {"SYSTEM^GETDAYOFWEEK()", "1"},
        {"SYSTEM^GETDAYOFWEEKSTRING()", "Niedziela"},
        {"SYSTEM^GETMONTH()", "1"},
        {"SYSTEM^GETMONTHSTRING()", "Styczen"},
        {"SYSTEM^GETYEAR()", "2012"},
        {"SYSTEM^GETTIMESTRING()", "9:5"},
        {"SYSTEM^GETHOUR()", "9"},
        {"SYSTEM^GETMINUTES()", "5"},
        {"SYSTEM^GETSECONDS()", "7"},
        {"SYSTEM^GETNAME()", "SYSTEM"},
        {"SYSTEM^NOSUCHMETHOD()", "none"},
    });
    // The last names of both tables.
    clock.setWallClock(kLastSecondOfASaturday);
    check({
        {"SYSTEM^GETDAYOFWEEK()", "7"},
        {"SYSTEM^GETDAYOFWEEKSTRING()", "Sobota"},
        {"SYSTEM^GETDATESTRING()", "29/Grudzien/2012"},
        {"SYSTEM^GETTIMESTRING()", "23:59"},
    });
}

TEST_F(SystemObject, DelaySleepsTheEngineClockAndTheCalendarMovesWithIt)
{
    ASSERT_TRUE(startScene(""));
    clock.setWallClock(kLastSecondOfASaturday);
    const int start = std::stoi(run("SYSTEM^GETSYSTEMTIME()"));
    clock.advance(250);
    EXPECT_EQ(std::stoi(run("SYSTEM^GETSYSTEMTIME()")), start + 250);

    // Nothing at all for a wait that is not positive.
    check({{"SYSTEM^DELAY(-5)", "none"}, {"SYSTEM^DELAY(0)", "none"}});
    EXPECT_EQ(std::stoi(run("SYSTEM^GETSYSTEMTIME()")), start + 250);

    check({
        {"SYSTEM^DELAY(1000)", "none"},
        {"SYSTEM^GETDAYOFWEEKSTRING()", "Niedziela"},
        {"SYSTEM^GETDATE()", "121230"},
        {"SYSTEM^GETTIMESTRING()", "0:0"},
    });
    EXPECT_EQ(std::stoi(run("SYSTEM^GETSYSTEMTIME()")), start + 1250);
}

TEST_F(SystemObject, CopyFileReplacesAnExistingFile)
{
    writeFile("Dane/saved.txt", "new");
    writeFile("Dane/backup.txt", "old");
    ASSERT_TRUE(startScene(""));
    check({
        {"SYSTEM^COPYFILE(\"saved.txt\", \"backup.txt\")", "TRUE"},
        // The data root's marker.
        {"SYSTEM^COPYFILE(\"$Dane\\saved.txt\", \"$copy.txt\")", "TRUE"},
        {"SYSTEM^COPYFILE(\"missing.txt\", \"backup.txt\")", "FALSE"},
        {"SYSTEM^COPYFILE()", "FALSE"},
    });
    EXPECT_EQ(folder.temp.read("Dane/backup.txt"), "new");
    EXPECT_EQ(folder.temp.read("copy.txt"), "new");
}

TEST_F(SystemObject, CommandLineParametersOfTheEngineHost)
{
    ASSERT_TRUE(startScene("", "-player TESTER -cheat"));
    check({
        {"SYSTEM^ISCMDLINEPARAMETER(\"player\")", "TRUE"},
        {"SYSTEM^GETCMDLINEPARAMETER(\"player\")", "TESTER"},
        {"SYSTEM^ISCMDLINEPARAMETER(\"cheat\")", "TRUE"},
        {"SYSTEM^ISCMDLINEPARAMETER(\"window\")", "FALSE"},
        {"SYSTEM^GETCMDLINEPARAMETER(\"window\")", ""},
    });
}

TEST_F(SystemObject, MinimizeMinimisesTheHostWindow)
{
    ASSERT_TRUE(startScene(""));
    EXPECT_EQ(run("SYSTEM^MINIMIZE()"), "none");
    EXPECT_EQ(hostWindow().minimizeCount(), 1);
}

// Records each call with the folder it was made in.
class RecordingInstaller : public CWebInstallLink {
public:
    bool installGame(const CXString& game, const CXString& fullName, const CXString& server) override
    {
        calls.push_back("install " + text(game) + "," + text(fullName) + "," + text(server) + " in " + text(CFile::getCurrentDirectory()));
        return false;
    }
    int uninstallGame(const CXString& game) override
    {
        calls.push_back("uninstall " + text(game) + " in " + text(CFile::getCurrentDirectory()));
        return 1;
    }

    std::vector<std::string> calls;
};

TEST_F(SystemObject, InstallRunsInTheProgramFolderAndComesBack)
{
    ASSERT_TRUE(startScene(""));
    const std::string dataFolder = text(CFile::getCurrentDirectory());
    RecordingInstaller installer;
    CWebInstallLink::install(&installer);
    check({{"SYSTEM^INSTALL(\"Kulki\", \"Kulki_Dwa\")", "none"}, {"SYSTEM^UNINSTALL(\"Kulki\")", "none"}});
    EXPECT_EQ(installer.calls, (std::vector<std::string>{
                                   "install Kulki,Kulki_Dwa," + std::string(CCommandLine6::DefaultServer) + " in T:\\",
                                   "uninstall Kulki in " + dataFolder,
                               }));
    EXPECT_EQ(text(CFile::getCurrentDirectory()), dataFolder);
}

TEST_F(SystemObject, WithoutAnInstallerInstallingOnlyWritesADebugLine)
{
    ASSERT_TRUE(startScene(""));
    const std::string dataFolder = text(CFile::getCurrentDirectory());
    CapturedDebugOutput debug;
    ASSERT_TRUE(debug.ready());
    check({{"SYSTEM^INSTALL(\"Kulki\", \"Kulki\")", "none"}, {"SYSTEM^UNINSTALL(\"Kulki\")", "none"}});
    EXPECT_EQ(debug.text(), "SYSTEM^INSTALL: no web installation\nSYSTEM^UNINSTALL: no web installation\n");
    EXPECT_EQ(text(CFile::getCurrentDirectory()), dataFolder);
}

TEST_F(SystemObject, ProcessorSpeedIsMeasuredOnTheClock)
{
    ASSERT_TRUE(startScene(""));
    // A clock that moves only when slept still ends the measurement, 50 ms later.
    const uint32_t start = clock.tickMs();
    run("SYSTEM^GETMHZ()");
    EXPECT_EQ(clock.tickMs() - start, 50u);
}

TEST(SystemObjectOnTheRealClock, ProcessorSpeedIsPositive)
{
    CMC_System system(nullptr);
    EXPECT_GT(system.getMHz(), 0);
}

} // namespace
