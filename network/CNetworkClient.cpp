#include "network/CNetworkClient.h"

#include "foundation/CConfig.h"
#include "network/CNetHelloMessage.h"
#include "network/CNetListener.h"
#include "network/CNetReceiver.h"
#include "network/CXSocket.h"
#include "script/CGameConfigLink.h"

CNetworkClient::CNetworkClient(CWindow* window) : CNetworkPeer(window) {}

CNetworkClient::~CNetworkClient()
{
    disconnect(true);
}

bool CNetworkClient::connect(const CXString& host, int port)
{
    if (connected_)
        return true;
    auto connection = std::make_unique<CXSocket>(getWindow());
    if (!connection->connect(host, port))
        return false;
    socket_ = std::move(connection);
    hostName_ = host;
    connected_ = true;
    announce_ = true;
    start_receiver();
    send(new CNetHelloMessage(socket_.get(), getPlayerName(getWindow())));
    return true;
}

void CNetworkClient::disconnect(bool sendLeave)
{
    if (!connected_)
        return;
    if (sendLeave)
        send(new CNetMessage(socket_.get(), CNetMessage::LEAVE));
    drop();
    releaseRetired();
}

void CNetworkClient::drop()
{
    stop_receiver();
    CXSocket* connection = socket_.get();
    retire(connection, std::move(socket_));
    hostName_ = CXString();
    connected_ = false;
    announce_ = false;
}

void CNetworkClient::start_receiver()
{
    receiver_ = std::make_unique<CNetReceiver>(this, socket_.get(), hostName_);
}

void CNetworkClient::stop_receiver()
{
    receiver_.reset();
}

void CNetworkClient::beginStep()
{
    if (!announce_)
        return;
    announce_ = false;
    CXString host = hostName_;
    notify([&host](CNetListener* listener) { listener->onConnected(host); });
}

void CNetworkClient::onConnectionLost(CXSocket* connection)
{
    if (!connected_ || connection != socket_.get())
        return;
    drop();
    notify([](CNetListener* listener) { listener->onConnectionClosed(); });
}

CXString CNetworkClient::getPlayerName(CWindow* window)
{
    CConfig* config = window != nullptr ? CGameConfigLink::configOf(window) : nullptr;
    CXString name = config != nullptr ? config->GetString("PLAYER", "NAME") : CXString();
    return name.IsString() ? name : CXSocket::getHostName();
}
