#include "network/CMC_NetServer.h"

#include "network/CNetHelloMessage.h"
#include "network/CNetPlayerInfo.h"
#include "network/CNetworkServer.h"
#include "network/CXSocket.h"
#include "script/CMC_TypeIds.h"

CMC_NetServer::CMC_NetServer(CWindow* window, CMC_Application* application)
    : CMC_NetPeer("NETSERVER", script::TYPE_NETSERVER, application, std::make_unique<CNetworkServer>(window))
{
    initializeBehaviours(nullptr, nullptr);
}

CMC_NetServer::~CMC_NetServer()
{
    // Handlers of ONDONE may still ask for the logged player name.
    beginDestruction();
}

CNetworkServer* CMC_NetServer::getServerIfc() const
{
    return static_cast<CNetworkServer*>(getPeer());
}

CXString** CMC_NetServer::getBehavioursList()
{
    return makeSignalList({"ONINIT", "ONDONE", "ONSIGNAL", "ONNEWPLAYER", "ONDESTROYPLAYER", "ONCOMMAND", "ONTEXT"});
}

bool CMC_NetServer::canSendVariables()
{
    return getServerIfc()->isStarted();
}

void CMC_NetServer::sendTo(const CXString& target, const Builder& build)
{
    if (!target.IsString()) {
        for (CNetPlayerInfo* player : getServerIfc()->getClients())
            player->getHandle()->send(build(player->getHandle()));
    } else if (CNetPlayerInfo* player = getServerIfc()->find(target)) {
        player->getHandle()->send(build(player->getHandle()));
    }
}

void CMC_NetServer::onMessage(CNetMessage* message)
{
    switch (message->getType()) {
    case CNetMessage::LEAVE:
        if (CNetPlayerInfo* player = getServerIfc()->findByConnection(message->getHandle()))
            getServerIfc()->removePlayer(player);
        break;
    case CNetMessage::HELLO: {
        auto* hello = dynamic_cast<CNetHelloMessage*>(message);
        CNetPlayerInfo* player = getServerIfc()->findByConnection(message->getHandle());
        if (hello != nullptr && player != nullptr) {
            player->setName(hello->getName());
            getServerIfc()->newPlayer(player);
        }
        break;
    }
    default:
        CMC_NetPeer::onMessage(message);
        break;
    }
}

void CMC_NetServer::onNewPlayer(CNetPlayerInfo* player)
{
    loggedPlayerName_ = player->getName();
    onSignal("ONNEWPLAYER");
}

void CMC_NetServer::onDestroyPlayer(CNetPlayerInfo*)
{
    onSignal("ONDESTROYPLAYER");
}

bool CMC_NetServer::start()
{
    return getServerIfc()->start(getPort());
}

void CMC_NetServer::stop()
{
    getServerIfc()->stop(true);
}

int CMC_NetServer::getPlayersNo()
{
    return getServerIfc()->getPlayersNo();
}

CNetPlayerInfo* CMC_NetServer::getPlayer(int index)
{
    return getServerIfc()->getPlayer(index);
}
