#pragma once

#include "foundation/CXObject.h"

#include <cstdint>
#include <memory>

class CFile;
class CNetMessage;
class CXSocket;

// One requested file being sent: first a response with its size, then its bytes in chunks of at
// most 10240, one message per send, in file order. The file is read whole when the response is
// built.
class CFileSender_Entry : public CXObject {
public:
    // Opens the file by its name, for reading in binary mode.
    CFileSender_Entry(CXSocket* socket, int requestId, int id, const CXString& firstFolder,
                      const CXString& secondFolder, const CXString& fileName);
    ~CFileSender_Entry() override;

    // Whether the file opened.
    bool isOpen() const;
    // The file's length; -1 when it did not open.
    int getFileLength() const;
    // Sends the next message; false when nothing was left, the file could not be read or the
    // connection failed.
    bool send();

    CXSocket* getSocket() const { return socket_; }
    int getRequestId() const { return requestId_; }
    int getId() const { return id_; }
    const CXString& getFirstFolder() const { return firstFolder_; }
    const CXString& getSecondFolder() const { return secondFolder_; }
    const CXString& getFileName() const { return fileName_; }
    int getSize() const { return size_; }
    int getSent() const { return sent_; }

    int getHashcode() const override { return id_; }
    // Entries are the same transfer when their ids are.
    bool equals(const CXObject* other) const override;

private:
    // The response, then the next chunk; null when nothing is left or the file cannot be read.
    CNetMessage* nextMessage();
    CNetMessage* response();

    CXSocket* socket_;
    int requestId_;
    int id_;
    CXString firstFolder_;
    CXString secondFolder_;
    CXString fileName_;
    std::unique_ptr<CFile> file_;
    bool responseSent_ = false;
    int size_ = 0;
    std::unique_ptr<uint8_t[]> data_;
    int sent_ = 0;
};
