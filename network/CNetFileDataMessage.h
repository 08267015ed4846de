#pragma once

#include "network/CNetMessage.h"

// One chunk of a file: the asker's id, the sender's id, a reserved 0, the chunk's offset in the
// file and its length, then its bytes.
class CNetFileDataMessage : public CNetMessage {
public:
    static constexpr int HEAD = 28;
    // The longest chunk a sender puts in one message.
    static constexpr int MAX_CHUNK = 10240;

    CNetFileDataMessage(CXSocket* socket, int requestId, int senderId, int reserved, int offset, int chunkLength,
                        const uint8_t* data);
    CNetFileDataMessage(const CXString& sender, const CNetMessage* raw);

    int getRequestId() const { return requestId_; }
    int getSenderId() const { return senderId_; }
    int getReserved() const { return reserved_; }
    int getOffset() const { return offset_; }
    int getChunkLength() const { return chunkLength_; }
    // The chunk's bytes inside the frame; null when the frame is not well formed.
    const uint8_t* getData() const;
    // The fixed part is there and the chunk fills the rest of the frame exactly.
    bool isWellFormed() const { return getBufferLen() >= HEAD && chunkLength_ == getBufferLen() - HEAD; }

private:
    int requestId_;
    int senderId_;
    int reserved_;
    int offset_;
    int chunkLength_;
};
