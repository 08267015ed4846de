#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace platform {

// An IPv4 address as its four bytes in wire order: 192.168.0.5 is {192, 168, 0, 5}.
struct Ipv4Address {
    uint8_t bytes[4] = {0, 0, 0, 0};
};

// The dotted form "a.b.c.d" read strictly; false for anything else.
bool parseIpv4(const std::string& text, Ipv4Address& address);
// The first IPv4 address of a host name (code page 1250); false when the name does not resolve.
bool resolveIpv4(const std::string& name, Ipv4Address& address);
// This machine's name in code page 1250; empty when it cannot be read.
std::string hostName();

enum class AcceptResult {
    Accepted,
    Failed, // this connection went wrong; the socket still listens
    Closed, // the socket no longer listens (shut down, closed or never listening)
};

// A blocking IPv4 TCP socket. One thread may send while another receives or accepts; shutdown()
// from any thread wakes a thread blocked in receive or accept. Closed when the object goes.
class TcpSocket {
public:
    // A new unconnected socket; isOpen() is false when none could be made.
    TcpSocket();
    // Takes over a connected handle (one that accept gave).
    explicit TcpSocket(int handle);
    ~TcpSocket();
    TcpSocket(const TcpSocket&) = delete;
    TcpSocket& operator=(const TcpSocket&) = delete;

    bool isOpen() const { return handle_ >= 0; }
    int handle() const { return handle_; }

    // Gives up after timeoutMs milliseconds without an answer.
    bool connect(const Ipv4Address& address, uint16_t port, uint32_t timeoutMs);
    // To the any-address, reusing a port that still lingers from an earlier run; port 0 picks a
    // free one (see localPort).
    bool bindAny(uint16_t port);
    bool listen(int backlog);
    // The port the socket is bound to; 0 when it is not.
    uint16_t localPort() const;
    // Waits for a connection; on success the new connected handle and the peer's address.
    AcceptResult accept(int& acceptedHandle, Ipv4Address& peer);
    // A send that can put no byte out for ms milliseconds (the other side reads nothing) fails;
    // 0 waits for ever.
    bool setSendTimeout(uint32_t ms);
    // The same for a receive that gets no byte.
    bool setReceiveTimeout(uint32_t ms);
    // Writes every byte, however many calls it takes; false when the connection failed or stalled
    // past the send timeout first.
    bool sendAll(const void* data, size_t size);
    // Waits for bytes: the count read (at most capacity), 0 when the other side closed, -1 when
    // the connection failed or was shut down, TIMED_OUT when the receive timeout passed first.
    int64_t receive(void* buffer, size_t capacity);
    static constexpr int64_t TIMED_OUT = -2;
    // Ends both directions; a blocked receive or accept returns.
    void shutdown();
    // Releases the handle; no other thread may be using the socket.
    void close();

private:
    int handle_;
};

} // namespace platform
