#include "network/CFileSender_Entry.h"

#include "foundation/CFile.h"
#include "network/CNetFileDataMessage.h"
#include "network/CNetFileResponseMessage.h"
#include "network/CXSocket.h"

#include <algorithm>

CFileSender_Entry::CFileSender_Entry(CXSocket* socket, int requestId, int id, const CXString& firstFolder,
                                     const CXString& secondFolder, const CXString& fileName)
    : socket_(socket), requestId_(requestId), id_(id), firstFolder_(firstFolder), secondFolder_(secondFolder),
      fileName_(fileName), file_(std::make_unique<CFile>(nullptr, fileName, CFile::READ | CFile::BINARY))
{
}

CFileSender_Entry::~CFileSender_Entry() = default;

bool CFileSender_Entry::isOpen() const
{
    return file_ != nullptr && file_->LastError() == 0;
}

int CFileSender_Entry::getFileLength() const
{
    return isOpen() ? file_->Length() : -1;
}

bool CFileSender_Entry::send()
{
    if (socket_ == nullptr)
        return false;
    CNetMessage* message = nextMessage();
    return message != nullptr && socket_->send(message);
}

CNetMessage* CFileSender_Entry::nextMessage()
{
    if (!responseSent_)
        return response();
    int chunk = std::min(size_ - sent_, CNetFileDataMessage::MAX_CHUNK);
    if (chunk <= 0)
        return nullptr;
    auto* message = new CNetFileDataMessage(socket_, requestId_, id_, 0, sent_, chunk, data_.get() + sent_);
    sent_ += chunk;
    return message;
}

CNetMessage* CFileSender_Entry::response()
{
    int length = getFileLength();
    if (length < 0 || length > CNetFileResponseMessage::MAX_FILE_SIZE)
        return nullptr;
    data_ = std::make_unique_for_overwrite<uint8_t[]>(static_cast<size_t>(length) + 1);
    if (file_->Read(data_.get(), length) != length)
        return nullptr;
    file_.reset();
    size_ = length;
    responseSent_ = true;
    return new CNetFileResponseMessage(socket_, requestId_, id_, size_, size_);
}

bool CFileSender_Entry::equals(const CXObject* other) const
{
    auto* entry = dynamic_cast<const CFileSender_Entry*>(other);
    return entry != nullptr && entry->id_ == id_;
}
