#include "network/CNetFileDataMessage.h"
#include "network/CNetListener.h"
#include "network/CNetMessageProcessor.h"
#include "network/CNetPingMessage.h"
#include "network/CNetTextMessage.h"
#include "platform/TcpSocket.h"
#include "tests/network/PeerHarness.h"

#include <gtest/gtest.h>

#include <thread>

using namespace nettest;

namespace {

// Records the types of the messages it is told of.
struct TypeRecorder : CNetListener {
    void onMessage(CNetMessage* message) override { types.push_back(message->getType()); }
    std::vector<int> types;
};

TEST(Socket, FramesArriveWholeAndInOrderWhetherWrittenAByteAtATimeOrSeveralAtOnce)
{
    Listener listener;
    ASSERT_TRUE(listener.listening);
    RawClient client(listener);
    CXSocket* server = listener.acceptor.waitFor(0);
    ASSERT_NE(server, nullptr);
    EXPECT_EQ(listener.acceptor.addressOf(0), "127.0.0.1");

    const Bytes frames[] = {Payload().text("GO").text("1").text("A").frame(1), Payload().text("a").frame(5),
                            Payload().frame(4), Payload().text("Gracz").frame(7)};
    for (uint8_t byte : frames[0])
        client.write({byte});
    client.write(joined({frames[1], frames[2], frames[3]}));

    Messages messages = receiveFrames(*server, 4);
    ASSERT_EQ(messages.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(bytesOf(*messages[i]), frames[i]);
        EXPECT_EQ(messages[i]->getHandle(), server);
    }
}

TEST(Socket, APingRequestIsAnsweredOnceAndAnAnswerIsNotAnsweredAgain)
{
    SocketPair pair;
    ASSERT_TRUE(pair.isUp());
    TypeRecorder recorder;
    CXArray listeners;
    listeners.add(static_cast<CNetListener*>(&recorder));

    EXPECT_TRUE(pair.client.send(new CNetPingMessage(&pair.client, 77)));
    Messages request = receiveFrames(*pair.server, 1);
    ASSERT_EQ(request.size(), 1u);
    CNetMessageProcessor::process(request[0].get(), &listeners);

    Messages answer = receiveFrames(pair.client, 1);
    ASSERT_EQ(answer.size(), 1u);
    CNetPingMessage ping("server", answer[0].get());
    EXPECT_EQ(ping.getBufferLen(), 1024);
    EXPECT_TRUE(ping.isResponse());
    EXPECT_EQ(ping.getTime(), 77);

    // The answer goes back; the server must not answer it, so the next frame the client sees is
    // the text the server sends afterwards.
    EXPECT_TRUE(pair.client.send(new CNetPingMessage("", answer[0].get(), true)));
    Messages echoed = receiveFrames(*pair.server, 1);
    ASSERT_EQ(echoed.size(), 1u);
    CNetMessageProcessor::process(echoed[0].get(), &listeners);
    EXPECT_TRUE(pair.server->send(new CNetTextMessage(pair.server, "after")));
    Messages next = receiveFrames(pair.client, 1);
    ASSERT_EQ(next.size(), 1u);
    EXPECT_EQ(next[0]->getType(), CNetMessage::TEXT);
    EXPECT_EQ(recorder.types, (std::vector<int>{CNetMessage::PING, CNetMessage::PING}));
}

TEST(Socket, AFrameOfAnUnknownTypeReachesEveryListenerRawInListOrder)
{
    Bytes frame = Payload().word(1).frame(42);
    CNetMessage raw(nullptr, frame.data(), static_cast<int>(frame.size()));
    std::vector<std::pair<int, CNetMessage*>> told;
    struct Spy : CNetListener {
        Spy(std::vector<std::pair<int, CNetMessage*>>& told, int mark) : told(told), mark(mark) {}
        void onMessage(CNetMessage* message) override { told.emplace_back(mark, message); }
        std::vector<std::pair<int, CNetMessage*>>& told;
        int mark;
    } first(told, 1), second(told, 2);
    CXArray listeners;
    listeners.add(static_cast<CNetListener*>(&first));
    listeners.add(static_cast<CNetListener*>(&second));
    CNetMessageProcessor::process(&raw, &listeners);
    EXPECT_EQ(told, (std::vector<std::pair<int, CNetMessage*>>{{1, &raw}, {2, &raw}}));
}

TEST(Socket, AClosedConnectionIsSeenAtOnceAndEveryTimeAfter)
{
    Listener listener;
    ASSERT_TRUE(listener.listening);
    auto client = std::make_unique<RawClient>(listener);
    CXSocket* server = listener.acceptor.waitFor(0);
    ASSERT_NE(server, nullptr);
    client->write(Payload().text("last").frame(5));
    client.reset();

    Messages last = receiveFrames(*server, 2);
    ASSERT_EQ(last.size(), 1u);
    EXPECT_TRUE(server->isClosed());
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(server->receive()->getSize(), 0);
    EXPECT_EQ(server->LastError(), 0);
}

TEST(Socket, ShutdownWakesAThreadBlockedInReceive)
{
    SocketPair pair;
    ASSERT_TRUE(pair.isUp());
    std::thread receiver([&] { pair.server->receive(); });
    pair.server->shutdown();
    receiver.join();
    EXPECT_TRUE(pair.server->isClosed());
}

TEST(Socket, AFrameNoStreamCanCarryDropsTheConnection)
{
    const int32_t lengths[] = {0, 7, -1, CMessageStack::MAX_FRAME_LENGTH + 1};
    Listener listener;
    ASSERT_TRUE(listener.listening);
    for (size_t i = 0; i < std::size(lengths); ++i) {
        SCOPED_TRACE(lengths[i]);
        RawClient client(listener);
        CXSocket* server = listener.acceptor.waitFor(i);
        ASSERT_NE(server, nullptr);
        Bytes good = Payload().text("ok").frame(5);
        client.write(joined({good, Payload().zeros(16).frame(5, lengths[i]), good}));

        Messages messages = receiveFrames(*server, 3);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(bytesOf(*messages[0]), good);
        EXPECT_TRUE(server->isClosed());
        EXPECT_EQ(server->LastError(), CXSocket::BAD_FRAME);
        EXPECT_TRUE(client.seesClose());
        EXPECT_FALSE(server->send(new CNetTextMessage(server, "gone")));
    }
}

TEST(Socket, AFrameLargerThanTheSocketBuffersGoesOutWhole)
{
    SocketPair pair;
    ASSERT_TRUE(pair.isUp());
    const int chunk = CMessageStack::MAX_FRAME_LENGTH - CNetFileDataMessage::HEAD;
    Bytes data(static_cast<size_t>(chunk));
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = static_cast<uint8_t>(i * 7);
    bool sent = false;
    std::thread sender([&] { sent = pair.client.send(new CNetFileDataMessage(&pair.client, 1, 2, 0, 0, chunk, data.data())); });
    Messages messages = receiveFrames(*pair.server, 1);
    sender.join();
    EXPECT_TRUE(sent);
    ASSERT_EQ(messages.size(), 1u);
    CNetFileDataMessage received("", messages[0].get());
    ASSERT_TRUE(received.isWellFormed());
    EXPECT_EQ(Bytes(received.getData(), received.getData() + chunk), data);
}

TEST(Socket, ConnectReportsEveryFailureAsFalse)
{
    uint16_t closedPort;
    {
        platform::TcpSocket bound;
        ASSERT_TRUE(bound.bindAny(0));
        closedPort = bound.localPort();
    }
    const struct {
        const char* host;
        int port;
    } cases[] = {{"127.0.0.1", closedPort}, {"", 4661}, {"a.b.c.7", 4661}, {"127.0.0.1", 70000}, {"127.0.0.1", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.host) + ":" + std::to_string(c.port));
        CXSocket socket(nullptr);
        EXPECT_FALSE(socket.connect(c.host, c.port));
        EXPECT_EQ(socket.LastError(), CXSocket::CONNECT_FAILED);
    }
}

