#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

// What an HTTP transfer receives, handed over on the thread that runs the transfer.
class HttpSink {
public:
    virtual ~HttpSink() = default;
    // The final response (after the redirects followed) began: its status and its Content-Length,
    // -1 without one. Comes once, before any block; false ends the transfer.
    virtual bool onResponse(int status, int64_t contentLength) = 0;
    // The next bytes of the body, as they arrive; false ends the transfer.
    virtual bool onBlock(const void* data, size_t size) = 0;
};

} // namespace platform
