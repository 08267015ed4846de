#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CNetMessage;
class CXSocket;

// Cuts frames out of one connection's byte stream: bytes are pushed as they arrive, whole frames
// come out in stream order, however the stream was split.
//
// A length word below the head's size, negative or over MAX_FRAME_LENGTH cannot be a frame: the
// stack then fails for good (the connection cannot be resynchronised) and its owner drops it.
class CMessageStack {
public:
    static constexpr int MAX_FRAME_LENGTH = 16 * 1024 * 1024;

    explicit CMessageStack(CXSocket* socket);
    CMessageStack(const CMessageStack&) = delete;
    CMessageStack& operator=(const CMessageStack&) = delete;

    // False, and nothing kept, once the stack has failed.
    bool push(const uint8_t* bytes, int count);
    // The next whole frame as a new message on the stack's socket, or null.
    CNetMessage* get();
    bool failed() const { return failed_; }

private:
    size_t buffered() const { return bytes_.size() - readOffset_; }
    // Room for `count` more bytes, moving the unread ones to the front when that is cheaper than
    // growing.
    void makeRoom(size_t count);
    void fail();

    CXSocket* socket_;
    std::vector<uint8_t> bytes_;
    size_t readOffset_ = 0;
    bool failed_ = false;
};
