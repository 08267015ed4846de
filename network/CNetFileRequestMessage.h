#pragma once

#include "network/CNetMessage.h"

// A request for one file: the asker's transfer id, -1 (the sender has not numbered the transfer
// yet), then the two folders the asker saves under and the file's name.
class CNetFileRequestMessage : public CNetMessage {
public:
    CNetFileRequestMessage(CXSocket* socket, int requestId, const CXString& firstFolder, const CXString& secondFolder,
                           const CXString& fileName);
    CNetFileRequestMessage(const CXString& sender, const CNetMessage* raw);

    int getRequestId() const { return requestId_; }
    int getSenderId() const { return senderId_; }
    const CXString& getFirstFolder() const { return firstFolder_; }
    const CXString& getSecondFolder() const { return secondFolder_; }
    const CXString& getFileName() const { return fileName_; }
    // The two words and three terminated texts all lie inside the frame.
    bool isWellFormed() const;

private:
    int requestId_;
    int senderId_;
    CXString firstFolder_;
    CXString secondFolder_;
    CXString fileName_;
};
