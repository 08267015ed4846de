#include "network/CFileReceiver_Entry.h"
#include "network/CFileReceiver_Listener.h"
#include "network/CFileReceiver_Manager.h"
#include "network/CFileSender_Entry.h"
#include "network/CFileSender_Manager.h"
#include "network/CNetFileDataMessage.h"
#include "network/CNetFileRequestMessage.h"
#include "network/CNetFileResponseMessage.h"
#include "network/CNetMessageProcessor.h"
#include "network/CNetTextMessage.h"
#include "platform/DriveMap.h"
#include "platform/Drives.h"
#include "platform/Files.h"
#include "tests/network/NetworkHarness.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

using namespace nettest;

namespace {

// C: is a fresh folder and the working folder is C:\work, put back afterwards.
class FileTransfer : public ::testing::Test {
protected:
    void SetUp() override
    {
        drives.set('C', temp.path(), platform::DriveType::Fixed);
        platform::setDrives(&drives);
        std::filesystem::create_directories(temp / "work");
        std::filesystem::current_path(temp / "work");
        workingFolder = platform::files().currentFolder();
    }
    void TearDown() override
    {
        std::filesystem::current_path(saved);
        platform::setDrives(nullptr);
    }

    static std::string content(size_t size)
    {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i)
            bytes[i] = static_cast<char>(i * 31 + i / 256);
        return bytes;
    }

    std::filesystem::path saved = std::filesystem::current_path();
    TempFolder temp;
    platform::DriveMap drives;
    std::string workingFolder;
};

// What a receiver was sent: "response 25000" or "data 0+10240".
using Log = std::vector<std::string>;

std::string describe(CNetMessage* message)
{
    if (auto* response = dynamic_cast<CNetFileResponseMessage*>(message))
        return "response " + std::to_string(response->getAnnouncedSize()) + "/" + std::to_string(response->getSize());
    if (auto* data = dynamic_cast<CNetFileDataMessage*>(message))
        return "data " + std::to_string(data->getOffset()) + "+" + std::to_string(data->getChunkLength());
    return "other";
}

// Two engines over one loopback connection: the client asks, the server's end answers.
struct Link {
    // The request as the server's end receives it, handed to the sender manager: the sender's id.
    int request(const char* first, const char* second, const char* name)
    {
        requestId = receiver.add_file(&pair.client, first, second, name);
        Messages frames = receiveFrames(*pair.server, 1);
        EXPECT_EQ(frames.size(), 1u);
        std::unique_ptr<CNetMessage> typed(CNetMessageProcessor::makeTyped(frames[0].get()));
        auto* request = dynamic_cast<CNetFileRequestMessage*>(typed.get());
        EXPECT_TRUE(request != nullptr && request->isWellFormed());
        return sender.add_file(pair.server, request->getRequestId(), request->getFirstFolder(),
                               request->getSecondFolder(), request->getFileName());
    }
    // One tick of the sender; what it sent reaches the receiver. False when nothing was sent.
    bool tick()
    {
        int running = sender.getCount();
        sender.tick();
        if (sender.getCount() < running)
            return false;
        Messages frames = receiveFrames(pair.client, 1);
        EXPECT_EQ(frames.size(), 1u);
        std::unique_ptr<CNetMessage> typed(CNetMessageProcessor::makeTyped(frames[0].get()));
        log.push_back(describe(typed.get()));
        receiver.received(typed.get());
        return true;
    }

    SocketPair pair;
    CFileSender_Manager sender;
    CFileReceiver_Manager receiver;
    int requestId = 0;
    Log log;
};

