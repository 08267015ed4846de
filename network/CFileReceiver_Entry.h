#pragma once

#include "foundation/CXObject.h"

#include <cstdint>
#include <memory>

class CNetFileDataMessage;
class CNetFileResponseMessage;
class CNetMessage;
class CXSocket;

// One file being collected: asked for on a socket, then announced by a response and sent in
// chunks. Only a response within the size limit is taken, and only the chunks that follow it in
// file order, of the sender that answered, inside the announced size: anything else is ignored,
// so the block is never written outside and completes only when every byte came.
class CFileReceiver_Entry : public CXObject {
public:
    CFileReceiver_Entry(CXSocket* socket, int id, const CXString& firstFolder, const CXString& secondFolder,
                        const CXString& fileName);

    // Takes a response or data message of this transfer; false once the file is complete or the
    // transfer was refused (see isRefused).
    bool received(CNetMessage* message);
    // Writes the file as file name below second folder below first folder, all below the working
    // folder unless absolute, making the folders that are missing; the working folder does not
    // change. True when every byte was written.
    bool save_file();

    // The response announced a size that is negative or over the limit.
    bool isRefused() const { return refused_; }
    bool isComplete() const { return responded_ && received_ == size_; }
    CXSocket* getSocket() const { return socket_; }
    int getId() const { return id_; }
    // -1 until the response arrives.
    int getSenderId() const { return senderId_; }
    const CXString& getFirstFolder() const { return firstFolder_; }
    const CXString& getSecondFolder() const { return secondFolder_; }
    const CXString& getFileName() const { return fileName_; }
    int getAnnouncedSize() const { return announcedSize_; }
    int getSize() const { return size_; }
    // The collected bytes; null before the response.
    const uint8_t* getData() const { return data_.get(); }
    int getReceived() const { return received_; }

    int getHashcode() const override { return id_; }
    // Entries are the same transfer when their ids are.
    bool equals(const CXObject* other) const override;

private:
    void takeResponse(const CNetFileResponseMessage* response);
    void takeData(const CNetFileDataMessage* data);

    CXSocket* socket_;
    int id_;
    int senderId_ = -1;
    CXString firstFolder_;
    CXString secondFolder_;
    CXString fileName_;
    int announcedSize_ = 0;
    int size_ = 0;
    std::unique_ptr<uint8_t[]> data_;
    int received_ = 0;
    bool responded_ = false;
    bool refused_ = false;
};
