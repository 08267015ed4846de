#include "network/CNetPingMessage.h"

CNetPingMessage::CNetPingMessage(CXSocket* socket, long time) : CNetMessage(socket)
{
    allocate(PING, LENGTH);
    putWord(8, static_cast<int>(time));
}

CNetPingMessage::CNetPingMessage(const CXString& sender, const CNetMessage* raw, bool response)
    : CNetMessage(sender, raw)
{
    if (getBufferLen() >= 16)
        putWord(12, response ? 1 : 0);
}
