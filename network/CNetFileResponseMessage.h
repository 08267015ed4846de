#pragma once

#include "network/CNetMessage.h"

// The answer to a file request: the asker's id, the sender's own id for the transfer, and the
// file's length twice.
class CNetFileResponseMessage : public CNetMessage {
public:
    // The largest file a transfer carries: both sides hold it whole in memory.
    static constexpr int MAX_FILE_SIZE = 256 * 1024 * 1024;
    static constexpr int LENGTH = 24;

    CNetFileResponseMessage(CXSocket* socket, int requestId, int senderId, int announcedSize, int size);
    CNetFileResponseMessage(const CXString& sender, const CNetMessage* raw);

    int getRequestId() const { return requestId_; }
    int getSenderId() const { return senderId_; }
    int getAnnouncedSize() const { return announcedSize_; }
    int getSize() const { return size_; }
    bool isWellFormed() const { return getBufferLen() >= LENGTH; }

private:
    int requestId_;
    int senderId_;
    int announcedSize_;
    int size_;
};
