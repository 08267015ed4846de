#include "network/CMC_NetClient.h"

#include "network/CNetworkClient.h"
#include "script/CMC_TypeIds.h"

CMC_NetClient::CMC_NetClient(CWindow* window, CMC_Application* application)
    : CMC_NetPeer("NETCLIENT", script::TYPE_NETCLIENT, application), client_(std::make_unique<CNetworkClient>(window))
{
    client_->addNotifier(this);
    initializeBehaviours(nullptr, nullptr);
}

CMC_NetClient::~CMC_NetClient()
{
    beginDestruction();
    client_.reset();
}

CXString** CMC_NetClient::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONCONNECTED", "ONCOMMAND", "ONCONNECTIONCLOSED"});
}

void CMC_NetClient::sendTo(const CXString&, const Builder& build)
{
    if (isConnected())
        client_->send(build(client_->getHandle()));
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
    return client_->connect(host, getPort());
}

void CMC_NetClient::disconnect()
{
    client_->disconnect(true);
}

bool CMC_NetClient::isConnected() const
{
    return client_->isConnected();
}
