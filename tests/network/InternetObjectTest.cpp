#include "application/GameHost.h"
#include "foundation/CMElement.h"
#include "foundation/CSelfExtract.h"
#include "network/CInternet.h"
#include "network/CMC_Internet.h"
#include "platform/Files.h"
#include "tests/network/HttpTestServer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

using apptest::behaviour;
using apptest::declared;

namespace {

// A game whose scene holds the INTERNET object NET, checking the test's download server, with
// a handler that adds "D;" to LOG for each "ONDOWNLOADED". A script cannot write a port (':'
// separates its words), so NET is made from an element written here, as the scene makes the
// objects of its script; the script declares another, IDLE, which checks the maker's server.
class InternetObject : public apptest::GameHost {
protected:
    void SetUp() override
    {
        GameHost::SetUp();
        ASSERT_TRUE(server.isUp());
        ASSERT_TRUE(startScene(declared("LOG", "STRING", {"VALUE="}) + behaviour("onDOWNLOADED", "LOG^ADD(\"D;\");") +
                               declared("IDLE", "INTERNET")));
        CMElement element("NET");
        element.addProperty("TYPE", "INTERNET");
        element.addProperty("SERVER", server.host().c_str());
        element.addProperty("ONDOWNLOADED", "onDOWNLOADED");
        std::unique_ptr<CXVector> made(liveScene()->resolve(&element, nullptr));
        ASSERT_EQ(made->getSize(), 1);
        net = dynamic_cast<CMC_Internet*>(static_cast<CMC_Object*>(made->at(0)));
        ASSERT_NE(net, nullptr);
        liveScene()->addObject(net);
        ASSERT_TRUE(net->getInternet()->isConnected());
        working = std::filesystem::path(platform::files().nativePath(platform::files().currentFolder()));
    }
    // Runs the line and waits for the download it starts to end.
    void download(const std::string& line)
    {
        run(line);
        ASSERT_TRUE(net->getInternet()->waitForEnd(10000));
    }
    std::string read(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    httptest::Server server;
    CMC_Internet* net = nullptr;
    // The scene's working folder, where downloads land.
    std::filesystem::path working;
};

TEST_F(InternetObject, OnDownloadedIsRaisedOnceInTheTurnAfterTheFinish)
{
    const std::string body = httptest::pattern(200000);
    server.serve("/games/a=1.bin", httptest::withLength(body));
    download("NET^GET(\"" + server.host() + "&slashgames&slash\", \"a&equals1.bin\")");
    EXPECT_EQ(server.requestLines(), std::vector<std::string>{"GET /games/a=1.bin HTTP/1.1"});
    EXPECT_EQ(read(working / "a=1.bin"), body);
    EXPECT_EQ(value("LOG"), "");
    turn();
    EXPECT_EQ(value("LOG"), "D;");
    turns(3);
    EXPECT_EQ(value("LOG"), "D;");
    EXPECT_EQ(run("NET^GETPROGRESS()"), "100");
}

TEST_F(InternetObject, OneArgumentAsksTheServerAndRaisesNothing)
{
    server.serve("/", httptest::withLength("index"));
    download("NET^GET(\"" + server.host() + "\")");
    turns(2);
    EXPECT_EQ(server.requestLines(), std::vector<std::string>{"GET / HTTP/1.1"});
    EXPECT_EQ(value("LOG"), "");
}

TEST_F(InternetObject, ProgressIsAPercentOfAKnownSizeAndFailuresRaiseNothing)
{
    EXPECT_EQ(run("NET^GETPROGRESS()"), "0");
    EXPECT_EQ(run("IDLE^GETPROGRESS()"), "0");
    httptest::Reply cut = httptest::withLength(httptest::pattern(1000));
    cut.sent = 500;
    server.serve("/cut.bin", cut);
    download("NET^GET(\"" + server.host() + "&slash\", \"cut.bin\")");
    turns(2);
    EXPECT_EQ(value("LOG"), "");
    EXPECT_EQ(run("NET^GETPROGRESS()"), "50");
    EXPECT_FALSE(std::filesystem::exists(working / "cut.bin"));

    server.serve("/open.bin", httptest::withoutLength("no length"));
    download("NET^GET(\"" + server.host() + "&slash\", \"open.bin\")");
    EXPECT_EQ(run("NET^GETPROGRESS()"), "0");
    turn();
    EXPECT_EQ(value("LOG"), "D;");

    // Sizes past 32 bits, and products past 64.
    CInternet* internet = net->getInternet();
    internet->setTotalSize(int64_t(1) << 62);
    internet->onDownload((int64_t(1) << 61) - 1 - internet->getDataBytes());
    EXPECT_EQ(run("NET^GETPROGRESS()"), "49");
}

TEST_F(InternetObject, ExtractUnpacksAPackageOfTheTempFolderAndIgnoresADamagedOne)
{
    std::filesystem::create_directories(working / "src" / "sub");
    std::filesystem::create_directories(working / "temp");
    std::ofstream(working / "src" / "a.txt", std::ios::binary) << "first file";
    std::ofstream(working / "src" / "sub" / "b.txt", std::ios::binary) << httptest::pattern(5000);
    CSelfExtract packer;
    packer.AddDirectory("src");
    ASSERT_TRUE(packer.CreateArchive("", "temp\\game.pik"));
    std::string package = read(working / "temp" / "game.pik");
    std::ofstream(working / "temp" / "bad.pik", std::ios::binary) << package.substr(0, package.size() / 2);

    run("NET^EXTRACT(\"game.pik\", \"OUT\")");
    EXPECT_EQ(read(working / "OUT" / "src" / "a.txt"), "first file");
    EXPECT_EQ(read(working / "OUT" / "src" / "sub" / "b.txt"), httptest::pattern(5000));
    run("NET^EXTRACT(\"bad.pik\", \"BAD\")");
    run("NET^EXTRACT(\"missing.pik\", \"BAD\")");
    EXPECT_FALSE(std::filesystem::exists(working / "BAD"));
    turn();
    EXPECT_EQ(value("LOG"), "");
}

} // namespace
