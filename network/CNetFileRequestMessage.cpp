#include "network/CNetFileRequestMessage.h"

namespace {

constexpr int kFirstText = 16;

} // namespace

CNetFileRequestMessage::CNetFileRequestMessage(CXSocket* socket, int requestId, const CXString& firstFolder,
                                               const CXString& secondFolder, const CXString& fileName)
    : CNetMessage(socket), requestId_(requestId), senderId_(-1), firstFolder_(firstFolder),
      secondFolder_(secondFolder), fileName_(fileName)
{
    allocate(FILE_REQUEST,
             kFirstText + firstFolder.getLength() + secondFolder.getLength() + fileName.getLength() + 3);
    putWord(8, requestId_);
    putWord(12, senderId_);
    putText(putText(putText(kFirstText, firstFolder_), secondFolder_), fileName_);
}

CNetFileRequestMessage::CNetFileRequestMessage(const CXString& sender, const CNetMessage* raw)
    : CNetMessage(sender, raw), requestId_(wordAt(8)), senderId_(wordAt(12))
{
    int second = afterTextAt(kFirstText);
    int third = afterTextAt(second);
    firstFolder_ = textAt(kFirstText);
    secondFolder_ = textAt(second);
    fileName_ = textAt(third);
}

bool CNetFileRequestMessage::isWellFormed() const
{
    return afterTextAt(afterTextAt(afterTextAt(kFirstText))) <= getBufferLen();
}
