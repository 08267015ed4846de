#include "network/CNetFileResponseMessage.h"

CNetFileResponseMessage::CNetFileResponseMessage(CXSocket* socket, int requestId, int senderId, int announcedSize,
                                                 int size)
    : CNetMessage(socket), requestId_(requestId), senderId_(senderId), announcedSize_(announcedSize), size_(size)
{
    allocate(FILE_RESPONSE, LENGTH);
    putWord(8, requestId_);
    putWord(12, senderId_);
    putWord(16, announcedSize_);
    putWord(20, size_);
}

CNetFileResponseMessage::CNetFileResponseMessage(const CXString& sender, const CNetMessage* raw)
    : CNetMessage(sender, raw), requestId_(wordAt(8)), senderId_(wordAt(12)), announcedSize_(wordAt(16)),
      size_(wordAt(20))
{
}
