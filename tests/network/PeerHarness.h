#pragma once

// What the tests of peers and network objects add to the socket harness: plain TCP clients that
// write any bytes and read frames, and peers stepped until something has happened.

#include "network/CNetCmdMessage.h"
#include "network/CNetHelloMessage.h"
#include "network/CNetListener.h"
#include "network/CNetPlayerInfo.h"
#include "network/CNetTextMessage.h"
#include "network/CNetworkPeer.h"
#include "platform/TcpSocket.h"
#include "tests/network/NetworkHarness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <string>
#include <thread>
#include <vector>

namespace nettest {

// A plain TCP client on 127.0.0.1, for writing bytes no engine socket would and reading frames
// as they come. A read that waits ten seconds gives up, as if the connection had ended.
struct RawClient {
    explicit RawClient(int port)
    {
        platform::Ipv4Address loopback;
        platform::parseIpv4("127.0.0.1", loopback);
        connected = socket.connect(loopback, static_cast<uint16_t>(port), 5000);
        EXPECT_TRUE(connected);
        socket.setReceiveTimeout(10000);
    }
    explicit RawClient(const Listener& listener) : RawClient(listener.port()) {}

    void write(const Bytes& bytes) { EXPECT_TRUE(socket.sendAll(bytes.data(), bytes.size())); }
    // True when the other side has closed: the next read gives no bytes.
    bool seesClose()
    {
        uint8_t byte;
        int64_t got = socket.receive(&byte, 1);
        return got <= 0 && got != platform::TcpSocket::TIMED_OUT;
    }
    // The next whole frame; empty when the connection ends first.
    Bytes readFrame()
    {
        Bytes frame = read(8);
        if (frame.size() < 8)
            return Bytes();
        int32_t length;
        std::memcpy(&length, frame.data() + 4, 4);
        Bytes payload = read(static_cast<size_t>(std::max(length - 8, 0)));
        frame.insert(frame.end(), payload.begin(), payload.end());
        return static_cast<int32_t>(frame.size()) == length ? frame : Bytes();
    }

    platform::TcpSocket socket;
    bool connected;

private:
    Bytes read(size_t count)
    {
        Bytes bytes(count);
        size_t filled = 0;
        while (filled < count) {
            int64_t got = socket.receive(bytes.data() + filled, count - filled);
            if (got <= 0)
                break;
            filled += static_cast<size_t>(got);
        }
        bytes.resize(filled);
        return bytes;
    }
};

// Steps the peers, waiting for the first one's queue between rounds, until done() holds; false
// when it does not within ten seconds.
inline bool stepUntil(const std::function<bool()>& done, std::initializer_list<CNetworkPeer*> peers)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
        for (CNetworkPeer* peer : peers)
            peer->tick();
        if (done())
            return true;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        (*peers.begin())->waitForQueue(5);
    }
}

// Writes down what a peer tells its listeners ("text Ala:hi", "hello Ala", "cmd GO", "type 4",
// "connected", "closed", "new Ala", "gone Ala"), and the thread of every call.
struct Recorder : CNetListener {
    void onMessage(CNetMessage* message) override
    {
        if (auto* text = dynamic_cast<CNetTextMessage*>(message))
            note("text " + std::string(text->getSenderName().c_str()) + ":" + text->getText());
        else if (auto* hello = dynamic_cast<CNetHelloMessage*>(message))
            note("hello " + std::string(hello->getName()));
        else if (auto* command = dynamic_cast<CNetCmdMessage*>(message))
            note("cmd " + std::string(command->getCommand().c_str()));
        else
            note("type " + std::to_string(message->getType()));
    }
    void onConnected(CXString) override { note("connected"); }
    void onConnectionClosed() override { note("closed"); }
    void onNewPlayer(CNetPlayerInfo* player) override { note("new " + std::string(player->getName().c_str())); }
    void onDestroyPlayer(CNetPlayerInfo* player) override { note("gone " + std::string(player->getName().c_str())); }

    void note(const std::string& event)
    {
        events.push_back(event);
        threads.push_back(std::this_thread::get_id());
    }
    bool saw(const std::string& event) const { return std::find(events.begin(), events.end(), event) != events.end(); }
    size_t count(const std::string& event) const { return size_t(std::count(events.begin(), events.end(), event)); }

    std::vector<std::string> events;
    std::vector<std::thread::id> threads;
};

} // namespace nettest
