#include "network/CDownloadListener.h"
#include "network/CInternet.h"
#include "platform/Files.h"
#include "platform/TempFolder.h"
#include "tests/network/HttpTestServer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

using httptest::Reply;

namespace {

constexpr uint32_t kWaitMs = 10000;

// Writes what each listener heard, in order, as "<name> finish" or "<name> error: <message>".
class Journal {
public:
    class Listener : public CDownloadListener {
    public:
        Listener(Journal& journal, std::string name) : journal_(journal), name_(std::move(name)) {}
        void onDownloadFinish() override { journal_.add(name_ + " finish"); }
        void onError(CXString message) override { journal_.add(name_ + " error: " + message.c_str()); }

    private:
        Journal& journal_;
        std::string name_;
    };

    void add(const std::string& entry)
    {
        std::lock_guard lock(mutex_);
        entries_.push_back(entry);
    }
    std::vector<std::string> entries() const
    {
        std::lock_guard lock(mutex_);
        return entries_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> entries_;
};

// A download server with its table, a working folder made current for the test, and a journal of
// what the listeners heard.
class Internet : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isUp());
        previousFolder_ = platform::files().currentFolder();
        ASSERT_TRUE(platform::files().setCurrentFolder(folder.path()));
    }
    void TearDown() override { platform::files().setCurrentFolder(previousFolder_); }

    // A download object for the server, connected, with listener A registered.
    std::unique_ptr<CInternet> connected()
    {
        auto internet = std::make_unique<CInternet>(server.host().c_str());
        EXPECT_TRUE(internet->isConnected());
        internet->registerListener(&a);
        return internet;
    }
    // GET of the file from the server's root, waited for.
    void fetch(CInternet& internet, const std::string& file)
    {
        internet.GET(server.base().c_str(), file.c_str());
        EXPECT_TRUE(internet.waitForEnd(kWaitMs));
    }
    std::optional<std::string> fileIn(const std::string& name) const
    {
        if (!std::filesystem::exists(folder / name))
            return std::nullopt;
        return folder.read(name);
    }
    size_t entriesInFolder() const
    {
        size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path()))
            ++count;
        return count;
    }
    // A connected download object in the middle of "slow.bin", a body that trickles on and on
    // (the server also serves "small.bin"); null when no byte came within ten seconds.
    std::unique_ptr<CInternet> trickling()
    {
        server.serve("/slow.bin", Reply{"HTTP/1.1 200 OK\r\nContent-Length: 100000000\r\n", httptest::pattern(4096), 0, true});
        server.serve("/small.bin", httptest::withLength("small"));
        auto internet = connected();
        internet->GET(server.base().c_str(), "slow.bin");
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (internet->getDataBytes() == 0) {
            if (std::chrono::steady_clock::now() > deadline)
                return nullptr;
            std::this_thread::yield();
        }
        return internet;
    }

    httptest::Server server;
    TempFolder folder;
    Journal journal;
    Journal::Listener a{journal, "A"};
    Journal::Listener b{journal, "B"};

private:
    std::string previousFolder_;
};

std::string notFound(const std::string& file)
{
    return "A error: Plik " + file + " nie zostal znaleziony na serwerze.";
}

struct Case {
    const char* what;
    Reply reply;
    std::vector<std::string> heard;
    std::optional<std::string> file; // none: no file is left
    int64_t total;
};

