#pragma once

#include "platform/HttpSink.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// One HTTP GET, run to its end on the calling thread through libcurl: the engine's user agent,
// redirects followed, no signals, the body handed to a sink block by block as it arrives (one
// block of memory at a time). stop() from any other thread ends it at once, also while the server
// sends nothing; a connection that carries no byte for a minute fails.
class HttpTransfer {
public:
    static constexpr const char* USER_AGENT = "Tamzora-agent-1";

    enum class Result {
        NotOpened, // no response came: no connection, no answer, not HTTP, or stopped before it
        Complete,  // the whole body arrived
        Ended,     // the sink or stop() ended it after the response began
        Broken,    // the body was cut short or could not be read
    };

    HttpTransfer();
    ~HttpTransfer();
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;

    // The address as a user writes it: blanks, control and non-ASCII bytes go out percent-encoded.
    // One transfer per object.
    Result get(const std::string& url, HttpSink& sink);
    // Ends the transfer running now, or the one about to run, from any thread.
    void stop();

    // Whether a connection to the host of the address (a URL, or a host with an optional port)
    // opens within timeoutMs; nothing is sent.
    static bool canConnect(const std::string& address, uint32_t timeoutMs);

private:
    struct Exchange;
    static size_t receive(char* data, size_t size, size_t count, void* exchange);
    // Runs the handle until it ends or stop() is called; its result code, or a stop.
    int drive(void* easy);

    void* multi_;
    std::atomic<bool> stopped_{false};
};

} // namespace platform
