#include "network/CMC_NetClient.h"

#include "network/CNetworkClient.h"
#include "script/CMC_TypeIds.h"

CMC_NetClient::CMC_NetClient(CWindow* window, CMC_Application* application)
    : CMC_NetPeer("NETCLIENT", script::TYPE_NETCLIENT, application, std::make_unique<CNetworkClient>(window))
{
    initializeBehaviours(nullptr, nullptr);
}

CNetworkClient* CMC_NetClient::getClientIfc() const
{
    return static_cast<CNetworkClient*>(getPeer());
}

CXString** CMC_NetClient::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONCONNECTED", "ONCOMMAND", "ONCONNECTIONCLOSED"});
}

void CMC_NetClient::sendTo(const CXString&, const Builder& build)
{
    if (isConnected())
        getClientIfc()->send(build(getClientIfc()->getHandle()));
}

void CMC_NetClient::onConnected(CXString)
{
    onSignal("ONCONNECTED");
}

void CMC_NetClient::onConnectionClosed()
{
    onSignal("ONCONNECTIONCLOSED");
}

bool CMC_NetClient::connect(const CXString& host)
{
    return getClientIfc()->connect(host, getPort());
}

void CMC_NetClient::disconnect()
{
    getClientIfc()->disconnect(true);
}

bool CMC_NetClient::isConnected() const
{
    return getClientIfc()->isConnected();
}