TEST_F(Internet, EachKindOfAnswerEndsAsItShould)
{
    const std::string body = httptest::pattern(300000);
    const std::string failed = std::string("A error: ") + CInternet::READ_FAILED;
    Reply cut = httptest::withLength(body);
    cut.sent = 1000;
    Reply notHttp{"SSH-2.0-not-http\r\n", body};
    const std::vector<Case> cases = {
        {"no Content-Length", httptest::withoutLength(body), {"A finish"}, body, 0},
        {"0 bytes", httptest::withLength(""), {"A finish"}, "", 0},
        {"chunked", httptest::chunked(body, 7000), {"A finish"}, body, 0},
        {"404", httptest::withLength("gone", "404 Not Found"), {notFound("f.bin")}, std::nullopt, 4},
        {"500", httptest::withLength("", "500 Internal Server Error"), {notFound("f.bin")}, std::nullopt, 0},
        {"cut short", cut, {failed}, std::nullopt, int64_t(body.size())},
        {"broken status line", notHttp, {}, std::nullopt, 0},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        server.serve("/f.bin", test.reply);
        std::filesystem::remove(folder / "f.bin");
        Journal heard;
        Journal::Listener listener{heard, "A"};
        CInternet internet(server.host().c_str());
        internet.registerListener(&listener);
        fetch(internet, "f.bin");
        EXPECT_EQ(heard.entries(), test.heard);
        EXPECT_EQ(fileIn("f.bin"), test.file);
        EXPECT_EQ(internet.getTotalSize(), test.total);
        EXPECT_EQ(internet.isSuccess(), test.heard == std::vector<std::string>{"A finish"});
        // No temporary file stays behind.
        EXPECT_EQ(entriesInFolder(), test.file ? 1u : 0u);
    }
}

TEST_F(Internet, AMebibyteArrivesByteExactAndListenersHearInOrder)
{
    const std::string body = httptest::pattern(1 << 20);
    server.serve("/games/big.bin", httptest::withLength(body));
    auto internet = connected();
    internet->registerListener(&b);
    internet->GET((server.base() + "games/").c_str(), "big.bin");
    ASSERT_TRUE(internet->waitForEnd(kWaitMs));
    EXPECT_EQ(journal.entries(), (std::vector<std::string>{"A finish", "B finish"}));
    EXPECT_EQ(fileIn("big.bin"), body);
    EXPECT_EQ(internet->getDataBytes(), int64_t(body.size()));
    EXPECT_EQ(internet->getTotalSize(), int64_t(body.size()));
    EXPECT_EQ(internet->getFilename(), CXString("big.bin"));
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requestLines()[0], "GET /games/big.bin HTTP/1.1");
    EXPECT_NE(server.requests()[0].find("\r\nUser-Agent: Tamzora-agent-1\r\n"), std::string::npos);
}

TEST_F(Internet, RedirectsAreFollowed)
{
    server.serve("/old.bin", httptest::redirectTo("/new.bin"));
    server.serve("/new.bin", httptest::withLength("moved here"));
    auto internet = connected();
    fetch(*internet, "old.bin");
    EXPECT_EQ(journal.entries(), std::vector<std::string>{"A finish"});
    EXPECT_EQ(fileIn("old.bin"), "moved here");
    EXPECT_EQ(server.requestLines(), (std::vector<std::string>{"GET /old.bin HTTP/1.1", "GET /new.bin HTTP/1.1"}));
}

TEST_F(Internet, BlanksAndPolishLettersGoOutEncodedAndLandUnderTheirNames)
{
    // "mój plik.bin" in code page 1250.
    const std::string name = "m\xF3j plik.bin";
    server.serve("/m%F3j%20plik.bin", httptest::withLength("encoded"));
    auto internet = connected();
    fetch(*internet, name);
    EXPECT_EQ(journal.entries(), std::vector<std::string>{"A finish"});
    EXPECT_EQ(fileIn("m\xC3\xB3j plik.bin"), "encoded");
}

