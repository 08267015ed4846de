#include "network/CFileReceiver_Entry.h"

#include "foundation/CFile.h"
#include "foundation/CPath.h"
#include "foundation/RelativeNames.h"
#include "network/CNetFileDataMessage.h"
#include "network/CNetFileResponseMessage.h"

#include <cstring>

CFileReceiver_Entry::CFileReceiver_Entry(CXSocket* socket, int id, const CXString& firstFolder,
                                         const CXString& secondFolder, const CXString& fileName)
    : socket_(socket), id_(id), firstFolder_(firstFolder), secondFolder_(secondFolder), fileName_(fileName)
{
}

bool CFileReceiver_Entry::received(CNetMessage* message)
{
    if (auto* response = dynamic_cast<CNetFileResponseMessage*>(message))
        takeResponse(response);
    else if (auto* data = dynamic_cast<CNetFileDataMessage*>(message))
        takeData(data);
    return !refused_ && !isComplete();
}

void CFileReceiver_Entry::takeResponse(const CNetFileResponseMessage* response)
{
    if (responded_ || !response->isWellFormed())
        return;
    int size = response->getSize();
    if (size < 0 || size > CNetFileResponseMessage::MAX_FILE_SIZE) {
        refused_ = true;
        return;
    }
    senderId_ = response->getSenderId();
    announcedSize_ = response->getAnnouncedSize();
    size_ = size;
    data_ = std::make_unique_for_overwrite<uint8_t[]>(static_cast<size_t>(size) + 1);
    received_ = 0;
    responded_ = true;
}

void CFileReceiver_Entry::takeData(const CNetFileDataMessage* data)
{
    int length = data->getChunkLength();
    if (!responded_ || !data->isWellFormed() || data->getSenderId() != senderId_ || data->getOffset() != received_
        || length <= 0 || length > size_ - received_)
        return;
    std::memcpy(data_.get() + received_, data->getData(), static_cast<size_t>(length));
    received_ += length;
}

bool CFileReceiver_Entry::save_file()
{
    if (!isComplete())
        return false;
    CXString path = CPath::resolveFileName(nullptr,
                                           CPath::getFullPath(CPath::getFullPath(firstFolder_, secondFolder_), fileName_));
    foundation::makeFoldersOf(path);
    CFile file(nullptr, path, CFile::UPDATE | CFile::BINARY);
    if (file.LastError() != 0)
        return false;
    bool written = file.Write(data_.get(), size_) == size_;
    return file.Close() == 0 && written;
}

bool CFileReceiver_Entry::equals(const CXObject* other) const
{
    auto* entry = dynamic_cast<const CFileReceiver_Entry*>(other);
    return entry != nullptr && entry->id_ == id_;
}
