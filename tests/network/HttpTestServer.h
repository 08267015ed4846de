#pragma once

// A small HTTP/1.1 server for the download tests and the benchmark: it listens on 127.0.0.1 on a
// free port, answers every request from a table of paths (404 for the rest), each connection on a
// thread of its own, and closes the connection after its answer. It records the head of every
// request. It stops, waking whatever it waits for, when it goes.

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace httptest {

struct Reply {
    // The status line and the headers, each ended by CR LF; the blank line follows by itself.
    std::string head;
    std::string body;
    // How much of the body goes out before the connection closes (all of it by default).
    size_t sent = std::string::npos;
    // The body goes out in small pieces with short pauses, over and over, until the client leaves
    // or the server stops.
    bool trickle = false;
};

inline Reply withLength(const std::string& body, const std::string& status = "200 OK")
{
    return Reply{"HTTP/1.1 " + status + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n", body};
}

// The end of the connection ends the body.
inline Reply withoutLength(const std::string& body)
{
    return Reply{"HTTP/1.1 200 OK\r\nConnection: close\r\n", body};
}

inline Reply chunked(const std::string& body, size_t piece)
{
    Reply reply{"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n", ""};
    static const char digits[] = "0123456789abcdef";
    for (size_t at = 0; at < body.size(); at += piece) {
        const size_t length = std::min(piece, body.size() - at);
        std::string size;
        for (size_t n = length; n > 0; n >>= 4)
            size.insert(size.begin(), digits[n & 15]);
        reply.body += size + "\r\n" + body.substr(at, length) + "\r\n";
    }
    reply.body += "0\r\n\r\n";
    return reply;
}

inline Reply redirectTo(const std::string& path)
{
    return Reply{"HTTP/1.1 302 Found\r\nLocation: " + path + "\r\nContent-Length: 0\r\n", ""};
}

// Bytes that differ from one position to the next, so misplaced blocks show.
inline std::string pattern(size_t size)
{
    std::string bytes(size, '\0');
    for (size_t i = 0; i < size; ++i)
        bytes[i] = char((i * 7 + i / 251) & 0xFF);
    return bytes;
}

class Server {
public:
    Server()
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0
            || ::listen(listener_, 16) != 0 || ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        acceptor_ = std::thread([this] { acceptLoop(); });
    }
    ~Server()
    {
        stopping_.store(true);
        if (listener_ >= 0)
            ::shutdown(listener_, SHUT_RDWR);
        if (acceptor_.joinable())
            acceptor_.join();
        {
            std::lock_guard lock(mutex_);
            for (int connection : open_)
                ::shutdown(connection, SHUT_RDWR);
        }
        for (std::thread& handler : handlers_)
            handler.join();
        if (listener_ >= 0)
            ::close(listener_);
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    bool isUp() const { return port_ != 0; }
    // "127.0.0.1:<port>", as a script writes a host.
    std::string host() const { return "127.0.0.1:" + std::to_string(port_); }
    std::string base() const { return "http://" + host() + "/"; }

    void serve(const std::string& path, Reply reply)
    {
        std::lock_guard lock(mutex_);
        replies_[path] = std::make_shared<const Reply>(std::move(reply));
    }
    // The heads of the requests so far, in arrival order.
    std::vector<std::string> requests() const
    {
        std::lock_guard lock(mutex_);
        return requests_;
    }
    std::vector<std::string> requestLines() const
    {
        std::vector<std::string> lines;
        for (const std::string& head : requests())
            lines.push_back(head.substr(0, head.find("\r\n")));
        return lines;
    }

private:
    void acceptLoop()
    {
        while (!stopping_.load()) {
            const int connection = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
            if (connection < 0)
                return;
            std::lock_guard lock(mutex_);
            open_.insert(connection);
            handlers_.emplace_back([this, connection] { answer(connection); });
        }
    }

    void answer(int connection)
    {
        std::string head;
        if (readHead(connection, head)) {
            const std::shared_ptr<const Reply> reply = replyFor(head);
            if (sendAll(connection, reply->head + "\r\n"))
                sendBody(connection, *reply);
        }
        std::lock_guard lock(mutex_);
        open_.erase(connection);
        ::close(connection);
    }

    // The request up to its blank line; false when the client left first (a connection check).
    bool readHead(int connection, std::string& head)
    {
        char buffer[4096];
        while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
            const ssize_t count = ::recv(connection, buffer, sizeof buffer, 0);
            if (count <= 0)
                return false;
            head.append(buffer, size_t(count));
        }
        head.resize(head.find("\r\n\r\n") + 2);
        return true;
    }

    std::shared_ptr<const Reply> replyFor(const std::string& head)
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(head);
        const size_t start = head.find(' ') + 1;
        const std::string path = head.substr(start, head.find(' ', start) - start);
        const auto found = replies_.find(path);
        return found != replies_.end() ? found->second : std::make_shared<const Reply>(withLength("no such file", "404 Not Found"));
    }

    void sendBody(int connection, const Reply& reply)
    {
        const std::string_view body = reply.body;
        if (!reply.trickle) {
            sendAll(connection, body.substr(0, reply.sent));
            return;
        }
        for (size_t at = 0; !stopping_.load() && !body.empty(); at = (at + kPiece) % body.size()) {
            if (!sendAll(connection, body.substr(at, kPiece)) || clientLeft(connection))
                return;
        }
    }

    // Waits a little for the client to close its end.
    static bool clientLeft(int connection)
    {
        pollfd watched{connection, POLLIN, 0};
        char byte;
        return ::poll(&watched, 1, kPauseMs) != 0 && ::recv(connection, &byte, 1, MSG_DONTWAIT) <= 0;
    }

    static bool sendAll(int connection, std::string_view bytes)
    {
        for (size_t at = 0; at < bytes.size();) {
            const ssize_t count = ::send(connection, bytes.data() + at, bytes.size() - at, MSG_NOSIGNAL);
            if (count <= 0)
                return false;
            at += size_t(count);
        }
        return true;
    }

    static constexpr size_t kPiece = 256;
    static constexpr int kPauseMs = 2;

    int listener_ = -1;
    uint16_t port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const Reply>> replies_;
    std::vector<std::string> requests_;
    std::set<int> open_;
    std::vector<std::thread> handlers_;
    std::thread acceptor_;
};

} // namespace httptest
