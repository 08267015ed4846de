#pragma once

#include "foundation/CXString.h"

#include <cstdint>
#include <memory>

class CXSocket;

// One frame of the engine's TCP stream: a type word and a length word (the whole frame's size,
// head included), both little-endian int32, then the payload of the type. The message owns the
// whole frame; the typed subclasses build frames from engine values and read their fields back.
//
// The owned block carries one zero byte past the frame, so a string the frame leaves
// unterminated ends at the frame's end and readers never look outside it.
class CNetMessage {
public:
    enum Type {
        CMD = 1,
        VARIABLE = 2,
        BEHAVIOUR = 3,
        LEAVE = 4, // head only
        TEXT = 5,
        PING = 6,
        HELLO = 7,
        FILE_REQUEST = 8,
        FILE_RESPONSE = 9,
        FILE_DATA = 10,
    };
    static constexpr int HEAD_LENGTH = 8;

    // No frame yet: length 0, no buffer.
    explicit CNetMessage(CXSocket* socket);
    // A head-only frame of the type (the leave message).
    CNetMessage(CXSocket* socket, int type);
    // A copy of the frame at the start of the bytes; a length word below the head's size or past
    // the available bytes gives no frame (length 0).
    CNetMessage(CXSocket* socket, const uint8_t* frame, int available);
    // Takes over a block of length + 1 bytes whose first length bytes are a whole frame with that
    // length word.
    CNetMessage(CXSocket* socket, std::unique_ptr<uint8_t[]> frame, int length);
    // The first step of parsing: a copy of the raw message's frame and socket, with the sender.
    CNetMessage(const CXString& sender, const CNetMessage* raw);
    virtual ~CNetMessage();
    CNetMessage(const CNetMessage&) = delete;
    CNetMessage& operator=(const CNetMessage&) = delete;

    int getType() const { return type_; }
    int getBufferLen() const { return length_; }
    uint8_t* getBuffer() { return buffer_.get(); }
    const uint8_t* getBuffer() const { return buffer_.get(); }
    CXSocket* getHandle() const { return socket_; }
    const CXString& getSenderName() const { return sender_; }
    void setSender(const CXString& sender) { sender_ = sender; }

protected:
    // A frame of one text and its terminator (behaviour, text and hello messages).
    CNetMessage(CXSocket* socket, int type, const CXString& text);

    // A zeroed frame of that type and length, the head written.
    void allocate(int type, int length);
    void putWord(int offset, int value);
    // The int32 at the offset; 0 when it does not lie inside the frame.
    int wordAt(int offset) const;
    // The text at the offset, up to its terminator or the frame's end; "" past the frame.
    const char* textAt(int offset) const;
    // The offset just past the text at the offset and its terminator.
    int afterTextAt(int offset) const;
    // Writes the text and its terminator; returns the offset after them.
    int putText(int offset, const CXString& text);

private:
    int type_ = 0;
    int length_ = 0;
    std::unique_ptr<uint8_t[]> buffer_;
    CXSocket* socket_;
    CXString sender_;
};