TEST_F(FileTransfer, AFileGoesOutAsAResponseAndChunksOnePerTickAndIsSavedUnderItsFolders)
{
    const struct {
        size_t size;
        Log sent;
    } cases[] = {
        {25000, {"response 25000/25000", "data 0+10240", "data 10240+10240", "data 20480+4520"}},
        {10240, {"response 10240/10240", "data 0+10240"}},
        {0, {"response 0/0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.size);
        std::string name = "file" + std::to_string(c.size) + ".bin";
        temp.write("work/" + name, content(c.size));
        Link link;
        ASSERT_TRUE(link.pair.isUp());
        ASSERT_GT(link.request("Saves", "Slot1", name.c_str()), 0);
        for (size_t i = 0; i < c.sent.size(); ++i) {
            EXPECT_EQ(link.receiver.getCount(), 1);
            ASSERT_TRUE(link.tick());
            EXPECT_EQ(link.sender.getCount(), 1);
        }
        EXPECT_EQ(link.log, c.sent);
        EXPECT_EQ(link.receiver.getCount(), 0);
        EXPECT_FALSE(link.tick());
        EXPECT_EQ(link.sender.getCount(), 0);

        EXPECT_EQ(temp.read("work/Saves/Slot1/" + name), content(c.size));
        EXPECT_TRUE(std::filesystem::exists(temp / ("work/Saves/Slot1/" + name)));
        EXPECT_EQ(platform::files().currentFolder(), workingFolder);
    }
}

TEST_F(FileTransfer, AListenerThatTakesTheFileKeepsItFromBeingSaved)
{
    struct Taker : CFileReceiver_Listener {
        bool onFileReceived(CFileReceiver_Entry* entry) override
        {
            bytes.assign(reinterpret_cast<const char*>(entry->getData()), static_cast<size_t>(entry->getSize()));
            name = entry->getFileName().c_str();
            return take;
        }
        bool take = true;
        std::string bytes;
        std::string name;
    } taker;
    CFileReceiver_Manager receiver(&taker);
    int id = receiver.add_file(nullptr, "", "Out", "a.txt");
    CNetFileResponseMessage response(nullptr, id, 9, 5, 5);
    CNetFileDataMessage data(nullptr, id, 9, 0, 0, 5, reinterpret_cast<const uint8_t*>("hello"));
    receiver.received(&response);
    receiver.received(&data);
    EXPECT_EQ(taker.bytes, "hello");
    EXPECT_EQ(taker.name, "a.txt");
    EXPECT_FALSE(std::filesystem::exists(temp / "work/Out"));

    taker.take = false;
    id = receiver.add_file(nullptr, "", "Out", "a.txt");
    CNetFileResponseMessage again(nullptr, id, 9, 5, 5);
    CNetFileDataMessage dataAgain(nullptr, id, 9, 0, 0, 5, reinterpret_cast<const uint8_t*>("hello"));
    receiver.received(&again);
    receiver.received(&dataAgain);
    EXPECT_EQ(temp.read("work/Out/a.txt"), "hello");
}

TEST_F(FileTransfer, TheSenderRefusesNamesOutsideTheWorkingFolderAndFilesItCannotSend)
{
    temp.write("secret.txt", "no");
    temp.write("work/ok.txt", "yes");
    CFileSender_Manager sender;
    const char* refused[] = {"..\\secret.txt", "../secret.txt", "sub\\..\\..\\secret.txt", "C:\\secret.txt",
                             "C:secret.txt", "\\secret.txt", "/secret.txt", "$\\secret.txt", "&secret.txt",
                             "dir?ok.txt", "*.txt", "", "missing.txt", "."};
    for (const char* name : refused)
        EXPECT_EQ(sender.add_file(nullptr, 1, "", "", name), 0) << name;
    EXPECT_EQ(sender.getCount(), 0);
    EXPECT_GT(sender.add_file(nullptr, 1, "", "", "ok.txt"), 0);
}

TEST_F(FileTransfer, TheReceiverTakesOnlyTheChunksThatFollowItsResponseInsideTheSize)
{
    CFileReceiver_Manager receiver;
    int id = receiver.add_file(nullptr, "", "", "got.bin");
    const uint8_t bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    auto feed = [&](CNetMessage* message) {
        receiver.received(message);
        delete message;
    };
    feed(new CNetFileDataMessage(nullptr, id, 5, 0, 0, 4, bytes));       // before the response
    feed(new CNetTextMessage(nullptr, "not a file message"));
    feed(new CNetFileResponseMessage(nullptr, id + 100, 5, 8, 8));        // no such transfer
    feed(new CNetFileResponseMessage(nullptr, id, 5, 8, 8));
    feed(new CNetFileResponseMessage(nullptr, id, 6, 2, 2));              // a second response
    feed(new CNetFileDataMessage(nullptr, id, 6, 0, 0, 4, bytes));       // another sender
    feed(new CNetFileDataMessage(nullptr, id, 5, 0, 4, 4, bytes + 4));   // not the next chunk
    feed(new CNetFileDataMessage(nullptr, id, 5, 0, -4, 4, bytes));      // before the file
    feed(new CNetFileDataMessage(nullptr, id, 5, 0, 0, 0, bytes));       // empty
    feed(new CNetFileDataMessage(nullptr, id, 5, 0, 0, 4, bytes));
    feed(new CNetFileDataMessage(nullptr, id, 5, 0, 4, 8, bytes));       // past the size
    Bytes malformed = Payload().word(id).word(5).word(0).word(4).word(8).raw("abcd").frame(10);
    CNetMessage raw(nullptr, malformed.data(), static_cast<int>(malformed.size()));
    feed(CNetMessageProcessor::makeTyped(&raw));                          // length disagrees
    ASSERT_NE(receiver.find(id), nullptr);
    EXPECT_EQ(receiver.find(id)->getReceived(), 4);
    EXPECT_EQ(receiver.find(id)->getSenderId(), 5);
    EXPECT_FALSE(std::filesystem::exists(temp / "work/got.bin"));

    feed(new CNetFileDataMessage(nullptr, id, 5, 0, 4, 4, bytes + 4));
    EXPECT_EQ(receiver.find(id), nullptr);
    EXPECT_EQ(temp.read("work/got.bin"), std::string("\1\2\3\4\5\6\7\10", 8));
}

TEST_F(FileTransfer, AResponseWithASizeNoTransferCanHaveEndsTheTransfer)
{
    for (int size : {-1, CNetFileResponseMessage::MAX_FILE_SIZE + 1, INT32_MIN}) {
        SCOPED_TRACE(size);
        CFileReceiver_Manager receiver;
        int id = receiver.add_file(nullptr, "", "", "huge.bin");
        CNetFileResponseMessage response(nullptr, id, 1, size, size);
        receiver.received(&response);
        EXPECT_EQ(receiver.getCount(), 0);
        EXPECT_FALSE(std::filesystem::exists(temp / "work/huge.bin"));
    }
}

TEST_F(FileTransfer, EachManagerCountsItsOwnIdsFromOne)
{
    CFileReceiver_Manager::unique_id = 0;
    CFileSender_Manager::unique_id = 0;
    temp.write("work/x.txt", "x");
    CFileReceiver_Manager receiver;
    CFileSender_Manager sender;
    EXPECT_EQ(receiver.add_file(nullptr, "", "", "x.txt"), 1);
    EXPECT_EQ(receiver.add_file(nullptr, "", "", "x.txt"), 2);
    EXPECT_EQ(sender.add_file(nullptr, 1, "", "", "..\\x.txt"), 0);
    EXPECT_EQ(sender.add_file(nullptr, 1, "", "", "x.txt"), 1);
    CFileReceiver_Manager another;
    EXPECT_EQ(another.add_file(nullptr, "", "", "x.txt"), 3);
    receiver.remove_file(1);
    EXPECT_EQ(receiver.find(1), nullptr);
    EXPECT_NE(receiver.find(2), nullptr);
    receiver.remove_file(99);
}

} // namespace
