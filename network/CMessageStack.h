#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class CNetMessage;
class CXSocket;

// Cuts frames out of one connection's byte stream: bytes are pushed as they arrive, whole frames
// come out in stream order, however the stream was split.
//
// Small frames gather in one buffer read from an offset; a frame larger than a socket read is
// gathered straight into the block its message will own, so its bytes are copied once.
//
// A length word below the head's size, negative or over MAX_FRAME_LENGTH cannot be a frame: the
// stack then fails for good (the connection cannot be resynchronised) and its owner drops it.
class CMessageStack {
public:
    static constexpr int MAX_FRAME_LENGTH = 16 * 1024 * 1024;
    // Frames longer than this are gathered on their own, unless the stack is given another size.
    static constexpr int LARGE_FRAME = 64 * 1024;

    explicit CMessageStack(CXSocket* socket, int largeFrame = LARGE_FRAME);
    ~CMessageStack();
    CMessageStack(const CMessageStack&) = delete;
    CMessageStack& operator=(const CMessageStack&) = delete;

    // False, and nothing kept, once the stack has failed.
    bool push(const uint8_t* bytes, int count);
    // The next whole frame as a new message on the stack's socket, or null.
    CNetMessage* get();
    bool failed() const { return failed_; }

private:
    size_t buffered() const { return bytes_.size() - readOffset_; }
    // Fills the large frame being gathered; the bytes it used.
    size_t gather(const uint8_t* bytes, size_t count);
    void append(const uint8_t* bytes, size_t count);
    // The large frame whose head is at the read offset starts gathering from the bytes buffered.
    void startLarge(size_t length);
    CNetMessage* takeLarge();
    void fail();

    CXSocket* socket_;
    int largeFrame_;
    std::vector<uint8_t> bytes_;
    size_t readOffset_ = 0;
    std::unique_ptr<uint8_t[]> large_;
    size_t largeLength_ = 0;
    size_t largeFilled_ = 0;
    bool failed_ = false;
};
