#include "network/CNetFileDataMessage.h"

#include <algorithm>
#include <cstring>

CNetFileDataMessage::CNetFileDataMessage(CXSocket* socket, int requestId, int senderId, int reserved, int offset,
                                         int chunkLength, const uint8_t* data)
    : CNetMessage(socket), requestId_(requestId), senderId_(senderId), reserved_(reserved), offset_(offset),
      chunkLength_(chunkLength)
{
    allocate(FILE_DATA, HEAD + std::max(chunkLength, 0));
    putWord(8, requestId_);
    putWord(12, senderId_);
    putWord(16, reserved_);
    putWord(20, offset_);
    putWord(24, chunkLength_);
    if (chunkLength > 0)
        std::memcpy(getBuffer() + HEAD, data, static_cast<size_t>(chunkLength));
}

CNetFileDataMessage::CNetFileDataMessage(const CXString& sender, const CNetMessage* raw)
    : CNetMessage(sender, raw), requestId_(wordAt(8)), senderId_(wordAt(12)), reserved_(wordAt(16)),
      offset_(wordAt(20)), chunkLength_(wordAt(24))
{
}

const uint8_t* CNetFileDataMessage::getData() const
{
    return isWellFormed() ? getBuffer() + HEAD : nullptr;
}
