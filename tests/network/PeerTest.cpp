#include "network/CMC_NetServer.h"
#include "network/CNetworkClient.h"
#include "network/CNetworkServer.h"
#include "tests/network/PeerHarness.h"
#include "tests/platform/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <thread>

using namespace nettest;

namespace {

// A server listening on a free port of 127.0.0.1 that writes down what it is told.
struct Server {
    Server()
    {
        peer.addNotifier(&recorder);
        EXPECT_TRUE(peer.start(0));
    }
    int port() const { return peer.getPort(); }
    // Steps until the server has that many players.
    bool awaitPlayers(int count)
    {
        return stepUntil([&] { return peer.getPlayersNo() == count; }, {&peer});
    }
    bool await(const std::string& event)
    {
        return stepUntil([&] { return recorder.saw(event); }, {&peer});
    }

    CNetworkServer peer{nullptr};
    Recorder recorder;
};

Bytes hello(const std::string& name)
{
    return Payload().text(name).frame(CNetMessage::HELLO);
}

Bytes text(const std::string& words)
{
    return Payload().text(words).frame(CNetMessage::TEXT);
}

Bytes leave()
{
    return Payload().frame(CNetMessage::LEAVE);
}

TEST(Peer, AServerStartsOnceAndIsNotStartedWhereItCannotListen)
{
    Server server;
    EXPECT_TRUE(server.peer.start(0));
    EXPECT_EQ(server.peer.getPort(), server.port());
    CNetworkServer second(nullptr);
    EXPECT_FALSE(second.start(server.port()));
    EXPECT_FALSE(second.isStarted());
    EXPECT_EQ(second.getPort(), 0);
}

TEST(Peer, AClientSaysHelloFirstWithTheHostNameWhenNoPlayerNameIsConfigured)
{
    Listener listener;
    ASSERT_TRUE(listener.listening);
    CNetworkClient client(nullptr);
    ASSERT_TRUE(client.connect("127.0.0.1", listener.port()));
    EXPECT_TRUE(client.connect("127.0.0.1", listener.port()));
    EXPECT_STREQ(client.getHostName().c_str(), "127.0.0.1");

    CXSocket* server = listener.acceptor.waitFor(0);
    ASSERT_NE(server, nullptr);
    Messages first = receiveFrames(*server, 1);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(bytesOf(*first[0]), hello(CXSocket::getHostName().c_str()));
}

TEST(Peer, PlayersAreKnownByTheirConnectionWhateverTheyAreCalled)
{
    Server server;
    RawClient first(server.port()), second(server.port());
    ASSERT_TRUE(server.awaitPlayers(2));
    // Not named yet: found under the address text.
    EXPECT_EQ(server.peer.find("127.0.0.1"), server.peer.getPlayer(0));
    EXPECT_STREQ(server.peer.getPlayer(1)->getIPAddress().c_str(), "127.0.0.1");

    // Both take one name; what each sends is named after it, and reaches the listeners as sent.
    first.write(joined({hello("Ala"), text("one")}));
    ASSERT_TRUE(server.await("text 127.0.0.1:one"));
    server.peer.getPlayer(0)->setName("Ala");
    server.peer.getPlayer(1)->setName("Ala");
    second.write(text("two"));
    ASSERT_TRUE(server.await("text Ala:two"));

    // A name reaches the first player that bears it.
    EXPECT_EQ(server.peer.find("Ala"), server.peer.getPlayer(0));
    EXPECT_TRUE(server.peer.send("Ala", new CNetTextMessage(nullptr, "")));
    EXPECT_FALSE(server.peer.send("Ola", new CNetTextMessage(nullptr, "lost")));
    CNetPlayerInfo* firstPlayer = server.peer.getPlayer(0);
    EXPECT_EQ(first.readFrame(), text(""));

    // The second one leaving by closing takes itself away, not the first one of its name.
    second.socket.close();
    ASSERT_TRUE(server.await("gone Ala"));
    EXPECT_EQ(server.peer.getPlayersNo(), 1);
    EXPECT_EQ(server.peer.getPlayer(0), firstPlayer);
    EXPECT_EQ(server.peer.getPlayer(1), nullptr);
    EXPECT_EQ(server.peer.getPlayer(-1), nullptr);
}

TEST(Peer, MessagesWaitForTheStepAndComeInArrivalOrder)
{
    Server server;
    RawClient client(server.port());
    ASSERT_TRUE(server.awaitPlayers(1));
    client.write(joined({text("a"), Payload().text("GO").frame(CNetMessage::CMD), text("b")}));
    ASSERT_TRUE(server.peer.waitForQueue(10000));
    EXPECT_TRUE(server.recorder.events.empty());
    ASSERT_TRUE(server.await("text 127.0.0.1:b"));
    EXPECT_EQ(server.recorder.events, (std::vector<std::string>{"text 127.0.0.1:a", "cmd GO", "text 127.0.0.1:b"}));
}

TEST(Peer, StoppingSendsALeaveToEveryPlayerOnlyWhenAsked)
{
    for (bool sendLeave : {true, false}) {
        SCOPED_TRACE(sendLeave);
        Server server;
        RawClient first(server.port()), second(server.port());
        ASSERT_TRUE(server.awaitPlayers(2));
        server.peer.stop(sendLeave);
        EXPECT_FALSE(server.peer.isStarted());
        EXPECT_EQ(server.peer.getPlayersNo(), 0);
        EXPECT_EQ(server.peer.getPort(), 0);
        for (RawClient* client : {&first, &second}) {
            if (sendLeave) {
                EXPECT_EQ(client->readFrame(), leave());
            }
            EXPECT_TRUE(client->seesClose());
        }
        EXPECT_FALSE(server.recorder.saw("gone 127.0.0.1"));
    }
}

TEST(Peer, APlayerThatEndsItsConnectionIsRemovedAndWhatItSentAfterwardsIsDropped)
{
    Server server;
    {
        RawClient client(server.port());
        ASSERT_TRUE(server.awaitPlayers(1));
        client.write(text("bye"));
    }
    ASSERT_TRUE(server.await("gone 127.0.0.1"));
    EXPECT_EQ(server.recorder.events, (std::vector<std::string>{"text 127.0.0.1:bye", "gone 127.0.0.1"}));
    EXPECT_EQ(server.peer.getPlayersNo(), 0);
}

TEST(Peer, AClientIsToldOfItsConnectionAndOnceOfItsLoss)
{
    Listener listener;
    ASSERT_TRUE(listener.listening);
    CNetworkClient client(nullptr);
    Recorder recorder;
    client.addNotifier(&recorder);

    ASSERT_TRUE(client.connect("127.0.0.1", listener.port()));
    EXPECT_TRUE(recorder.events.empty());
    client.tick();
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"connected"}));
    listener.acceptor.waitFor(0)->shutdown();
    ASSERT_TRUE(stepUntil([&] { return recorder.saw("closed"); }, {&client}));
    for (int i = 0; i < 3; ++i)
        client.tick();
    EXPECT_EQ(recorder.count("closed"), 1u);
    EXPECT_FALSE(client.isConnected());
    EXPECT_STREQ(client.getHostName().c_str(), "");
    EXPECT_FALSE(client.send(new CNetTextMessage(nullptr, "nobody")));

    // It connects again; a disconnect of its own is no loss.
    ASSERT_TRUE(client.connect("127.0.0.1", listener.port()));
    client.disconnect(true);
    EXPECT_FALSE(client.isConnected());
    CXSocket* second = listener.acceptor.waitFor(1);
    ASSERT_NE(second, nullptr);
    Messages last = receiveFrames(*second, 3);
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[1]->getType(), CNetMessage::LEAVE);
    for (int i = 0; i < 3; ++i)
        client.tick();
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"connected", "closed"}));
}

