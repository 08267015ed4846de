#pragma once

#include "foundation/CXObject.h"
#include "platform/CriticalSection.h"
#include "platform/Thread.h"

#include <atomic>
#include <memory>
#include <vector>

class CConnectionAcceptor;
class CMessageStack;
class CNetMessage;
class CWindow;
class CXArray;

namespace platform {
class TcpSocket;
struct Ipv4Address;
} // namespace platform

// The engine's TCP endpoint: it connects out, or listens and hands each accepted connection to
// its owner from its own accept thread; it sends whole frames and receives the stream as cut
// frames.
//
// One thread may receive while others send (a send lock keeps frames whole) and another calls
// shutdown to wake it. A connection that closes, fails, carries a frame that cannot be one or
// takes no byte of a send for the send timeout is closed for good: receive then returns the empty
// list at once, every time, and sends fail.
class CXSocket : public CXObject {
public:
    // Error codes.
    enum {
        NO_SOCKET = 4000,
        BIND_FAILED = 4001,
        LISTEN_FAILED = 4002,
        CONNECT_FAILED = 4003,
        BAD_FRAME = 4004,
    };
    // The most one receive reads.
    static constexpr int RECEIVE_BUFFER = 64 * 1024;
    static constexpr uint32_t CONNECT_TIMEOUT_MS = 5000;
    static constexpr uint32_t SEND_TIMEOUT_MS = 5000;

    // A new unconnected IPv4 stream socket; getHandle() is -1 when none could be made.
    explicit CXSocket(CWindow* window);
    // Takes over a connected handle (an accepted connection).
    CXSocket(CWindow* window, int handle);
    // Ends the accept thread, frees the received list (not its messages) and closes the handle.
    ~CXSocket() override;
    CXSocket(const CXSocket&) = delete;
    CXSocket& operator=(const CXSocket&) = delete;

    // Listens on the port of every local address (0 picks a free port, see getPort) and starts
    // the accept thread, which hands new connections to the acceptor. False, with the error code
    // set and no thread started, when the port cannot be bound or listened on. A socket listens
    // once.
    virtual bool start(int port, int backlog, CConnectionAcceptor* acceptor);
    // Ends the accept thread; the socket no longer accepts.
    virtual void stop();
    // The host is a dotted address or a name to resolve; false when it does not resolve or no
    // connection is made within CONNECT_TIMEOUT_MS.
    virtual bool connect(const CXString& host, int port);
    // Sends the whole frame and deletes the message, whatever happens; true when every byte
    // went out. A send that fails closes the connection: a frame cut short cannot be followed.
    virtual bool send(CNetMessage* message);
    // Waits for bytes and returns the socket's list of the frames they completed, in stream
    // order; the caller takes the messages before the next call. Empty once the connection has
    // closed.
    virtual CXArray* receive();
    // Wakes a thread blocked in receive or accept; the connection ends both ways.
    void shutdown();

    int getHandle() const;
    CWindow* getWindow() const { return window_; }
    // The local port; 0 when the socket is not bound.
    int getPort() const;
    bool isClosed() const { return closed_.load(std::memory_order_acquire); }

    // The host's name, read here or on first use, and forgotten again by done.
    static void initialize();
    static void done();
    // Four "."-separated numbers whose weighted sum is not 0; the numbers are not range-checked.
    static bool is_ipaddr(const CXString& text);
    // The host's first IPv4 address in dotted form; empty when it does not resolve.
    static CXString resolve_ip(const CXString& name);
    static CXString toIP(const platform::Ipv4Address& address);
    // Main thread.
    static CXString getHostName();
    // How long connections made from now on wait for a send to move (SEND_TIMEOUT_MS unless
    // changed); tests shorten it.
    static void setSendTimeout(uint32_t ms) { sendTimeoutMs.store(ms, std::memory_order_relaxed); }
    static uint32_t getSendTimeout() { return sendTimeoutMs.load(std::memory_order_relaxed); }

    static CXString hostname;

private:
    bool bind(int port);
    bool listen(int backlog);
    void acceptLoop(platform::Thread& self);
    // Closes the connection for good, with the error code when it ends on a fault.
    void markClosed(int errorCode);

    CWindow* window_;
    std::unique_ptr<platform::TcpSocket> socket_;
    std::unique_ptr<CMessageStack> stack_;
    std::unique_ptr<CXArray> received_;
    std::vector<uint8_t> receiveBuffer_;
    platform::CriticalSection sendLock_;
    platform::Thread acceptThread_;
    CConnectionAcceptor* acceptor_ = nullptr;
    std::atomic<bool> closed_{false};

    static inline std::atomic<uint32_t> sendTimeoutMs{SEND_TIMEOUT_MS};
};
