#include "network/CNetworkPeers.h"

#include "network/CNetworkPeer.h"

#include <algorithm>

CNetworkPeers& CNetworkPeers::instance()
{
    static CNetworkPeers peers;
    return peers;
}

void CNetworkPeers::add(CNetworkPeer* peer)
{
    CNetworkPeers& peers = instance();
    peers.peers_.push_back(peer);
    install(&peers);
}

void CNetworkPeers::remove(CNetworkPeer* peer)
{
    CNetworkPeers& peers = instance();
    std::erase(peers.peers_, peer);
    if (peers.peers_.empty() && installed() == &peers)
        install(nullptr);
}

void CNetworkPeers::domodal()
{
    const std::vector<CNetworkPeer*> stepping = peers_;
    for (CNetworkPeer* peer : stepping) {
        if (std::find(peers_.begin(), peers_.end(), peer) != peers_.end())
            peer->tick();
    }
}