TEST_F(Internet, AFailedDownloadKeepsTheEarlierFile)
{
    folder.write("keep.bin", "earlier");
    Reply cut = httptest::withLength(httptest::pattern(5000));
    cut.sent = 2000;
    server.serve("/keep.bin", cut);
    auto internet = connected();
    fetch(*internet, "keep.bin");
    EXPECT_EQ(journal.entries(), std::vector<std::string>{std::string("A error: ") + CInternet::READ_FAILED});
    EXPECT_EQ(fileIn("keep.bin"), "earlier");
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST_F(Internet, AnEmptyFileNameAsksTheServerButKeepsNothingAndTellsNobody)
{
    server.serve("/", httptest::withLength("index"));
    auto internet = connected();
    fetch(*internet, "");
    EXPECT_EQ(server.requestLines(), std::vector<std::string>{"GET / HTTP/1.1"});
    EXPECT_TRUE(journal.entries().empty());
    EXPECT_EQ(entriesInFolder(), 0u);
}

TEST_F(Internet, NamesThatLeaveTheWorkingFolderCannotBeCreated)
{
    server.serve("/escape.bin", httptest::withLength("outside"));
    const std::string cannot = std::string("A error: ") + CInternet::CANNOT_CREATE;
    const std::string failed = std::string("A error: ") + CInternet::READ_FAILED;
    auto internet = connected();
    fetch(*internet, "../escape.bin");
    EXPECT_EQ(journal.entries(), (std::vector<std::string>{cannot, failed}));
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(folder.path()).parent_path() / "escape.bin"));
}

TEST_F(Internet, StoppingEndsTheTransferAndAGetAfterwardsRunsAgain)
{
    auto internet = trickling();
    ASSERT_TRUE(internet);
    EXPECT_TRUE(internet->doDownload());
    internet->stopDownload();
    ASSERT_TRUE(internet->waitForEnd(kWaitMs));
    EXPECT_EQ(journal.entries(), std::vector<std::string>{std::string("A error: ") + CInternet::STOPPED});
    EXPECT_FALSE(internet->doDownload());
    EXPECT_EQ(entriesInFolder(), 0u);
    // Stopping after the end changes nothing.
    fetch(*internet, "small.bin");
    internet->stopDownload();
    EXPECT_EQ(journal.entries().back(), "A finish");
    EXPECT_TRUE(internet->isSuccess());
    EXPECT_EQ(fileIn("small.bin"), "small");
}

TEST_F(Internet, ASecondGetStopsTheFirst)
{
    auto internet = trickling();
    ASSERT_TRUE(internet);
    fetch(*internet, "small.bin");
    EXPECT_EQ(journal.entries(), (std::vector<std::string>{std::string("A error: ") + CInternet::STOPPED, "A finish"}));
    EXPECT_EQ(internet->getDataBytes(), 5);
    EXPECT_FALSE(fileIn("slow.bin"));
}

TEST_F(Internet, DeletingStopsTheTransferAndTellsNobody)
{
    auto internet = trickling();
    ASSERT_TRUE(internet);
    internet.reset();
    EXPECT_TRUE(journal.entries().empty());
    EXPECT_EQ(entriesInFolder(), 0u);
}

TEST_F(Internet, WithoutAnAnsweringServerNothingIsAsked)
{
    // A port nobody listens on: the server's own, once it is gone.
    std::string closedHost;
    {
        httptest::Server gone;
        closedHost = gone.host();
    }
    for (CInternet* internet : {new CInternet(closedHost.c_str()), new CInternet()}) {
        std::unique_ptr<CInternet> owned(internet);
        EXPECT_FALSE(internet->isConnected());
        internet->registerListener(&a);
        internet->GET(server.base().c_str(), "x.bin");
        EXPECT_TRUE(internet->waitForEnd(0));
    }
    EXPECT_TRUE(server.requests().empty());
    EXPECT_TRUE(journal.entries().empty());
}

TEST_F(Internet, AnAddressThatGivesNoResponseTellsNobody)
{
    std::string closedHost;
    {
        httptest::Server gone;
        closedHost = gone.host();
    }
    auto internet = connected();
    internet->GET(("http://" + closedHost + "/").c_str(), "x.bin");
    ASSERT_TRUE(internet->waitForEnd(kWaitMs));
    EXPECT_TRUE(journal.entries().empty());
    EXPECT_EQ(entriesInFolder(), 0u);
}

TEST_F(Internet, AListenerRemovedIsNoLongerTold)
{
    server.serve("/f.bin", httptest::withLength("f"));
    auto internet = connected();
    internet->registerListener(&b);
    internet->removeListener(&a);
    fetch(*internet, "f.bin");
    EXPECT_EQ(journal.entries(), std::vector<std::string>{"B finish"});
}

} // namespace
