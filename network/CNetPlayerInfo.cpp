#include "network/CNetPlayerInfo.h"

#include "network/CNetReceiver.h"
#include "network/CXSocket.h"

CNetPlayerInfo::CNetPlayerInfo(CXSocket* socket, const CXString& address, CNetworkPeer* server)
    : socket_(socket), name_(address), address_(address),
      receiver_(std::make_unique<CNetReceiver>(server, socket, address))
{
}

CNetPlayerInfo::~CNetPlayerInfo()
{
    stopReceiver();
}

void CNetPlayerInfo::stopReceiver()
{
    receiver_.reset();
}