TEST(Peer, ASendThatCannotMoveForTheSendTimeoutLosesTheConnection)
{
    CXSocket::setSendTimeout(100);
    Listener listener; // accepts, never reads
    ASSERT_TRUE(listener.listening);
    CNetworkClient client(nullptr);
    Recorder recorder;
    client.addNotifier(&recorder);
    ASSERT_TRUE(client.connect("127.0.0.1", listener.port()));
    CXSocket::setSendTimeout(CXSocket::SEND_TIMEOUT_MS);

    const CXString block(std::string(1 << 20, 'x').c_str());
    int sent = 0;
    while (sent < 256 && client.send(new CNetTextMessage(nullptr, block)))
        ++sent;
    EXPECT_LT(sent, 256);
    ASSERT_TRUE(stepUntil([&] { return recorder.saw("closed"); }, {&client}));
    EXPECT_FALSE(client.isConnected());
}

TEST(Peer, EveryListenerCallComesOnTheThreadThatSteps)
{
    Server server;
    CNetworkClient client(nullptr);
    Recorder heard;
    client.addNotifier(&heard);
    ASSERT_TRUE(client.connect("127.0.0.1", server.port()));
    ASSERT_TRUE(client.send(new CNetTextMessage(nullptr, "hi")));
    ASSERT_TRUE(server.await("text 127.0.0.1:hi"));
    ASSERT_TRUE(server.peer.send(server.peer.getPlayer(0)->getName(), new CNetTextMessage(nullptr, "back")));
    ASSERT_TRUE(stepUntil([&] { return heard.saw("text 127.0.0.1:back"); }, {&client}));
    client.disconnect(false);
    ASSERT_TRUE(server.await("gone 127.0.0.1"));
    server.peer.stop(true);

    const std::thread::id main = std::this_thread::get_id();
    for (const Recorder* recorder : {&server.recorder, &heard}) {
        EXPECT_GE(recorder->threads.size(), 2u);
        for (std::thread::id thread : recorder->threads)
            EXPECT_EQ(thread, main);
    }
}

