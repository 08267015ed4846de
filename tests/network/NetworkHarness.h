#pragma once

// Real sockets on 127.0.0.1 for the network tests: a listening engine socket on an ephemeral
// port with an acceptor that collects what it accepts, connected pairs, and a receive loop.

#include "foundation/CXArray.h"
#include "network/CConnectionAcceptor.h"
#include "network/CMessageStack.h"
#include "network/CNetMessage.h"
#include "network/CXSocket.h"
#include "tests/network/FrameBytes.h"

#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace nettest {

// Keeps every connection the accept thread hands over; waiting for one is bounded so that a
// broken accept fails the test instead of hanging it.
class Acceptor : public CConnectionAcceptor {
public:
    ~Acceptor() override
    {
        for (CXSocket* socket : sockets_)
            delete socket;
    }

    void onConnected(CXSocket* socket, const CXString& address) override
    {
        {
            std::lock_guard lock(mutex_);
            sockets_.push_back(socket);
            addresses_.push_back(address.c_str());
        }
        arrived_.notify_all();
    }

    // The index-th connection accepted; null when it did not come within ten seconds.
    CXSocket* waitFor(size_t index)
    {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, std::chrono::seconds(10), [&] { return sockets_.size() > index; });
        return sockets_.size() > index ? sockets_[index] : nullptr;
    }
    std::string addressOf(size_t index)
    {
        std::lock_guard lock(mutex_);
        return index < addresses_.size() ? addresses_[index] : std::string();
    }

private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::vector<CXSocket*> sockets_;
    std::vector<std::string> addresses_;
};

// A socket listening on a free port; its accept thread ends before the acceptor goes.
struct Listener {
    Listener() { listening = socket.start(0, 5, &acceptor); }
    int port() const { return socket.getPort(); }

    Acceptor acceptor;
    CXSocket socket{nullptr};
    bool listening;
};

// An engine socket connected to a listener, and the listener's end of the connection.
struct SocketPair {
    SocketPair()
    {
        if (listener.listening && client.connect("127.0.0.1", listener.port()))
            server = listener.acceptor.waitFor(0);
    }
    // Both ends are there.
    bool isUp() const { return server != nullptr; }

    Listener listener;
    CXSocket client{nullptr};
    CXSocket* server = nullptr;
};

using Messages = std::vector<std::unique_ptr<CNetMessage>>;

// Receives until count messages came or the connection closed.
inline Messages receiveFrames(CXSocket& socket, size_t count)
{
    Messages messages;
    while (messages.size() < count && !socket.isClosed()) {
        CXArray* received = socket.receive();
        for (int i = 0; i < received->getSize(); ++i)
            messages.emplace_back(static_cast<CNetMessage*>((*received)[i]));
    }
    return messages;
}

inline Bytes bytesOf(const CNetMessage& message)
{
    return Bytes(message.getBuffer(), message.getBuffer() + message.getBufferLen());
}

} // namespace nettest
