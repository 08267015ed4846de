#include "network/CNetworkServer.h"

#include "network/CNetListener.h"
#include "network/CNetMessage.h"
#include "network/CNetPlayerInfo.h"
#include "network/CXSocket.h"

namespace {

// Connections not yet accepted; a crowd arriving at once must not find the door shut.
constexpr int kBacklog = 64;

} // namespace

CNetworkServer::CNetworkServer(CWindow* window) : CNetworkPeer(window) {}

CNetworkServer::~CNetworkServer()
{
    stop(true);
}

bool CNetworkServer::start(int port)
{
    if (started_)
        return true;
    auto listening = std::make_unique<CXSocket>(getWindow());
    if (!listening->start(port, kBacklog, this))
        return false;
    socket_ = std::move(listening);
    started_ = true;
    return true;
}

void CNetworkServer::stop(bool sendLeave)
{
    if (!started_)
        return;
    // No player arrives once the accept thread has ended.
    socket_.reset();
    std::vector<std::unique_ptr<CNetPlayerInfo>> leaving;
    {
        platform::CriticalSection::Scoped hold(playersLock_);
        leaving.swap(players_);
    }
    for (std::unique_ptr<CNetPlayerInfo>& player : leaving) {
        if (sendLeave)
            player->getHandle()->send(new CNetMessage(player->getHandle(), CNetMessage::LEAVE));
        retirePlayer(std::move(player));
    }
    started_ = false;
    releaseRetired();
}

int CNetworkServer::getPort() const
{
    return socket_ != nullptr ? socket_->getPort() : 0;
}

int CNetworkServer::getPlayersNo()
{
    platform::CriticalSection::Scoped hold(playersLock_);
    return static_cast<int>(players_.size());
}

CNetPlayerInfo* CNetworkServer::getPlayer(int index)
{
    platform::CriticalSection::Scoped hold(playersLock_);
    return index >= 0 && static_cast<size_t>(index) < players_.size() ? players_[static_cast<size_t>(index)].get() : nullptr;
}

std::vector<CNetPlayerInfo*> CNetworkServer::getClients()
{
    platform::CriticalSection::Scoped hold(playersLock_);
    std::vector<CNetPlayerInfo*> players;
    for (const std::unique_ptr<CNetPlayerInfo>& player : players_)
        players.push_back(player.get());
    return players;
}

CNetPlayerInfo* CNetworkServer::find(const CXString& name)
{
    for (CNetPlayerInfo* player : getClients()) {
        if (player->getName() == name)
            return player;
    }
    return nullptr;
}

CNetPlayerInfo* CNetworkServer::findByConnection(const CXSocket* connection)
{
    for (CNetPlayerInfo* player : getClients()) {
        if (player->getHandle() == connection)
            return player;
    }
    return nullptr;
}

bool CNetworkServer::send(const CXString& name, CNetMessage* message)
{
    CNetPlayerInfo* player = find(name);
    if (player == nullptr) {
        delete message;
        return false;
    }
    return player->getHandle()->send(message);
}

void CNetworkServer::newPlayer(CNetPlayerInfo* player)
{
    notify([player](CNetListener* listener) { listener->onNewPlayer(player); });
}

void CNetworkServer::removePlayer(CNetPlayerInfo* player)
{
    std::unique_ptr<CNetPlayerInfo> leaving = take(player);
    if (leaving == nullptr)
        return;
    // Retired first: nothing it sent is left, and it stays whole for the listeners.
    retirePlayer(std::move(leaving));
    if (notify([player](CNetListener* listener) { listener->onDestroyPlayer(player); }))
        releaseRetired();
}

std::unique_ptr<CNetPlayerInfo> CNetworkServer::take(CNetPlayerInfo* player)
{
    platform::CriticalSection::Scoped hold(playersLock_);
    for (auto at = players_.begin(); at != players_.end(); ++at) {
        if (at->get() == player) {
            std::unique_ptr<CNetPlayerInfo> taken = std::move(*at);
            players_.erase(at);
            return taken;
        }
    }
    return nullptr;
}

void CNetworkServer::retirePlayer(std::unique_ptr<CNetPlayerInfo> player)
{
    player->stopReceiver();
    CXSocket* connection = player->getHandle();
    retire(connection, std::move(player));
}

void CNetworkServer::onConnected(CXSocket* socket, const CXString& address)
{
    // Listed before its receiver can queue anything, so the step never meets a stranger.
    platform::CriticalSection::Scoped hold(playersLock_);
    players_.push_back(std::make_unique<CNetPlayerInfo>(socket, address, this));
}

bool CNetworkServer::admits(CNetMessage* message)
{
    CNetPlayerInfo* player = findByConnection(message->getHandle());
    if (player == nullptr)
        return false;
    message->setSender(player->getName());
    return true;
}

void CNetworkServer::onConnectionLost(CXSocket* connection)
{
    if (CNetPlayerInfo* player = findByConnection(connection))
        removePlayer(player);
}