TEST(Peer, AServerWhoseReceiversAllWaitIsDestroyedAtOnce)
{
    auto server = std::make_unique<Server>();
    std::vector<std::unique_ptr<RawClient>> clients;
    for (int i = 0; i < 4; ++i)
        clients.push_back(std::make_unique<RawClient>(server->port()));
    ASSERT_TRUE(server->awaitPlayers(4));
    server.reset();
    for (auto& client : clients) {
        EXPECT_EQ(client->readFrame(), leave());
        EXPECT_TRUE(client->seesClose());
    }
}

// Deletes its peer when told of a message, and counts what it is told.
struct Deleter : CNetListener {
    void onMessage(CNetMessage*) override
    {
        ++told;
        peer.reset();
    }
    std::unique_ptr<CNetworkServer> peer;
    int told = 0;
};

TEST(Peer, APeerItsListenerDeletesEndsItsStepThere)
{
    Deleter deleter;
    deleter.peer = std::make_unique<CNetworkServer>(nullptr);
    Recorder after;
    deleter.peer->addNotifier(&deleter);
    deleter.peer->addNotifier(&after);
    ASSERT_TRUE(deleter.peer->start(0));
    RawClient client(deleter.peer->getPort());
    CNetworkServer* peer = deleter.peer.get();
    ASSERT_TRUE(stepUntil([&] { return peer->getPlayersNo() == 1; }, {peer}));
    client.write(joined({text("a"), text("b")}));
    ASSERT_TRUE(stepUntil([&] { return deleter.peer == nullptr; }, {peer}));
    EXPECT_EQ(deleter.told, 1);
    EXPECT_TRUE(after.events.empty());
    EXPECT_EQ(client.readFrame(), leave());
    EXPECT_TRUE(client.seesClose());
}

