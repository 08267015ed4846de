// The download dialog of web installs: what it shows while it fetches a file from the test's
// server, how its button and close box end it, and whether the file arrived.
#include "player/CUpdateDialog.h"

#include "platform/Files.h"
#include "platform/HeadlessWindowSystem.h"
#include "platform/ManualClock.h"
#include "platform/TempFolder.h"
#include "platform/WindowSystem.h"
#include "tests/network/HttpTestServer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace {

using Press = platform::HeadlessWindowSystem::DialogPress;

const std::string kConnecting = "\xA3\xB9" "cz\xEA si\xEA z serwerem Halvremont....";
const std::string kNoConnection = "Nie moge po\xB3\xB9" "czy\xE6 z serwerem Halvremont.";
const std::string kFailed = "Wyst\xB9pi\xB3 b\xB3\xB9" "d: ";
const std::string kFinish = "Zako\xF1" "cz";
const std::string kBody = httptest::pattern(3000);

enum class Reply { WithLength, WithoutLength, Missing, CutShort, Endless, NoServer };
enum class User { Patient, PressesWhileLoading, ClosesWhileLoading };

struct DialogCase {
    const char* name;
    Reply reply;
    User user;
    // How the status line begins at the end.
    std::string lastStatus;
    std::vector<std::string> buttons;
    // -1: whether the counts were shown before the end depends on the threads.
    int lastPosition;
    bool arrived;
};

class UpdateDialog : public ::testing::TestWithParam<DialogCase> {
protected:
    void SetUp() override
    {
        platform::setWindowSystem(&windows);
        platform::setClock(&clock);
        previousFolder_ = platform::files().currentFolder();
        ASSERT_TRUE(platform::files().setCurrentFolder(work.path()));
    }
    void TearDown() override
    {
        platform::files().setCurrentFolder(previousFolder_);
        platform::setClock(nullptr);
        platform::setWindowSystem(nullptr);
    }

    void serve(Reply reply)
    {
        switch (reply) {
        case Reply::WithLength:
            return server->serve("/games/f.bin", httptest::withLength(kBody));
        case Reply::WithoutLength:
            return server->serve("/games/f.bin", httptest::withoutLength(kBody));
        case Reply::Missing:
            return;
        case Reply::CutShort: {
            httptest::Reply cut = httptest::withLength(kBody);
            cut.sent = 1500;
            return server->serve("/games/f.bin", cut);
        }
        case Reply::Endless: {
            httptest::Reply endless = httptest::withoutLength(kBody);
            endless.trickle = true;
            return server->serve("/games/f.bin", endless);
        }
        case Reply::NoServer:
            // Nothing listens on the port any more.
            server.reset();
            return;
        }
    }
    void actAs(User user)
    {
        if (user == User::Patient)
            return;
        const Press press = user == User::PressesWhileLoading ? Press::Button : Press::CloseBox;
        windows.setDialogUser([press](const platform::ProgressDialogRecord& dialog) -> std::optional<Press> {
            if (dialog.statuses.back().rfind("Wczytuj", 0) == 0)
                return press;
            return std::nullopt;
        });
    }

    platform::HeadlessWindowSystem windows;
    platform::ManualClock clock;
    TempFolder work;
    std::optional<httptest::Server> server{std::in_place};

private:
    std::string previousFolder_;
};

TEST_P(UpdateDialog, ShowsTheDownloadAndTellsWhetherTheFileArrived)
{
    const DialogCase& c = GetParam();
    ASSERT_TRUE(server->isUp());
    const std::string host = server->host();
    serve(c.reply);
    actAs(c.user);
    bool arrived;
    {
        CUpdateDialog dialog(("http://" + host + "/games/").c_str());
        arrived = dialog.download("f.bin", host.c_str());
    }
    EXPECT_EQ(arrived, c.arrived);
    EXPECT_EQ(std::filesystem::exists(work / "f.bin"), c.arrived);
    ASSERT_EQ(windows.progressDialogs().size(), 1u);
    const platform::ProgressDialogRecord& shown = windows.progressDialogs()[0];
    EXPECT_EQ(shown.look.title, "Aktualizacja produktu...");
    EXPECT_EQ(shown.look.origin.x, 300);
    EXPECT_EQ(shown.look.origin.y, 200);
    ASSERT_GE(shown.statuses.size(), 3u);
    EXPECT_EQ(shown.statuses[0], "xxx");
    EXPECT_EQ(shown.statuses[1], kConnecting);
    EXPECT_EQ(shown.statuses.back().substr(0, c.lastStatus.size()), c.lastStatus);
    EXPECT_EQ(shown.buttons, c.buttons);
    if (c.lastPosition >= 0) {
        EXPECT_EQ(shown.positions.back(), c.lastPosition);
    }
    EXPECT_EQ(shown.result, 1037);
}

const std::vector<std::string> kInstalled{"Anuluj", "Instaluj >>"};
const std::vector<std::string> kEnded{"Anuluj", kFinish};

INSTANTIATE_TEST_SUITE_P(
    Downloads, UpdateDialog,
    ::testing::Values(
        DialogCase{"Finished", Reply::WithLength, User::Patient, "Wczytuj\xEA plik f.bin( 3000/3000) ", kInstalled, 100, true},
        // Without a length the total reads 0 and the bar never moves.
        DialogCase{"WithoutLength", Reply::WithoutLength, User::Patient, "Wczytuj\xEA plik f.bin( 3000/0) ", kInstalled, 0, true},
        DialogCase{"NotOnTheServer", Reply::Missing, User::Patient,
                   kFailed + "Plik f.bin nie zostal znaleziony na serwerze.", kEnded, 0, false},
        DialogCase{"CutShort", Reply::CutShort, User::Patient, kFailed + "Blad podczas wczytywania danych.", kEnded, -1, false},
        DialogCase{"NoServer", Reply::NoServer, User::Patient, kNoConnection, kEnded, 0, false},
        DialogCase{"Cancelled", Reply::Endless, User::PressesWhileLoading, "Wczytuj\xEA plik f.bin( ", {"Anuluj"}, 0, false},
        DialogCase{"ClosedWithTheCloseBox", Reply::Endless, User::ClosesWhileLoading, "Wczytuj\xEA plik f.bin( ", {"Anuluj"}, 0,
                   false}),
    [](const ::testing::TestParamInfo<DialogCase>& info) { return std::string(info.param.name); });

} // namespace
