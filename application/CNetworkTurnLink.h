#pragma once

#include "foundation/CInstalledLink.h"

// The network's part of the engine host's turn: the processing step of every live network peer,
// where received messages become script signals on the main thread. The network layer installs it
// while it has peers; with none installed the step is skipped.
class CNetworkTurnLink : public CInstalledLink<CNetworkTurnLink> {
public:
    virtual ~CNetworkTurnLink() = default;
    virtual void domodal() = 0;
};