TEST(Peer, AFileAskedForArrivesFromTheOtherSideAFewStepsAtATime)
{
    TempFolder folder;
    std::error_code noFolder;
    std::filesystem::path saved = std::filesystem::current_path(noFolder);
    if (noFolder)
        saved = std::filesystem::temp_directory_path();
    std::filesystem::current_path(folder.path());
    std::string bytes(CNetworkPeer::FILE_BYTES_PER_TURN * 3 + 5, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(i * 31 + (i >> 9));
    folder.write("source.bin", bytes);

    Server server;
    CNetworkClient client(nullptr);
    EXPECT_FALSE(client.downlnoad_file("got", "here", "source.bin"));
    ASSERT_TRUE(client.connect("127.0.0.1", server.port()));
    ASSERT_TRUE(client.downlnoad_file("got", "here", "source.bin"));
    EXPECT_EQ(client.getFileReceiver().getCount(), 1);
    ASSERT_TRUE(stepUntil([&] { return server.peer.getFileSender().getCount() == 1; }, {&server.peer}));
    // One step sends at most its share.
    const int first = CFileSender_Manager::unique_id;
    int sentInOneStep = server.peer.getFileSender().find(first)->getSent();
    EXPECT_GT(sentInOneStep, 0);
    EXPECT_LT(sentInOneStep, static_cast<int>(bytes.size()));
    ASSERT_TRUE(stepUntil([&] { return client.getFileReceiver().getCount() == 0; }, {&client, &server.peer}));
    EXPECT_EQ(folder.read("got/here/source.bin"), bytes);
    EXPECT_EQ(server.peer.getFileSender().getCount(), 0);

    // A few files go at once; requests past them are passed over.
    for (int i = 0; i < CNetworkPeer::MAX_FILES_SENT + 2; ++i)
        ASSERT_TRUE(client.downlnoad_file("again", std::to_string(i).c_str(), "source.bin"));
    ASSERT_TRUE(stepUntil([&] { return CFileSender_Manager::unique_id == first + CNetworkPeer::MAX_FILES_SENT; },
                          {&server.peer}));
    for (int i = 0; i < 5; ++i)
        server.peer.tick();
    EXPECT_EQ(CFileSender_Manager::unique_id, first + CNetworkPeer::MAX_FILES_SENT);
    std::filesystem::current_path(saved);
}

TEST(Peer, TwoHundredClientsComeSpeakAndGoWhileOthersSendGarbage)
{
    CMC_NetServer server(nullptr, nullptr);
    server.setPort(0);
    ASSERT_TRUE(server.start());
    Recorder recorder;
    server.getServerIfc()->addNotifier(&recorder);
    const int port = server.getServerIfc()->getPort();

    std::thread garbage([port] {
        uint32_t seed = 12345;
        for (int round = 0; round < 20; ++round) {
            RawClient client(port);
            Bytes noise(4096);
            for (uint8_t& byte : noise)
                byte = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 24);
            client.socket.sendAll(noise.data(), noise.size());
        }
    });
    const int kClients = 200;
    std::vector<std::unique_ptr<CNetworkClient>> clients;
    for (int i = 0; i < kClients; ++i) {
        clients.push_back(std::make_unique<CNetworkClient>(nullptr));
        ASSERT_TRUE(clients.back()->connect("127.0.0.1", port));
        ASSERT_TRUE(clients.back()->send(new CNetTextMessage(nullptr, "hi")));
    }
    for (auto& client : clients)
        client->disconnect(true);
    garbage.join();

    const std::string host = CXSocket::getHostName().c_str();
    ASSERT_TRUE(stepUntil([&] { return recorder.count("gone " + host) == kClients && server.getPlayersNo() == 0; },
                          {server.getServerIfc()}));
    EXPECT_EQ(recorder.count("text " + host + ":hi"), size_t(kClients));
    EXPECT_EQ(recorder.count("new " + host), size_t(kClients));

    // Still serving.
    RawClient late(port);
    late.write(hello("late"));
    ASSERT_TRUE(stepUntil([&] { return server.getLoggedPlayerName() == "late"; }, {server.getServerIfc()}));
}

} // namespace
