#include "platform/TcpSocket.h"

#include "platform/Cp1250.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace platform {

namespace {

sockaddr_in socketAddress(const Ipv4Address& address, uint16_t port)
{
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_port = htons(port);
    std::memcpy(&result.sin_addr.s_addr, address.bytes, 4);
    return result;
}

bool setNonBlocking(int handle, bool nonBlocking)
{
    int flags = ::fcntl(handle, F_GETFL);
    if (flags < 0)
        return false;
    flags = nonBlocking ? flags | O_NONBLOCK : flags & ~O_NONBLOCK;
    return ::fcntl(handle, F_SETFL, flags) == 0;
}

// Waits for a non-blocking connect to finish; true when it connected.
bool finishConnect(int handle, uint32_t timeoutMs)
{
    pollfd waiting{handle, POLLOUT, 0};
    int ready;
    do
        ready = ::poll(&waiting, 1, static_cast<int>(timeoutMs));
    while (ready < 0 && errno == EINTR);
    if (ready <= 0)
        return false;
    int error = 0;
    socklen_t length = sizeof error;
    return ::getsockopt(handle, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
}

bool setTimeout(int handle, int option, uint32_t ms)
{
    timeval timeout{};
    timeout.tv_sec = static_cast<time_t>(ms / 1000);
    timeout.tv_usec = static_cast<suseconds_t>(ms % 1000) * 1000;
    return handle >= 0 && ::setsockopt(handle, SOL_SOCKET, option, &timeout, sizeof timeout) == 0;
}

// Failures after which the socket still listens: this one connection, or the process's limits.
bool isPassingAcceptFailure(int error)
{
    switch (error) {
    case EINTR:
    case ECONNABORTED:
    case EPROTO:
    case EPERM:
    case EMFILE:
    case ENFILE:
    case ENOBUFS:
    case ENOMEM:
    case EAGAIN:
        return true;
    default:
        return false;
    }
}

} // namespace

bool parseIpv4(const std::string& text, Ipv4Address& address)
{
    in_addr parsed{};
    if (::inet_pton(AF_INET, text.c_str(), &parsed) != 1)
        return false;
    std::memcpy(address.bytes, &parsed.s_addr, 4);
    return true;
}

bool resolveIpv4(const std::string& name, Ipv4Address& address)
{
    if (name.empty())
        return false;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    if (::getaddrinfo(Cp1250::toUtf8(name).c_str(), nullptr, &hints, &found) != 0 || found == nullptr)
        return false;
    const auto* first = reinterpret_cast<const sockaddr_in*>(found->ai_addr);
    std::memcpy(address.bytes, &first->sin_addr.s_addr, 4);
    ::freeaddrinfo(found);
    return true;
}

std::string hostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return std::string();
    std::string converted;
    Cp1250::fromUtf8(name, converted);
    return converted;
}

TcpSocket::TcpSocket() : handle_(::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0)) {}

TcpSocket::TcpSocket(int handle) : handle_(handle) {}

TcpSocket::~TcpSocket()
{
    close();
}

bool TcpSocket::connect(const Ipv4Address& address, uint16_t port, uint32_t timeoutMs)
{
    if (!isOpen() || !setNonBlocking(handle_, true))
        return false;
    sockaddr_in target = socketAddress(address, port);
    bool connected = ::connect(handle_, reinterpret_cast<const sockaddr*>(&target), sizeof target) == 0
        || (errno == EINPROGRESS && finishConnect(handle_, timeoutMs));
    return setNonBlocking(handle_, false) && connected;
}

bool TcpSocket::bindAny(uint16_t port)
{
    if (!isOpen())
        return false;
    int reuse = 1;
    ::setsockopt(handle_, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    Ipv4Address any;
    sockaddr_in local = socketAddress(any, port);
    return ::bind(handle_, reinterpret_cast<const sockaddr*>(&local), sizeof local) == 0;
}

bool TcpSocket::listen(int backlog)
{
    return isOpen() && ::listen(handle_, backlog) == 0;
}

uint16_t TcpSocket::localPort() const
{
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (!isOpen() || ::getsockname(handle_, reinterpret_cast<sockaddr*>(&local), &length) != 0)
        return 0;
    return ntohs(local.sin_port);
}

AcceptResult TcpSocket::accept(int& acceptedHandle, Ipv4Address& peer)
{
    sockaddr_in from{};
    socklen_t length = sizeof from;
    acceptedHandle = ::accept4(handle_, reinterpret_cast<sockaddr*>(&from), &length, SOCK_CLOEXEC);
    if (acceptedHandle < 0)
        return isPassingAcceptFailure(errno) ? AcceptResult::Failed : AcceptResult::Closed;
    std::memcpy(peer.bytes, &from.sin_addr.s_addr, 4);
    return AcceptResult::Accepted;
}

bool TcpSocket::setSendTimeout(uint32_t ms)
{
    return setTimeout(handle_, SO_SNDTIMEO, ms);
}

bool TcpSocket::setReceiveTimeout(uint32_t ms)
{
    return setTimeout(handle_, SO_RCVTIMEO, ms);
}

bool TcpSocket::sendAll(const void* data, size_t size)
{
    const auto* next = static_cast<const uint8_t*>(data);
    while (size > 0) {
        ssize_t sent = ::send(handle_, next, size, MSG_NOSIGNAL);
        if (sent < 0 && errno == EINTR)
            continue;
        if (sent <= 0)
            return false;
        next += sent;
        size -= static_cast<size_t>(sent);
    }
    return true;
}

int64_t TcpSocket::receive(void* buffer, size_t capacity)
{
    ssize_t received;
    do
        received = ::recv(handle_, buffer, capacity, 0);
    while (received < 0 && errno == EINTR);
    if (received < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return TIMED_OUT;
    return received;
}

void TcpSocket::shutdown()
{
    if (isOpen())
        ::shutdown(handle_, SHUT_RDWR);
}

void TcpSocket::close()
{
    if (isOpen())
        ::close(handle_);
    handle_ = -1;
}

} // namespace platform