TEST(Socket, StartReportsAPortItCannotListenOn)
{
    Listener taken;
    ASSERT_TRUE(taken.listening);
    Acceptor acceptor;
    CXSocket second(nullptr);
    EXPECT_FALSE(second.start(taken.port(), 5, &acceptor));
    EXPECT_EQ(second.LastError(), CXSocket::BIND_FAILED);
    CXSocket outOfRange(nullptr);
    EXPECT_FALSE(outOfRange.start(65536, 5, &acceptor));
}

TEST(Socket, AStoppedListenerHandsOverNoMoreConnections)
{
    Listener listener;
    ASSERT_TRUE(listener.listening);
    int port = listener.port();
    listener.socket.stop();
    platform::Ipv4Address loopback;
    platform::parseIpv4("127.0.0.1", loopback);
    platform::TcpSocket late;
    EXPECT_FALSE(late.connect(loopback, static_cast<uint16_t>(port), 5000));
}

TEST(Socket, DottedAddressesAreToldAndWritten)
{
    const struct {
        const char* text;
        bool dotted;
    } cases[] = {{"10.0.0.1", true}, {"0.0.0.0", false}, {"1.2.3", false}, {"1.2.3.4.5", false},
                 {"a.b.c.7", true},  {"localhost", false}, {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(CXSocket::is_ipaddr(c.text), c.dotted) << c.text;

    platform::Ipv4Address address;
    ASSERT_TRUE(platform::parseIpv4("192.168.0.5", address));
    EXPECT_STREQ(CXSocket::toIP(address).c_str(), "192.168.0.5");
    EXPECT_STREQ(CXSocket::resolve_ip("127.0.0.1").c_str(), "127.0.0.1");
    EXPECT_STREQ(CXSocket::resolve_ip("").c_str(), "");
}

TEST(Socket, TheHostNameIsReadOnFirstUseAndAgainAfterDone)
{
    CXSocket::done();
    EXPECT_FALSE(CXSocket::hostname.IsString());
    EXPECT_TRUE(CXSocket::getHostName().IsString());
    CXSocket::done();
    EXPECT_TRUE(CXSocket::getHostName().IsString());
}

} // namespace
