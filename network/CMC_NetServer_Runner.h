#pragma once

#include "network/CMC_NetPeer_Runner.h"

// The runner of NETSERVER objects: starting and stopping, and the players, beside the shared
// network methods.
class CMC_NetServer_Runner : public CMC_NetPeer_Runner {
public:
    enum Method {
        START = 1,
        STOP = 2,
        ISSTARTED = 3,
        GETLOGGEDPLAYERNAME = 4,
        GETPLAYERSNO = 5,
        GETPLAYERNAME = 6,
    };

    void prepareMthHashSet() override;
    using CMC_NetPeer_Runner::run;
    CMC_Variable* run(int id, CMC_Object* object, CMC_ObjectsContainer* container, CXVector* arguments) override;
};
