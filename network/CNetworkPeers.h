#pragma once

#include "application/CNetworkTurnLink.h"

#include <vector>

class CNetworkPeer;

// The live network peers of the process. While there are any it is the engine host's network
// turn, which runs every peer's processing step. Main thread only.
class CNetworkPeers : public CNetworkTurnLink {
public:
    static void add(CNetworkPeer* peer);
    static void remove(CNetworkPeer* peer);
    // The step of every live peer, in the order they were made; a peer deleted by another's
    // step is skipped.
    void domodal() override;

private:
    static CNetworkPeers& instance();

    std::vector<CNetworkPeer*> peers_;
};
